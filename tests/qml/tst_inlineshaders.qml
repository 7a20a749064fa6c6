import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0

// Inline shaders written as the library writes them: run as they are on Qt 5,
// and as the Qt 6 build converts them (cmake/Qt6Port.cmake). A vertex and a
// fragment shader that share a uniform block, a sampler and a varying; then a
// fragment shader alone with uniforms of its own.
TestCase {
    id: testCase
    name: "InlineShaders"
    when: windowShown
    visible: true
    width: 240
    height: 100

    Row {
        id: halves
        Rectangle { width: 50; height: 100; color: "#ff0000" }
        Rectangle { width: 50; height: 100; color: "#0000ff" }
    }

    ShaderEffect {
        id: mirrored

        property variant source: ShaderEffectSource { sourceItem: halves; hideSource: true }
        property real mirror: 1

        x: 120
        width: 100
        height: 100
        vertexShader: "
            uniform highp mat4 qt_Matrix;
            uniform highp float mirror;
            attribute highp vec4 qt_Vertex;
            attribute highp vec2 qt_MultiTexCoord0;
            varying highp vec2 coord;
            void main() {
                coord = vec2(mix(qt_MultiTexCoord0.x, 1.0 - qt_MultiTexCoord0.x, mirror), qt_MultiTexCoord0.y);
                gl_Position = qt_Matrix * qt_Vertex;
            }"
        fragmentShader: "varying highp vec2 coord;\n"
            + "uniform sampler2D source;\n"
            + "uniform lowp float qt_Opacity;\n"
            + "void main() {\n"
            + "    gl_FragColor = texture2D(source, coord) * qt_Opacity;\n"
            + "}"
    }

    ShaderEffect {
        id: levelled

        property real level: 0.25
        property color tint: "#00ff00"

        x: 0
        width: 100
        height: 100
        fragmentShader: "
            varying highp vec2 qt_TexCoord0;
            uniform lowp float qt_Opacity;
            uniform highp float level;
            uniform lowp vec4 tint;
            void main() {
                gl_FragColor = vec4(level, tint.g * qt_TexCoord0.y, 1.0 - level, 1.0) * qt_Opacity;
            }"
    }

    function test_shaders_data() {
        return [
            { tag: "mirrored sampler, left", item: mirrored, x: 25, y: 50, colour: "#0000ff" },
            { tag: "mirrored sampler, right", item: mirrored, x: 75, y: 50, colour: "#ff0000" },
            { tag: "uniforms of its own, top", item: levelled, x: 50, y: 0.5, colour: "#4001bf" },
            { tag: "uniforms of its own, bottom", item: levelled, x: 50, y: 99.5, colour: "#40febf" }
        ];
    }

    function test_shaders(data) {
        tryVerify(function() {
            return TestSupport.grab(testCase) && TestSupport.near(TestSupport.pixel(data.item, data.x, data.y), data.colour, 3);
        }, 3000, String(TestSupport.pixel(data.item, data.x, data.y)));
    }
}
