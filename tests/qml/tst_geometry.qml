import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

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
}
