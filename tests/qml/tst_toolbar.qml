import QtQuick 2.9
import QtQuick.Controls 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

TestCase {
    id: testCase
    name: "ToolBar"
    when: windowShown
    visible: true
    width: 400
    height: 400

    // Black, so the frame's layers read as their own colours.
    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Item {
        id: focusSink
    }

    Component { id: toolBar; ZelkToolBar { x: 100; y: 20 } }

    readonly property string normalImage: "qrc:/images/cross.png"
    readonly property string activeImage: "qrc:/images/StarBlue.svg"
    readonly property string inactiveImage: "qrc:/images/StarWhite.svg"

    function entry(name, active) {
        var e = { buttonName: name, label: "Tool " + name, normalImageSource: normalImage,
                  activeImageSource: activeImage, inactiveImageSource: inactiveImage };
        if (active !== undefined)
            e.active = active;
        return e;
    }

    function entries(n) {
        var out = [];
        for (var i = 0; i < n; ++i)
            out.push(entry("tool" + i, true));
        return out;
    }

    function itemsOf(root, predicate) {
        var found = [];
        (function walk(item) {
            for (var i = 0; i < item.children.length; ++i) {
                var child = item.children[i];
                if (predicate(child))
                    found.push(child);
                walk(child);
            }
        })(root);
        return found;
    }

    function buttonsOf(bar) {
        return itemsOf(bar, function(item) { return item.hasOwnProperty("entry"); });
    }

    function separatorsOf(bar) {
        return itemsOf(bar, function(item) {
            return item.visible && item.height === 2 && item.color !== undefined && TestSupport.near(item.color, "#434343", 0);
        });
    }

    function yIn(bar, item) {
        return item.mapToItem(bar, 0, 0).y;
    }

    function test_layout_data() {
        return [
            { tag: "empty", n: 0, height: 20, separators: [] },
            { tag: "one entry", n: 1, height: 82, separators: [] },
            { tag: "two entries", n: 2, height: 144, separators: [71] },
            { tag: "three entries", n: 3, height: 206, separators: [71, 133] }
        ];
    }

    function test_layout(data) {
        var bar = createTemporaryObject(toolBar, testCase, { model: entries(data.n) });
        compare(bar.width, 82);
        compare(bar.height, data.height);
        compare(separatorsOf(bar).map(function(s) { return yIn(bar, s); }), data.separators);
        separatorsOf(bar).forEach(function(s) { compare(s.width, 62); });
        var buttons = buttonsOf(bar);
        compare(buttons.length, data.n);
        for (var i = 0; i < buttons.length; ++i) {
            compare([buttons[i].x, buttons[i].y, buttons[i].width, buttons[i].height], [10, 10 + 62 * i, 62, 62]);
            // The content spans the whole button, so the icon stands in its middle.
            compare([buttons[i].contentItem.width, buttons[i].contentItem.height], [62, 62]);
        }
    }

    // A new array rebuilds the bar; odd values leave it empty without a warning.
    function test_modelReplaced() {
        var bar = createTemporaryObject(toolBar, testCase, { model: entries(3), itemHeight: 50, margins: 5 });
        compare(bar.height, 160);
        bar.model = entries(1);
        compare(bar.height, 60);
        compare(buttonsOf(bar).length, 1);
        compare(separatorsOf(bar).length, 0);
        bar.model = undefined;
        compare(bar.height, 10);
        compare(buttonsOf(bar).length, 0);
        bar.model = [null];
        compare(buttonsOf(bar).length, 1);
        verify(!buttonsOf(bar)[0].enabled);
        bar.model = 4;
        compare(buttonsOf(bar).length, 0);
        waitForRendering(bar);
    }

    // Points a path passes through, arcs by their two ends.
    function vertices(path) {
        var points = [];
        path.forEach(function(c) {
            if (c[0] === "arc") {
                points.push([c[1] + c[3] * Math.cos(c[4]), c[2] + c[3] * Math.sin(c[4])]);
                points.push([c[1] + c[3] * Math.cos(c[5]), c[2] + c[3] * Math.sin(c[5])]);
            } else if (c[0] !== "closePath") {
                points.push([c[1], c[2]]);
            }
        });
        return points.map(function(p) { return [Math.round(p[0] * 1000) / 1000, Math.round(p[1] * 1000) / 1000]; });
    }

    // The canvas of an 62 by 62 button reaches 10 beyond it: 82 by 82.
    function test_highlightOutline_data() {
        return [
            { tag: "lone button", index: 0, count: 1, radius: 12, arcs: 4,
              points: [[10, 22], [10, 22], [22, 10], [60, 10], [72, 22], [72, 60], [60, 72], [22, 72], [10, 60]] },
            { tag: "first of two", index: 0, count: 2, radius: 12, arcs: 2,
              points: [[10, 22], [10, 22], [22, 10], [60, 10], [72, 22], [72, 72], [10, 72]] },
            { tag: "last of two", index: 1, count: 2, radius: 12, arcs: 2,
              points: [[10, 10], [72, 10], [72, 60], [60, 72], [22, 72], [10, 60]] },
            { tag: "middle of three", index: 1, count: 3, radius: 12, arcs: 0,
              points: [[10, 10], [72, 10], [72, 72], [10, 72]] },
            { tag: "radius beyond half the button", index: 0, count: 1, radius: 50, arcs: 4,
              points: [[10, 41], [10, 41], [41, 10], [41, 10], [72, 41], [72, 41], [41, 72], [41, 72], [10, 41]] },
            { tag: "negative radius", index: 2, count: 3, radius: -4, arcs: 2,
              points: [[10, 10], [72, 10], [72, 72], [72, 72], [10, 72], [10, 72]] }
        ];
    }

    function test_highlightOutline(data) {
        var path = Paths.stackedHighlight(82, 82, data.radius, 10, data.index, data.count);
        compare(vertices(path), data.points);
        compare(path[path.length - 1][0], "closePath");
        var arcs = path.filter(function(c) { return c[0] === "arc"; });
        compare(arcs.length, data.arcs);
        arcs.forEach(function(arc) { fuzzyCompare(arc[5] - arc[4], Math.PI / 2, 1e-9); });
    }

    // A button smaller than the margins collapses to a point instead of
    // turning inside out.
    function test_highlightOutlineDegenerate() {
        var path = Paths.stackedHighlight(12, 0, 12, 10, 0, 1);
        vertices(path).forEach(function(p) { compare(p, [10, 10]); });
        path.forEach(function(c) { if (c[0] === "arc") compare(c[3], 0); });
    }

    // Each button of a live bar outlines its own place in the stack.
    function test_outlinePerPosition() {
        var bar = createTemporaryObject(toolBar, testCase, { model: entries(3), radius: 8 });
        var buttons = buttonsOf(bar);
        for (var i = 0; i < 3; ++i) {
            var canvas = buttons[i].background.children[0];
            compare([canvas.width, canvas.height], [82, 82]);
            compare(canvas.path, Paths.stackedHighlight(82, 82, 8, 10, i, 3));
        }
    }

    function test_clicks_data() {
        return [
            { tag: "active", active: true, emits: 1 },
            { tag: "inactive", active: false, emits: 0 },
            { tag: "without an active key", active: undefined, emits: 0 },
            { tag: "truthy but not a bool", active: "yes", emits: 0 }
        ];
    }

    function test_clicks(data) {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("first", true), entry("probe", data.active)] });
        var spy = createTemporaryObject(signalSpy, testCase, { target: bar, signalName: "clicked" });
        var button = buttonsOf(bar)[1];
        compare(button.enabled, data.emits > 0);
        mouseClick(button);
        compare(spy.count, data.emits);
        if (data.emits)
            compare(spy.signalArguments[0][0], "probe");
        // Space on a focused active button counts as a click too.
        button.forceActiveFocus();
        keyClick(Qt.Key_Space);
        compare(spy.count, 2 * data.emits);
    }

    Component { id: signalSpy; SignalSpy {} }

    function test_images() {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("a", true), entry("b", false)] });
        var buttons = buttonsOf(bar);
        var icon = buttons[0].contentItem.children[0];
        var inactiveIcon = buttons[1].contentItem.children[0];
        mouseMove(testCase, 395, 395);
        compare(String(icon.source), normalImage);
        compare(String(inactiveIcon.source), inactiveImage);
        verify(!buttons[0].background.visible);

        mouseMove(buttons[1], 31, 31);
        compare(String(inactiveIcon.source), inactiveImage);
        verify(!buttons[1].background.visible, "an inactive entry never lights up");

        mouseMove(buttons[0], 31, 31);
        tryCompare(buttons[0], "hovered", true);
        compare(String(icon.source), activeImage);
        verify(buttons[0].background.visible);

        // Clicked last, it keeps its look after the pointer leaves.
        mouseClick(buttons[0]);
        mouseMove(testCase, 395, 395);
        tryCompare(buttons[0], "hovered", false);
        compare(String(icon.source), activeImage);
        verify(buttons[0].background.visible);
        focusSink.forceActiveFocus();
        compare(String(icon.source), normalImage);
        verify(!buttons[0].background.visible);
    }

    function test_labels() {
        var bar = createTemporaryObject(toolBar, testCase, { model: entries(3) });
        var labels = buttonsOf(bar).map(function(b) { return b.contentItem.children[1]; });
        labels.forEach(function(label) { verify(!label.visible); });
        bar.showLabels = true;
        for (var i = 0; i < labels.length; ++i) {
            var label = labels[i];
            verify(label.visible);
            compare(label.text, "Tool tool" + i);
            verify(label.width > 20);
            var box = label.mapToItem(bar, 0, 0, label.width, label.height);
            compare(box.x + box.width, -10);
            // Anchoring snaps an odd-height label to whole pixels.
            fuzzyCompare(box.y + box.height / 2, 10 + 62 * i + 31, 0.5);
        }
    }

    // Rows: [x, y, colour] in the bar's coordinates, over a two-entry bar whose
    // first button may be hovered.
    function test_pixels_data() {
        return [
            { tag: "at rest", hover: false, probes: [[10, 100, "#676767"], [60, 71, "#434343"], [60, 72, "#434343"],
                                                     [66, 120, "#171717"], [3, 100, "#000000"]] },
            { tag: "first button highlighted", hover: true,
              probes: [[10, 41, "#2e91ed"], [71, 41, "#2e91ed"], [41, 9, "#2e91ed"], [10, 100, "#676767"]] }
        ];
    }

    function test_pixels(data) {
        var bar = createTemporaryObject(toolBar, testCase, { model: entries(2) });
        mouseMove(testCase, 395, 395);
        if (data.hover) {
            mouseMove(bar, 41, 41);
            tryCompare(buttonsOf(bar)[0], "hovered", true);
        }
        var wrong;
        tryVerify(function() {
            TestSupport.grab(bar);
            wrong = data.probes.filter(function(p) { return !TestSupport.near(TestSupport.pixel(bar, p[0], p[1]), p[2], 12); })
                              .map(function(p) { return "(" + p[0] + ", " + p[1] + ") " + TestSupport.pixel(bar, p[0], p[1]) + " not " + p[2]; });
            return wrong.length === 0;
        }, 3000, "pixels differ");
    }
}
