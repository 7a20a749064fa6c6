import QtQuick 2.8

// `source` shrunk to a quarter along one direction by a tent filter: each
// output texel takes the eight input texels around its centre, weighted by
// their distance. Unlike a plain average of four, that keeps every feature's
// centre where it was (a box snaps it to the nearest output texel).
// BluredCover renders it at a quarter of the source's size along `texel`.
ShaderEffect {
    property variant source
    // One texel of the source along the pass, in texture coordinates.
    property point texel

    // Two linear samples a side: texels 0.5 and 1.5 from the centre weigh
    // 7/8 and 5/8, texels 2.5 and 3.5 weigh 3/8 and 1/8.
    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform sampler2D source;
        uniform highp vec2 texel;
        uniform lowp float qt_Opacity;
        void main() {
            highp vec2 near = texel * (0.5 + 5.0 / 12.0);
            highp vec2 far = texel * 2.75;
            gl_FragColor = (0.375 * (texture2D(source, qt_TexCoord0 - near) + texture2D(source, qt_TexCoord0 + near))
                          + 0.125 * (texture2D(source, qt_TexCoord0 - far) + texture2D(source, qt_TexCoord0 + far)))
                          * qt_Opacity;
        }"
}
