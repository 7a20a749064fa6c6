import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths
import "qrc:/ZelkDesign/private/dragBounds.js" as DragBounds

TestCase {
    id: testCase
    name: "Geometry"
    when: windowShown
    visible: true
    width: 700
    height: 700

    Component { id: checkBox; ZelkCheckBox {} }
    Component { id: zelkSwitch; ZelkSwitch {} }
    Component { id: textMeasure; Text { font.family: ZelkDesign.fontFamily } }

    function textWidth(text, pixelSize) {
        return createTemporaryObject(textMeasure, testCase, { text: text, "font.pixelSize": pixelSize }).contentWidth;
    }

    // The check box widens by its text; the switch keeps its own width and
    // its label's own face whatever font is set on it, the track moved along by the label.
    function test_labelledWidths() {
        var box = createTemporaryObject(checkBox, testCase, { text: "Corvex-A1", "font.pixelSize": 30 });
        verify(textWidth(box.text, 30) > 40);
        compare(box.width, 44 + textWidth(box.text, 30));
        box.text = "";
        compare(box.width, 44);
        var control = createTemporaryObject(zelkSwitch, testCase, { text: "Longer label", "font.pixelSize": 40 });
        compare(control.indicator.x, textWidth(control.text, 16) + 15);
        compare(control.implicitWidth, 115);
    }

    // Both arms of the tick at 45 degrees, falling to the vertex.
    function test_checkMark() {
        compare(Paths.checkMark(17.5, 14, 2).map(function(c) { return [c[1], c[2]]; }), [[15.5, 2], [5.5, 12], [2, 8.5]]);
    }

    // A 476 wide dialog with a 60 high strip in an 800 square: the strip
    // stays in, and at least 80 px of the part that drags (0 to 412 beside a
    // close button, all 476 without one) stay in, whatever else leaves.
    function test_dragBounds_data() {
        return [
            { tag: "inside, unchanged", x: 10, y: 700, grabTo: 412, expected: [10, 700] },
            { tag: "above the top", x: 10, y: -30, grabTo: 412, expected: [10, 0] },
            { tag: "below the bottom", x: 10, y: 790, grabTo: 412, expected: [10, 740] },
            { tag: "far left, the close button out too", x: -500, y: 0, grabTo: 412, expected: [-332, 0] },
            { tag: "far left without a close button", x: -500, y: 0, grabTo: 476, expected: [-396, 0] },
            { tag: "far right", x: 900, y: 0, grabTo: 412, expected: [720, 0] },
            { tag: "a strip shorter than the grip stays whole", x: -500, y: 0, grabTo: 50, expected: [0, 0] }
        ];
    }

    function test_dragBounds(data) {
        var p = DragBounds.keepStripReachable(data.x, data.y, 0, data.grabTo, 60, 800, 800);
        compare([p.x, p.y], data.expected);
    }
}
