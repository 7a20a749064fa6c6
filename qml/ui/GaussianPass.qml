import QtQuick 2.8

// One direction of a Gaussian blur of `source`, from the 25 texels centred on
// each output texel: enough for a deviation of up to 3 texels, as BluredCover
// uses, which runs one pass per direction.
ShaderEffect {
    property variant source
    // One texel along the pass, in texture coordinates.
    property point texel
    // In texels.
    property real deviation: 1

    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform sampler2D source;
        uniform highp vec2 texel;
        uniform highp float deviation;
        uniform lowp float qt_Opacity;
        void main() {
            highp float spread = -0.5 / (deviation * deviation);
            highp vec4 sum = vec4(0.0);
            highp float total = 0.0;
            for (int i = -12; i <= 12; ++i) {
                highp float weight = exp(float(i * i) * spread);
                sum += weight * texture2D(source, qt_TexCoord0 + float(i) * texel);
                total += weight;
            }
            gl_FragColor = sum / total * qt_Opacity;
        }"
}
