import QtQuick 2.9
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

    Component { id: toolBar; ZelkToolBar { x: 100; y: 20 } }

    Component { id: signalSpy; SignalSpy {} }

    function entry(name, active) {
        return { buttonName: name, active: active, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/StarBlue.svg" };
    }

    function buttonsOf(bar) {
        return Array.prototype.filter.call(bar.children, function(c) { return c.entry !== undefined; });
    }

    // Odd models leave the bar empty, or its entry disabled, without a warning.
    function test_oddModels() {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("a", true), entry("b", true)] });
        bar.model = undefined;
        compare([buttonsOf(bar).length, bar.height], [0, 20]);
        bar.model = [null];
        verify(!buttonsOf(bar)[0].enabled);
        bar.model = 4;
        compare(buttonsOf(bar).length, 0);
        waitForRendering(bar);
    }

    // Radii beyond half the button or below zero, and a button smaller than
    // its margins, must not turn the highlight outline inside out.
    function test_highlightOutlineStaysInside() {
        [[82, 50, 0, 1], [82, -4, 2, 3], [12, 12, 0, 2]].forEach(function(row) {  // size, radius, index, count
            var far = Math.max(row[0] - 10, 10);
            var inside = function(v) { return v > 10 - 1e-9 && v < far + 1e-9; };
            Paths.stackedHighlight(row[0], row[0], row[1], 10, row[2], row[3]).forEach(function(c) {
                if (c[0] !== "closePath")
                    verify(inside(c[1]) && inside(c[2]), row + ": " + c);
                if (c[0] === "arc")
                    verify(c[3] >= 0 && 2 * c[3] <= far - 10 + 1e-9, row + ": radius " + c[3]);
            });
        });
    }

    // Only an entry whose active key is exactly true clicks, by mouse or by Space.
    function test_clicks() {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("on", true), entry("off", "yes")] });
        var spy = createTemporaryObject(signalSpy, testCase, { target: bar, signalName: "clicked" });
        buttonsOf(bar).forEach(function(button) {
            mouseClick(button);
            button.forceActiveFocus();
            keyClick(Qt.Key_Space);
        });
        compare(spy.signalArguments.map(function(args) { return args[0]; }), ["on", "on"]);
    }

    // The entry clicked last keeps its look after the pointer leaves, until
    // the focus moves on.
    function test_clickedLooks() {
        var button = buttonsOf(createTemporaryObject(toolBar, testCase, { model: [entry("a", true)] }))[0];
        var icon = button.contentItem.children[0];
        mouseClick(button);
        mouseMove(testCase, 395, 395);
        tryCompare(button, "hovered", false);
        compare([String(icon.source), button.background.visible], ["qrc:/images/StarBlue.svg", true]);
        testCase.forceActiveFocus();
        compare([String(icon.source), button.background.visible], ["qrc:/images/cross.png", false]);
    }

    // [x, y, colour] in the bar's coordinates: the well and the separators
    // between the entries at rest; then the highlight around each hovered
    // entry along its edges, its corners round (dark one pixel in) only where
    // the stack ends.
    function test_pixels() {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("a", true), entry("b", true), entry("c", true)] });
        var looks = function(probes) {
            return function() { return TestSupport.grab(bar) && probes.every(function(p) {
                return TestSupport.near(TestSupport.pixel(bar, p[0], p[1]), p[2], 12); }); };
        };
        mouseMove(testCase, 395, 395);
        tryVerify(looks([[10, 100, "#676767"], [60, 71, "#434343"], [60, 133, "#434343"], [66, 120, "#171717"], [3, 100, "#000000"]]),
                  3000, "at rest");
        var accent = "#2e91ed", round = "#0b2339";
        [0, 1, 2].forEach(function(i) {
            var top = 10 + 62 * i, bottom = top + 61;
            mouseMove(bar, 41, top + 31);
            tryVerify(looks([[10, top + 31, accent], [71, top + 31, accent], [41, top, accent], [41, bottom, accent],
                             [11, top + 1, i === 0 ? round : accent], [70, top + 1, i === 0 ? round : accent],
                             [11, bottom - 1, i === 2 ? round : accent], [70, bottom - 1, i === 2 ? round : accent]]),
                      3000, "entry " + i + " highlighted");
        });
    }
}
