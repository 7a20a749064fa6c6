import QtQuick 2.9
import "shadowMath.js" as ShadowMath

// The inner shadow of a flat (rounded) rectangle, drawn over it in one pass.
// It matches Graphical Effects' Gaussian InnerShadow of the same shape to a
// few colour levels at most, but Graphical Effects builds that shadow from a
// generated shader, four offscreen passes and a dozen objects per instance,
// which made every sunken control slow to create and to show first. Here the
// blurred edge is a closed form (the normal distribution's integral over the
// shape's rows), so the item needs no source and at most one texture.
//
// The shape is the item's rectangle inset by `shapeInset`, with corners of
// `shapeRadius`; the shadow is drawn only over it.
ShaderEffect {
    id: root

    property real radius: 0
    property int samples: 0
    property real horizontalOffset: 0
    property real verticalOffset: 0
    property color color: "black"
    property real shapeInset: 0
    property real shapeRadius: 0

    // Read by the shader, with width, height and shapeInset.
    readonly property point offset: Qt.point(horizontalOffset, verticalOffset)
    readonly property real corner: ShadowMath.cornerRadius(width, height, shapeInset, shapeRadius)
    readonly property real deviation: ShadowMath.deviation(radius, samples)

    blending: true
    // A rounded shape sums its corner rows one by one, too dear to repeat on
    // every frame of an animation elsewhere in the window; it is drawn once
    // into a texture instead, and again only when its inputs change.
    layer.enabled: corner > 0
    layer.smooth: true
    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform lowp float qt_Opacity;
        uniform lowp vec4 color;
        uniform highp float width;
        uniform highp float height;
        uniform highp vec2 offset;
        uniform highp float shapeInset;
        uniform highp float corner;
        uniform highp float deviation;

        const highp float far = 1.0e5;

        // Abramowitz and Stegun 7.1.26; the error (1.5e-7) is far below a colour level.
        highp float normalCdf(highp float z) {
            highp float x = abs(z) * 0.70710678;
            highp float t = 1.0 / (1.0 + 0.3275911 * x);
            highp float poly = ((((1.061405429 * t - 1.453152027) * t + 1.421413741) * t - 0.284496736) * t
                                + 0.254829592) * t;
            highp float e = 1.0 - poly * exp(-x * x);
            return 0.5 + 0.5 * sign(z) * e;
        }

        // Share of the blur kernel centred on p that falls between lo and hi.
        highp float span(highp float p, highp float lo, highp float hi) {
            if (hi <= lo)
                return 0.0;
            return normalCdf((hi - p) / deviation) - normalCdf((lo - p) / deviation);
        }

        // The offscreen passes repeat their edge texels outwards: a shape
        // reaching the first or last texel centre reaches on for ever.
        highp vec2 clampedSpan(highp float lo, highp float hi, highp float extent) {
            return vec2(lo <= 0.5 ? -far : lo, hi >= extent - 0.5 ? far : hi);
        }

        void main() {
            highp vec2 itemSize = vec2(width, height);
            highp vec2 p = qt_TexCoord0 * itemSize;
            highp vec2 lo = vec2(shapeInset) + offset;
            highp vec2 hi = itemSize - vec2(shapeInset) + offset;
            highp vec2 xs = clampedSpan(lo.x, hi.x, itemSize.x);
            highp float reach = ceil(4.0 * deviation);
            // Away from the corners every row the kernel reaches is of full
            // width, and the blur is the product of its two directions.
            bool nearCorner = corner > 0.0
                && (p.x < lo.x + corner + reach || p.x > hi.x - corner - reach)
                && (p.y < lo.y + corner + reach || p.y > hi.y - corner - reach);
            highp float covered;
            if (!nearCorner) {
                highp vec2 ys = clampedSpan(lo.y, hi.y, itemSize.y);
                covered = span(p.x, xs.x, xs.y) * span(p.y, ys.x, ys.y);
            } else {
                // Rows of full width are summed at once; only the rows through
                // the corners are narrower and taken one by one. The weights
                // follow the normal density row by row without an exp each.
                highp float first = floor(p.y - reach);
                highp float d = first + 0.5 - p.y;
                highp float k = 0.5 / (deviation * deviation);
                highp float w = exp(-k * d * d);
                highp float ratio = exp(-k * (2.0 * d + 1.0));
                highp float ratioStep = exp(-2.0 * k);
                highp float fullRows = 0.0;
                highp float cornerRows = 0.0;
                highp float total = 0.0;
                for (int i = 0; i < 96; ++i) {
                    highp float row = first + float(i);
                    if (row > p.y + reach)
                        break;
                    total += w;
                    highp float y = clamp(row + 0.5, 0.5, itemSize.y - 0.5);
                    if (y >= lo.y && y <= hi.y) {
                        highp float dy = max(max(lo.y + corner - y, y - (hi.y - corner)), 0.0);
                        if (dy <= 0.0) {
                            fullRows += w;
                        } else {
                            highp float cut = corner - sqrt(max(corner * corner - dy * dy, 0.0));
                            highp vec2 rs = clampedSpan(lo.x + cut, hi.x - cut, itemSize.x);
                            cornerRows += w * span(p.x, rs.x, rs.y);
                        }
                    }
                    w *= ratio;
                    ratio *= ratioStep;
                }
                covered = (fullRows * span(p.x, xs.x, xs.y) + cornerRows) / total;
            }

            // Only over the shape itself, antialiased like the rectangle beneath.
            highp vec2 halfSize = 0.5 * itemSize - vec2(shapeInset);
            highp vec2 q = abs(p - 0.5 * itemSize) - halfSize + vec2(corner);
            highp float outside = length(max(q, 0.0)) + min(max(q.x, q.y), 0.0) - corner;
            highp float shape = clamp(0.5 - outside, 0.0, 1.0);

            // As Graphical Effects composes it: the colour's alpha counts twice.
            highp float shade = (1.0 - covered) * shape * qt_Opacity;
            gl_FragColor = vec4(color.rgb * color.a, color.a) * shade;
        }
    "
}
