import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "ZelkProgressBar"
    when: windowShown
    visible: true
    width: 800
    height: 240

    Component { id: barComponent; ZelkProgressBar {} }

    // Hostile ranges and values, written one by one into a live bar as a
    // backend would, still give a whole percent in 0..100 and keep the fill
    // and the badge on the track.
    function test_badgeAndFill_data() {
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

    function test_badgeAndFill(data) {
        var bar = createTemporaryObject(barComponent, testCase);
        ["from", "to", "value"].forEach(function(key) { bar[key] = data[key]; });
        var control = findChild(bar, "progressBarControl"), fill = findChild(bar, "indicatorBack"), badge = findChild(bar, "valueLabel");
        compare(findChild(bar, "valueText").text, data.text);
        fuzzyCompare(fill.height, data.fill, 1e-9);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-9);
    }
}
