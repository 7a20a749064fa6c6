import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

// The tool bar, and the tool panel that expands beside it.
TestCase {
    id: testCase
    name: "ToolBar"
    when: windowShown
    visible: true
    width: 400
    height: 500

    // Black, so the frame's layers read as their own colours.
    Rectangle { anchors.fill: parent; color: "black" }

    Component { id: toolBar; ZelkToolBar { x: 100; y: 20 } }
    Component { id: panelComponent; ZelkExpandableToolPanel {} }

    function cleanup() { TestSupport.setAnimationStep(0); }

    // [x, y, colour] in the bar's coordinates: the well and the separators
    // between the entries at rest; then the highlight around each hovered
    // entry along its edges, its corners round (dark one pixel in) only where
    // the stack ends.
    function test_pixels() {
        var bar = createTemporaryObject(toolBar, testCase, { model: ["a", "b", "c"].map(function(name) {
            return { buttonName: name, active: true, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/StarBlue.svg" }; }) });
        var looks = function(probes) { return function() {
            return TestSupport.grab(bar) && probes.every(function(p) { return TestSupport.near(TestSupport.pixel(bar, p[0], p[1]), p[2], 12); }); }; };
        mouseMove(testCase, 395, 395);
        tryVerify(looks([[10, 100, "#676767"], [60, 71, "#434343"], [60, 133, "#434343"], [66, 120, "#171717"], [3, 100, "#000000"]]), 3000, "at rest");
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

    // The panel's outline grows (200 ms), then its background fades in
    // (100 ms); on the way back it fades out, shrinks, then hides. Each change
    // is sampled, so the order of the phases is checked without timing them,
    // and the frames of 16 ms each phase takes are counted.
    function test_panel() {
        var panel = createTemporaryObject(panelComponent, testCase), item = findChild(panel, "expandedItem");
        var mask = findChild(panel, "realBackgroundOpacityMask"), t = { samples: [] }, record = function(counter) { return function() {
            t.samples.push({ width: item.width, opacity: mask.opacity, visible: item.visible });
            t[counter] += 1;
        }; };
        item.widthChanged.connect(record("resizes"));
        mask.opacityChanged.connect(record("fades"));
        item.visibleChanged.connect(record("shows"));
        TestSupport.setAnimationStep(16);
        [[40, 40, true], [308, 42, false]].forEach(function(click) {  // the icon, then the back button
            mouseClick(panel, click[0], click[1]);
            // After the state change's unseen jump to the end values and back.
            t = { samples: [], resizes: 0, fades: 0 };
            tryCompare(panel.contentParent, "opacity", click[2] ? 1 : 0);
            tryCompare(item, "visible", click[2]);
            compare([item.width, item.height, mask.opacity], click[2] ? [350, 475, 1] : [64, 64, 0]);
            verify(t.samples.every(function(s) { return (s.opacity === 0 || s.width === 350) && (s.visible || (!click[2] && s.width === 64)); }));
            compare([t.resizes, t.fades], [Math.ceil(200 / 16), Math.ceil(100 / 16)]);
        });
    }
}
