import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/progressGeometry.js" as Geometry

TestCase {
    id: testCase
    name: "ZelkProgressBar"
    when: windowShown
    visible: true
    width: 800
    height: 240

    Component { id: barComponent; ZelkProgressBar {} }

    // Degenerate figures (a value not a number or at an end, no track) must
    // neither stop the cycle, spin it on zero-length steps nor overflow an int.
    function test_indeterminateFigures_data() {
        return [
            { tag: "not a number", track: 696, position: NaN, segment: 208.8, ends: 428 },
            { tag: "segment all but fills the track", track: 696, position: 1 - 1e-12, segment: 696, ends: 1073741323 },
            { tag: "unknown track", track: NaN, position: 0.3, segment: 0, ends: 0 }
        ];
    }

    function test_indeterminateFigures(data) {
        var figures = Geometry.indeterminateFigures(data.track, data.position);
        fuzzyCompare(figures.segment, data.segment, 1e-6);
        compare([figures.endsDuration, figures.cycleDuration], [data.ends, 1000 + 2 * data.ends]);
    }

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

    // A running cycle takes up a new track length or value instead of the
    // durations it started with, and stops while out of sight so the window
    // does not keep drawing frames; leaving the mode shows the value again.
    function test_indeterminateCycle() {
        var holder = createTemporaryQmlObject("import QtQuick 2.9; Item {}", testCase);
        var bar = createTemporaryObject(barComponent, holder, { indeterminate: true, value: 0.3, valueLabelVisible: false });
        var fill = findChild(bar, "indicatorBack"), animation = findChild(bar, "indeterminateLoader").item;
        tryVerify(function() { return fill.y > 300; }, 5000, "the segment slides right");
        tryVerify(function() { return fill.y >= 0 && fill.y < 1 && fill.height > 0 && fill.height <= 208.8 + 1e-6; }, 5000,
                  "a new segment grows out of the left end");
        bar.width = 580;
        fuzzyCompare(animation.segment, 150, 1e-9);
        bar.value = 0.5;
        compare(animation.endsDuration, 1000);
        tryVerify(function() { return fill.y > 100 && fill.height > 200; }, 5000, "the longer segment slides");
        holder.visible = false;
        verify(!animation.running);
        holder.visible = true;
        verify(animation.running);
        bar.indeterminate = false;
        compare([fill.y, fill.height], [0, 250]);
    }
}
