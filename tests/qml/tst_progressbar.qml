import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/progressGeometry.js" as Geometry

TestCase {
    id: testCase
    name: "ZelkProgressBar"
    when: windowShown
    visible: true
    width: 800
    height: 240

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Component { id: barComponent; ZelkProgressBar {} }

    function parts(bar) {
        var control = findChild(bar, "progressBarControl");
        return { trackLeft: control.x + control.margins, fill: findChild(bar, "indicatorBack"),
                 badge: findChild(bar, "valueLabel"), text: findChild(bar, "valueText"),
                 animation: findChild(bar, "indeterminateLoader").item };
    }

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
        compare(figures.endsDuration, data.ends);
        compare(figures.cycleDuration, 1000 + 2 * data.ends);
    }

    // Hostile ranges and values still give a whole percent in 0..100 and keep
    // the fill and the badge on the track.
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
        // Written one by one into a live bar, as a backend would.
        var bar = createTemporaryObject(barComponent, testCase);
        bar.from = data.from;
        bar.to = data.to;
        bar.value = data.value;
        var p = parts(bar);
        compare(p.text.text, data.text);
        fuzzyCompare(p.fill.height, data.fill, 1e-9);
        fuzzyCompare(p.badge.x + p.badge.width / 2, p.trackLeft + data.fill, 1e-9);
    }

    // Blue up to the value, the dark track after it, and the badge's pointer
    // right under the fill's end with nothing drawn beside it.
    function test_fillAndBadgePixels() {
        var bar = createTemporaryObject(barComponent, testCase, { from: 0, to: 100, value: 25, title: "" });
        waitForRendering(bar);
        verify(TestSupport.grab(bar));
        var end = parts(bar).trackLeft + 174;
        verify(TestSupport.pixel(bar, end - 10, 88).b > 0.7, "blue fill");
        verify(TestSupport.pixel(bar, end + 20, 88).b < 0.35, "dark track past the fill");
        var badge = parts(bar).badge;
        verify(TestSupport.near(TestSupport.pixel(badge, 12, 70), "#184669", 6), "badge box");
        verify(TestSupport.pixel(badge, 43, 14).b > 0.3, "the pointer's tip");
        verify(TestSupport.pixel(badge, 15, 10).b < 0.2, "beside the pointer");
    }

    // The segment stays on the track; a running cycle takes up a new track
    // length or value instead of the durations it started with, and stops
    // while out of sight so the window does not keep drawing frames; leaving
    // the mode shows the value again.
    function test_indeterminateCycle() {
        var holder = createTemporaryQmlObject("import QtQuick 2.9; Item {}", testCase);
        var bar = createTemporaryObject(barComponent, holder, { indeterminate: true, value: 0.3, valueLabelVisible: false });
        var p = parts(bar);
        tryVerify(function() { return p.fill.y > 300; }, 5000, "the segment slides right");
        tryVerify(function() {
            return p.fill.y >= 0 && p.fill.y < 1 && p.fill.height > 0 && p.fill.height <= 208.8 + 1e-6;
        }, 5000, "a new segment grows out of the left end");
        bar.width = 580;
        fuzzyCompare(p.animation.segment, 150, 1e-9);
        bar.value = 0.5;
        compare(p.animation.endsDuration, 1000);
        tryVerify(function() { return p.fill.y > 100 && p.fill.height > 200; }, 5000, "the longer segment slides");
        holder.visible = false;
        verify(!p.animation.running);
        holder.visible = true;
        verify(p.animation.running);
        bar.indeterminate = false;
        compare([p.fill.y, p.fill.height], [0, 250]);
    }
}
