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
    // is checked without timing them, and counts the frames each phase takes.
    // start() after a state change skips its unseen jump to the end values and back.
    function track(panel) {
        var t = { item: findChild(panel, "expandedItem"), mask: findChild(panel, "realBackgroundOpacityMask"), samples: [] };
        t.start = function() { t.samples = []; t.resizes = 0; t.fades = 0; t.started = true; };
        var record = function(counter) { return function() {
            if (t.started)
                t.samples.push({ width: t.item.width, opacity: t.mask.opacity, visible: t.item.visible });
            t[counter] += 1;
        }; };
        t.item.widthChanged.connect(record("resizes"));
        t.mask.opacityChanged.connect(record("fades"));
        t.item.visibleChanged.connect(record("shows"));
        // The background fades in only at full size, and out before it shrinks.
        t.inOrder = function(s) { return s.opacity === 0 || s.width === 350; };
        t.settle = function(expanded) {
            tryCompare(panel.contentParent, "opacity", expanded ? 1 : 0);
            tryCompare(t.item, "visible", expanded);
            compare([t.item.width, t.item.height, t.mask.opacity], expanded ? [350, 475, 1] : [64, 64, 0]);
        };
        return t;
    }

    // The outline grows (200 ms), then the background fades in (100 ms); on
    // the way back it fades out, shrinks, then hides. Counted in frames of 16 ms.
    function test_expandAndCollapse() {
        var panel = createTemporaryObject(panelComponent, testCase);
        var t = track(panel);
        TestSupport.setAnimationStep(16);
        [[40, 40, true], [308, 42, false]].forEach(function(click) {  // the icon, then the back button
            mouseClick(panel, click[0], click[1]);
            t.start();
            t.settle(click[2]);
            verify(t.samples.every(function(s) { return t.inOrder(s) && (s.visible || (!click[2] && s.width === 64)); }));
            compare([t.resizes, t.fades], [Math.ceil(200 / 16), Math.ceil(100 / 16)]);
        });
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
        var t = track(panel), target = t[data.target], reached = -1;
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
        t.settle(false);
        verify(t.samples.every(function(s) { return s[data.property] <= reached && t.inOrder(s); }), "no jump back");
        panel.expanded = true;
        t.settle(true);
    }

    // The end values live in the state, so a panel created expanded shows expanded.
    function test_createdExpanded() {
        track(createTemporaryObject(panelComponent, testCase, { expanded: true })).settle(true);
    }
}
