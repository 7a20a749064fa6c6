import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "ToolBar"
    when: windowShown
    visible: true
    width: 400
    height: 400

    // Black, so the frame's layers read as their own colours.
    Rectangle { anchors.fill: parent; color: "black" }

    Component { id: toolBar; ZelkToolBar { x: 100; y: 20 } }
    Component { id: signalSpy; SignalSpy {} }

    function entry(name, active) {
        return { buttonName: name, active: active, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/StarBlue.svg" };
    }

    function buttonsOf(bar) {
        return Array.prototype.filter.call(bar.children, function(c) { return c.entry !== undefined; });
    }

    // Odd models leave the bar empty, or its entry disabled, without a warning;
    // only an entry whose active key is exactly true clicks, by mouse or by Space.
    function test_modelsAndClicks() {
        var bar = createTemporaryObject(toolBar, testCase, { model: [entry("a", true)] });
        bar.model = undefined;
        compare([buttonsOf(bar).length, bar.height], [0, 20]);
        bar.model = [null];
        verify(!buttonsOf(bar)[0].enabled);
        bar.model = [entry("on", true), entry("off", "yes")];
        var spy = createTemporaryObject(signalSpy, testCase, { target: bar, signalName: "clicked" });
        buttonsOf(bar).forEach(function(button) {
            mouseClick(button);
            button.forceActiveFocus();
            keyClick(Qt.Key_Space);
        });
        compare(spy.signalArguments.map(function(args) { return args[0]; }), ["on", "on"]);
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
