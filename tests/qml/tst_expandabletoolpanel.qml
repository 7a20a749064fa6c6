import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "ExpandableToolPanel"
    when: windowShown
    visible: true
    width: 400
    height: 500

    Component { id: panelComponent; ZelkExpandableToolPanel {} }

    function cleanup() {
        TestSupport.setAnimationStep(0);
    }

    // Samples the animated values on each change, so the order of the phases
    // is checked without timing them, and counts the frames each phase takes
    // (`resizes`, `fades`). start() after a state change skips its unseen
    // jump to the end values and back.
    function track(panel) {
        var t = { item: findChild(panel, "expandedItem"), mask: findChild(panel, "realBackgroundOpacityMask"),
                  content: panel.contentParent, samples: [], started: false };
        t.start = function() { t.samples = []; t.resizes = 0; t.fades = 0; t.started = true; };
        var record = function() {
            if (t.started)
                t.samples.push({ width: t.item.width, opacity: t.mask.opacity, visible: t.item.visible });
        };
        [t.item.widthChanged, t.mask.opacityChanged, t.item.visibleChanged].forEach(function(s) { s.connect(record); });
        t.item.widthChanged.connect(function() { ++t.resizes; });
        t.mask.opacityChanged.connect(function() { ++t.fades; });
        return t;
    }

    function settled(t, expanded) {
        tryCompare(t.content, "opacity", expanded ? 1 : 0);
        tryCompare(t.item, "visible", expanded);
        compare([t.item.width, t.item.height, t.mask.opacity], expanded ? [350, 475, 1] : [64, 64, 0]);
    }

    // The outline grows first (200 ms) and the background fades in (100 ms)
    // at full size; on the way back it fades out at full size, then shrinks,
    // then hides. Counted in frames of 16 ms.
    function test_expandAndCollapse() {
        var panel = createTemporaryObject(panelComponent, testCase);
        var t = track(panel);
        TestSupport.setAnimationStep(16);
        mouseClick(panel, 40, 40);
        t.start();
        settled(t, true);
        verify(t.samples.every(function(s) { return s.visible && (s.opacity === 0 || s.width === 350); }));
        compare([t.resizes, t.fades], [Math.ceil(200 / 16), Math.ceil(100 / 16)]);
        mouseClick(panel, 308, 42);  // the back button at the title bar's right end
        t.start();
        settled(t, false);
        verify(t.samples.every(function(s) { return (s.opacity === 0 || s.width === 350) && (s.visible || s.width === 64); }));
        compare([t.resizes, t.fades], [Math.ceil(200 / 16), Math.ceil(100 / 16)]);
    }

    // A change of mind mid-way continues from the values reached so far,
    // without a jump to either end, and the panel can still open again.
    function test_interrupt_data() {
        return [
            { tag: "while growing", target: "item", property: "width", past: 150, full: 350 },
            { tag: "while fading in", target: "mask", property: "opacity", past: 0.2, full: 1 }
        ];
    }

    function test_interrupt(data) {
        var panel = createTemporaryObject(panelComponent, testCase);
        var t = track(panel);
        var target = t[data.target];
        var reached = -1;
        target[data.property + "Changed"].connect(function() {
            if (t.started && reached < 0 && target[data.property] > data.past) {
                reached = 0;
                // From the event loop, as a user's click would come.
                Qt.callLater(function() { reached = target[data.property]; panel.expanded = false; t.start(); });
            }
        });
        panel.expanded = true;
        t.start();
        tryVerify(function() { return reached > 0; }, 2000);
        verify(reached < data.full);
        settled(t, false);
        verify(t.samples.every(function(s) { return s[data.property] <= reached && (s.opacity === 0 || s.width === 350); }),
               "no jump back, and it fades out before it shrinks");
        panel.expanded = true;
        settled(t, true);
    }

    // The misspelt name and the right one are one property: either recolours the frame.
    function test_frameColour_data() {
        return [
            { tag: "expanedFrameColor", set: "expanedFrameColor", other: "expandedFrameColor" },
            { tag: "expandedFrameColor", set: "expandedFrameColor", other: "expanedFrameColor" }
        ];
    }

    function test_frameColour(data) {
        var panel = createTemporaryObject(panelComponent, testCase, { expanded: true });
        verify(Qt.colorEqual(panel[data.other], "#343434"));
        panel[data.set] = "#ff0000";
        verify(Qt.colorEqual(panel[data.other], "#ff0000"), data.other + " follows");
        // The middle of the frame's left edge, 10 px in from the panel's.
        tryVerify(function() { return TestSupport.grab(panel) && TestSupport.near(TestSupport.pixel(panel, 11, 240), "#ff0000", 8); },
                  2000, "the frame is drawn in the new colour");
    }

    // The end values live in the state, so a panel created expanded shows expanded.
    function test_createdExpanded() {
        settled(track(createTemporaryObject(panelComponent, testCase, { expanded: true })), true);
    }
}
