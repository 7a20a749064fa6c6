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

    Component {
        id: barComponent
        ZelkProgressBar {}
    }

    function createBar(properties) {
        var bar = createTemporaryObject(barComponent, testCase, properties || {});
        verify(bar);
        return bar;
    }

    function parts(bar) {
        return {
            control: findChild(bar, "progressBarControl"),
            fill: findChild(bar, "indicatorBack"),
            badge: findChild(bar, "valueLabel"),
            text: findChild(bar, "valueText"),
            loader: findChild(bar, "indeterminateLoader")
        };
    }

    // Where the fill's end and the badge's centre lie, in the bar's coordinates.
    function trackLeft(bar) {
        var p = parts(bar);
        return p.control.x + p.control.margins;
    }

    function test_badgeOutline() {
        var points = Geometry.badgeOutline(86, 86, 4, 22, 16);
        var expected = [[4, 20], [32, 20], [43, 4], [54, 20], [82, 20], [82, 82], [4, 82]];
        compare(points.length, expected.length);
        for (var i = 0; i < expected.length; ++i) {
            compare(points[i].x, expected[i][0], "x of point " + i);
            compare(points[i].y, expected[i][1], "y of point " + i);
        }
        // Wider margins keep the pointer centred with its tip on the top margin.
        var wide = Geometry.badgeOutline(88, 88, 5, 22, 16);
        compare(wide[2].x, 44);
        compare(wide[2].y, 5);
        compare(wide[2].x - wide[1].x, wide[3].x - wide[2].x);
        compare(wide[1].y, 21);
        compare(wide[5].x, 83);
        compare(wide[5].y, 83);
    }

    function test_indeterminateFigures_data() {
        return [
            { tag: "busy overlay's segment", track: 696, position: 0.3, segment: 208.8, speed: 0.4872, ends: 428, cycle: 1856 },
            { tag: "half the track", track: 696, position: 0.5, segment: 348, speed: 0.348, ends: 1000, cycle: 3000 },
            // At either end of the range the figures degenerate: fall back to a
            // fixed segment instead of nothing or a bar that never moves.
            { tag: "value at from", track: 696, position: 0, segment: 208.8, speed: 0.4872, ends: 428, cycle: 1856 },
            { tag: "value at to", track: 696, position: 1, segment: 208.8, speed: 0.4872, ends: 428, cycle: 1856 },
            { tag: "not a number", track: 696, position: NaN, segment: 208.8, speed: 0.4872, ends: 428, cycle: 1856 },
            { tag: "no track", track: 0, position: 0.3, segment: 0, speed: 0, ends: 0, cycle: 1000 },
            { tag: "negative track", track: -20, position: 0.3, segment: 0, speed: 0, ends: 0, cycle: 1000 },
            { tag: "unknown track", track: NaN, position: 0.3, segment: 0, speed: 0, ends: 0, cycle: 1000 }
        ];
    }

    function test_indeterminateFigures(data) {
        var figures = Geometry.indeterminateFigures(data.track, data.position);
        fuzzyCompare(figures.segment, data.segment, 1e-9);
        fuzzyCompare(figures.speed, data.speed, 1e-9);
        compare(figures.endsDuration, data.ends);
        compare(figures.cycleDuration, data.cycle);
    }

    // A segment that all but fills the track crawls, but its durations still fit an int.
    function test_indeterminateFiguresStayInts() {
        var figures = Geometry.indeterminateFigures(696, 1 - 1e-12);
        verify(figures.endsDuration > 0);
        verify(figures.cycleDuration <= 2147483647, figures.cycleDuration);
        compare(figures.endsDuration, Math.trunc(figures.endsDuration));
    }

    // (from, to, value) rows: what the badge reads, where the fill ends.
    // Degenerate input must still give a whole percent between 0 and 100 and
    // keep the fill and the badge on the track.
    function test_badgeAndFill_data() {
        return [
            { tag: "defaults", from: 0, to: 1, value: 0.5, text: "50 %", fill: 348 },
            { tag: "fraction dropped", from: 0, to: 1, value: 0.29, text: "28 %", fill: 0.29 * 696 },
            { tag: "percent range", from: 0, to: 100, value: 42.7, text: "42 %", fill: 0.427 * 696 },
            { tag: "empty", from: 0, to: 100, value: 0, text: "0 %", fill: 0 },
            { tag: "full", from: 0, to: 100, value: 100, text: "100 %", fill: 696 },
            { tag: "above range", from: 0, to: 100, value: 150, text: "100 %", fill: 696 },
            { tag: "below range", from: 0, to: 100, value: -5, text: "0 %", fill: 0 },
            { tag: "offset range", from: 10, to: 20, value: 15, text: "50 %", fill: 348 },
            { tag: "value NaN", from: 0, to: 100, value: NaN, text: "0 %", fill: 0 },
            { tag: "value +Infinity", from: 0, to: 100, value: Infinity, text: "100 %", fill: 696 },
            { tag: "value -Infinity", from: 0, to: 100, value: -Infinity, text: "0 %", fill: 0 },
            { tag: "empty range", from: 5, to: 5, value: 5, text: "0 %", fill: 0 },
            { tag: "reversed range", from: 100, to: 0, value: 30, text: "70 %", fill: 0.7 * 696 },
            { tag: "from NaN", from: NaN, to: 100, value: 50, text: "0 %", fill: 0 },
            { tag: "to NaN", from: 0, to: NaN, value: 50, text: "0 %", fill: 0 },
            { tag: "to +Infinity", from: 0, to: Infinity, value: 50, text: "0 %", fill: 0 },
            { tag: "from -Infinity", from: -Infinity, to: 0, value: -1, text: "0 %", fill: 0 }
        ];
    }

    function test_badgeAndFill(data) {
        // Given at creation, and written one by one into a live bar.
        var created = createBar({ from: data.from, to: data.to, value: data.value });
        var written = createBar();
        written.from = data.from;
        written.to = data.to;
        written.value = data.value;
        var bars = [created, written];
        for (var i = 0; i < bars.length; ++i) {
            var bar = bars[i];
            var p = parts(bar);
            compare(p.text.text, data.text);
            fuzzyCompare(p.fill.height, data.fill, 1e-9);
            compare(p.fill.y, 0);
            // The badge's centre sits under the end of the fill, on the track.
            var badgeCentre = p.badge.x + p.badge.width / 2;
            fuzzyCompare(badgeCentre, trackLeft(bar) + data.fill, 1e-9);
            verify(badgeCentre >= trackLeft(bar) && badgeCentre <= trackLeft(bar) + bar.backRectWidth, badgeCentre);
        }
    }

    function test_layout() {
        var bar = createBar();
        var p = parts(bar);
        compare(bar.backRectWidth, 696);
        compare(p.control.width, 716);
        compare(p.control.height, 36);
        compare(p.control.y, 70);
        compare(p.control.x, 30);
        compare(p.badge.width, 86);
        compare(p.badge.y, 109);
        compare(bar.title, "Calibrating");

        bar.width = 500;
        compare(bar.backRectWidth, 420);
        compare(p.control.width, 440);
        compare(p.fill.height, 210);
        compare(p.badge.x + p.badge.width / 2, trackLeft(bar) + 210);
    }

    // The fill and the badge as drawn: blue up to the value, the dark track
    // after it, and the badge's pointer right under the fill's end.
    function test_fillAndBadgePixels() {
        var bar = createBar({ from: 0, to: 100, value: 25, title: "" });
        waitForRendering(bar);
        verify(TestSupport.grab(bar));
        var left = trackLeft(bar);
        var trackMiddle = 70 + 18;
        var end = left + 174;
        // The fill's body is blue, its far rim a light blue, past it the dark track.
        var body = TestSupport.pixel(bar, end - 10, trackMiddle);
        verify(body.b > 0.7 && body.r < 0.2, "fill body " + body);
        var rim = TestSupport.pixel(bar, end - 1.5, trackMiddle);
        verify(TestSupport.near(rim, "#1e91f0", 40), "fill rim " + rim);
        var track = TestSupport.pixel(bar, end + 20, trackMiddle);
        verify(track.b < 0.35 && track.r < 0.35, "track past the fill " + track);
        var trackFar = TestSupport.pixel(bar, left + 690, trackMiddle);
        verify(TestSupport.near(trackFar, "#202020", 12), "far end of the track " + trackFar);

        // The badge: its box filled dark blue, its outline in the accent, the
        // pointer's tip centred under the fill's end, nothing beside the pointer.
        var badge = parts(bar).badge;
        compare(badge.x + 43, end);
        var box = TestSupport.pixel(badge, 12, 70);
        verify(TestSupport.near(box, "#184669", 6), "badge box " + box);
        var outline = TestSupport.pixel(badge, 4, 50);
        verify(TestSupport.near(outline, ZelkDesign.themeColor, 40), "badge outline " + outline);
        var pointer = TestSupport.pixel(badge, 43, 14);
        verify(TestSupport.near(pointer, "#184669", 40) || TestSupport.near(pointer, ZelkDesign.themeColor, 40), "pointer " + pointer);
        var besidePointer = TestSupport.pixel(badge, 15, 10);
        verify(besidePointer.b < 0.2, "beside the pointer " + besidePointer);
        var text = TestSupport.average(badge, 25, 30, 36, 34);
        verify(text.r > TestSupport.pixel(badge, 12, 70).r, "the percent text lights the box " + text);
    }

    function test_labelsCanBeHidden() {
        var bar = createBar({ valueLabelVisible: false, titleVisible: false, title: "Hidden" });
        waitForRendering(bar);
        verify(TestSupport.grab(bar));
        var badge = parts(bar).badge;
        verify(!TestSupport.near(TestSupport.pixel(badge, 12, 70), "#184669", 6), "no badge drawn");
        var titleArea = TestSupport.average(bar, 300, 0, 176, 30);
        verify(titleArea.r < 0.3, "no caption drawn " + titleArea);
    }

    function test_indeterminateCycle() {
        var bar = createBar({ indeterminate: true, value: 0.3, valueLabelVisible: false });
        var p = parts(bar);
        var animation = p.loader.item;
        verify(animation);
        verify(animation.running);
        fuzzyCompare(animation.segment, 208.8, 1e-9);
        fuzzyCompare(animation.speed, 0.4872, 1e-9);
        compare(animation.endsDuration, 428);
        compare(animation.cycleDuration, 1856);
        // The lit segment runs along the track and never leaves it.
        tryVerify(function() { return p.fill.y > 300; }, 5000, "the segment slides right");
        tryVerify(function() {
            return p.fill.y >= 0 && p.fill.y + p.fill.height <= bar.backRectWidth + 1e-6 && p.fill.height <= 208.8 + 1e-6
                && p.fill.y < 1 && p.fill.height > 0;
        }, 5000, "a new segment grows out of the left end");
    }

    // Values at either end of the range still run a visible segment.
    function test_indeterminateAtEnds_data() {
        return [
            { tag: "value at from", from: 0, to: 1, value: 0 },
            { tag: "value at to", from: 0, to: 1, value: 1 },
            { tag: "empty range", from: 3, to: 3, value: 3 }
        ];
    }

    function test_indeterminateAtEnds(data) {
        var bar = createBar({ indeterminate: true, from: data.from, to: data.to, value: data.value });
        var p = parts(bar);
        var animation = p.loader.item;
        verify(animation.running);
        fuzzyCompare(animation.segment, 208.8, 1e-9);
        compare(animation.endsDuration, 428);
        tryVerify(function() { return p.fill.height > 100 && p.fill.y > 100; }, 5000, "a segment runs");
    }

    // Leaving the mode drops the cycle and the fill shows the value again, and follows it.
    function test_backToDeterminate() {
        var bar = createBar({ indeterminate: true, value: 0.5 });
        var p = parts(bar);
        tryVerify(function() { return p.fill.y > 50; }, 5000, "the cycle has moved the segment");
        bar.indeterminate = false;
        compare(p.loader.item, null);
        compare(p.fill.y, 0);
        compare(p.fill.height, 348);
        bar.value = 0.25;
        compare(p.fill.height, 174);
        compare(p.text.text, "25 %");
    }

    // A running cycle picks up a new track length or segment instead of
    // keeping the durations it started with.
    function test_cycleFollowsResize() {
        var bar = createBar({ indeterminate: true, value: 0.3 });
        var animation = parts(bar).loader.item;
        bar.width = 580;
        fuzzyCompare(animation.segment, 150, 1e-9);
        compare(animation.endsDuration, 428);
        verify(animation.running);
        bar.value = 0.5;
        compare(animation.endsDuration, 1000);
        verify(animation.running);
        var fill = parts(bar).fill;
        tryVerify(function() { return fill.y > 100 && fill.height > 200; }, 5000, "the longer segment slides");
    }

    // A bar out of sight must not keep the window drawing frames.
    function test_hiddenCycleStops() {
        var holder = createTemporaryQmlObject("import QtQuick 2.9; Item {}", testCase);
        var bar = createTemporaryObject(barComponent, holder, { indeterminate: true });
        var animation = parts(bar).loader.item;
        verify(animation.running);
        holder.visible = false;
        verify(!animation.running);
        holder.visible = true;
        verify(animation.running);
        bar.visible = false;
        verify(!animation.running);

        var hiddenAtStart = createTemporaryObject(barComponent, testCase, { indeterminate: true, visible: false });
        verify(!parts(hiddenAtStart).loader.item.running);
    }
}
