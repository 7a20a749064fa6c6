import QtQuick 2.9
import QtTest 1.2
import QtGraphicalEffects 1.0
import "qrc:/ZelkDesign/private" as Shared
import "qrc:/ZelkDesign/private/shadowMath.js" as ShadowMath
import OrvaneTest 1.0

// The sunken frame's closed-form inner shadow against the Graphical Effects
// InnerShadow it stands in for, drawn side by side over the same fill: the
// two must agree on every pixel of the shape, corners and edges included.
TestCase {
    id: testCase
    name: "InsetShadow"
    when: windowShown
    visible: true
    width: 520
    height: 300

    Rectangle { anchors.fill: parent; color: "black" }

    // A fill inset by one pixel under a two-pixel border, as the sunken frame
    // lays them out (the border hides the fill's antialiased rim); `reference`
    // shades it with Graphical Effects, otherwise with the inset shadow.
    Component {
        id: well

        Item {
            id: wellRoot

            property bool reference
            property var look

            width: look.width
            height: look.height

            Item { id: fill; anchors.fill: parent; Rectangle { anchors.fill: parent; anchors.margins: 1; radius: wellRoot.look.radius; color: wellRoot.look.fill } }
            InnerShadow {
                anchors.fill: fill; visible: wellRoot.reference; source: fill; cached: true; smooth: true; samples: 32
                radius: wellRoot.look.blur; horizontalOffset: wellRoot.look.dx; verticalOffset: wellRoot.look.dy; color: wellRoot.look.shade
            }
            Shared.InsetShadow {
                anchors.fill: parent; visible: !wellRoot.reference; shapeInset: 1; shapeRadius: wellRoot.look.radius; samples: 32
                radius: wellRoot.look.blur; horizontalOffset: wellRoot.look.dx; verticalOffset: wellRoot.look.dy; color: wellRoot.look.shade
            }
            Rectangle { anchors.fill: parent; color: "transparent"; radius: wellRoot.look.radius; border { color: "#676767"; width: 2 } }
        }
    }

    // The shapes and shadows the library's controls draw.
    function test_matches_data() {
        return [
            { tag: "check box", width: 24, height: 24 },
            { tag: "check box checked", width: 24, height: 24, fill: "#2e91ed", dx: 0, shade: "#88000000" },
            { tag: "radio button", width: 24, height: 24, radius: 12 },
            { tag: "switch track", width: 48, height: 20, radius: 10 },
            { tag: "text field", width: 150, height: 40, shade: "#1a1a1a" },
            { tag: "file selector, no offset", width: 200, height: 40, blur: 8, dx: 0, dy: 0, shade: "#000000" },
            { tag: "tool frame", width: 180, height: 120, radius: 12, blur: 16, dx: 5, dy: 5, shade: "#000000" },
            { tag: "offset past a side", width: 60, height: 40, radius: 6, dx: -3, dy: 12 }
        ];
    }

    function test_matches(data) {
        var look = Object.assign({ radius: 0, fill: "#262626", blur: 10, dx: 2, dy: 5, shade: "#aa000000" }, data);
        var reference = createTemporaryObject(well, testCase, { x: 10, y: 10, reference: true, look: look });
        var candidate = createTemporaryObject(well, testCase, { x: data.width + 30, y: 10, reference: false, look: look });
        verify(TestSupport.grab(candidate));
        var difference = TestSupport.largestDifference(candidate, reference);
        verify(difference >= 0 && difference <= 4, "largest channel difference " + difference + " (-1: a drawing outside the window)");
    }

    // What reaches the shader must be a usable number whatever the bindings
    // give: a NaN or zero width there would blacken or blank the whole shape.
    function test_uniforms_data() {
        return [
            { tag: "the library's shadow", deviation: [10, 32], near: 3.27 },
            { tag: "blur not a number", deviation: [NaN, 32], near: 0.3 },
            { tag: "corner past half the shape", corner: [24, 24, 1, 12], equals: 11 },
            { tag: "corner not a number", corner: [24, 24, 1, NaN], equals: 0 },
            { tag: "shape smaller than its inset", corner: [1, 1, 1, 5], equals: 0 }
        ];
    }

    function test_uniforms(data) {
        if (data.deviation)
            fuzzyCompare(ShadowMath.deviation.apply(null, data.deviation), data.near, 0.02);
        else
            compare(ShadowMath.cornerRadius.apply(null, data.corner), data.equals);
    }
}
