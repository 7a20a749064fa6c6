import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

TestCase {
    id: testCase
    name: "Geometry"
    when: windowShown
    visible: true
    width: 800
    height: 700

    function make(declaration) {
        return createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + declaration, testCase);
    }

    function textWidth(text, pixelSize) {
        return make("Text { font.family: ZelkDesign.fontFamily; font.pixelSize: " + pixelSize + "; text: " + JSON.stringify(text) + " }").contentWidth;
    }

    // The check box widens by its text; the switch keeps its own width and
    // its label's own face whatever font is set on it, the track moved along by the label.
    function test_labelledWidths() {
        var box = make('ZelkCheckBox { text: "Corvex-A1"; font.pixelSize: 30 }');
        compare(box.width, 44 + textWidth(box.text, 30));
        box.text = "";
        compare(box.width, 44);
        var control = make('ZelkSwitch { text: "Longer label"; font.pixelSize: 40 }');
        compare(control.indicator.x, textWidth(control.text, 16) + 15);
        compare(control.implicitWidth, 115);
    }

    // Both arms of the tick at 45 degrees, falling to the vertex.
    function test_checkMark() {
        compare(Paths.checkMark(17.5, 14, 2).map(function(c) { return [c[1], c[2]]; }), [[15.5, 2], [5.5, 12], [2, 8.5]]);
    }

    // Hostile ranges and values, written one by one into a live progress bar
    // as a backend would, still give a whole percent in 0..100 and keep the
    // fill and the badge on the track.
    function test_progressBadgeAndFill_data() {
        return [
            { tag: "fraction dropped", from: 0, to: 1, value: 0.29, text: "28 %", fill: 0.29 * 696 },
            { tag: "value NaN", from: 0, to: 100, value: NaN, text: "0 %", fill: 0 },
            { tag: "value +Infinity", from: 0, to: 100, value: Infinity, text: "100 %", fill: 696 },
            { tag: "equal ends", from: 5, to: 5, value: 5, text: "0 %", fill: 0 },
            { tag: "reversed range", from: 100, to: 0, value: 30, text: "70 %", fill: 0.7 * 696 },
            { tag: "from NaN", from: NaN, to: 100, value: 50, text: "0 %", fill: 0 },
            { tag: "to +Infinity", from: 0, to: Infinity, value: 50, text: "0 %", fill: 0 }
        ];
    }

    function test_progressBadgeAndFill(data) {
        var bar = make("ZelkProgressBar {}");
        ["from", "to", "value"].forEach(function(key) { bar[key] = data[key]; });
        var control = findChild(bar, "progressBarControl"), fill = findChild(bar, "indicatorBack"), badge = findChild(bar, "valueLabel");
        compare(findChild(bar, "valueText").text, data.text);
        fuzzyCompare(fill.height, data.fill, 1e-9);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-9);
    }
}
