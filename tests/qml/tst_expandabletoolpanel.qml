import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

TestCase {
    id: testCase
    name: "ExpandableToolPanel"
    when: windowShown
    visible: true
    width: 400
    height: 500

    Component {
        id: panelComponent
        ZelkExpandableToolPanel {
            icon: "qrc:/images/cross.png"
        }
    }

    Component { id: probe; Rectangle { anchors.fill: parent; color: "red" } }

    // Follows the animated values frame by frame through their change signals,
    // so the order of the phases is checked without timing them. A state
    // change first sets and resets the end values at once, unseen; call
    // start() after it to follow only the frames.
    function track(panel) {
        var t = {
            item: findChild(panel, "expandedItem"),
            mask: findChild(panel, "realBackgroundOpacityMask"),
            content: panel.contentParent,
            samples: [],
            started: false,
            start: function() { t.samples = []; t.started = true; }
        };
        var record = function() {
            if (t.started)
                t.samples.push({ width: t.item.width, height: t.item.height, opacity: t.mask.opacity,
                             visible: t.item.visible });
        };
        t.item.widthChanged.connect(record);
        t.mask.opacityChanged.connect(record);
        t.item.visibleChanged.connect(record);
        return t;
    }

    function verifyCollapsed(t) {
        tryCompare(t.item, "visible", false, 2000);
        compare([t.item.width, t.item.height, t.mask.opacity, t.content.opacity], [64, 64, 0, 0]);
    }

    function verifyExpanded(t) {
        tryCompare(t.content, "opacity", 1, 2000);
        compare([t.item.width, t.item.height, t.mask.opacity, t.item.visible], [350, 475, 1, true]);
    }

    function test_expandAndCollapse_data() {
        return [ { tag: "by clicks", clicks: true }, { tag: "by the property", clicks: false } ];
    }

    function test_expandAndCollapse(data) {
        var panel = createTemporaryObject(panelComponent, testCase);
        compare([panel.width, panel.height], [350, 475]);
        var t = track(panel);
        verify(!t.item.visible);

        if (data.clicks)
            mouseClick(panel, 40, 40);
        else
            panel.expanded = true;
        t.start();
        verify(panel.expanded);
        verifyExpanded(t);
        // The outline grows first; the background fades in only at full size.
        t.samples.forEach(function(s) {
            verify(s.visible);
            if (s.opacity > 0)
                compare([s.width, s.height], [350, 475]);
        });
        verify(t.samples.some(function(s) { return s.width > 64 && s.width < 350; }), "the growth is animated");

        if (data.clicks)
            mouseClick(panel, 308, 42);  // the back button at the title bar's right end
        else
            panel.expanded = false;
        t.start();
        verify(!panel.expanded);
        verifyCollapsed(t);
        // Fades out at full size, then shrinks, then hides.
        t.samples.forEach(function(s) {
            if (s.width < 350)
                compare(s.opacity, 0);
            if (!s.visible)
                compare(s.width, 64);
        });
        verify(t.samples.some(function(s) { return s.opacity > 0 && s.opacity < 1; }), "the fade is animated");
    }

    // A change of mind mid-way continues from the values reached so far,
    // without a jump to either end.
    function test_interruptGrowth() {
        var panel = createTemporaryObject(panelComponent, testCase);
        var t = track(panel);
        var reached = -1;
        var asked = false;
        // From the event loop, as a user's click would come.
        var interrupt = function() {
            reached = t.item.width;
            panel.expanded = false;
            t.start();
        };
        t.item.widthChanged.connect(function() {
            if (t.started && !asked && t.item.width > 150) {
                asked = true;
                Qt.callLater(interrupt);
            }
        });
        panel.expanded = true;
        t.start();
        tryVerify(function() { return reached > 0; }, 2000);
        verify(reached < 350);
        verifyCollapsed(t);
        t.samples.forEach(function(s) {
            verify(s.width <= reached, "no jump back to full size: " + s.width);
            compare(s.opacity, 0);
        });
    }

    function test_interruptFade() {
        var panel = createTemporaryObject(panelComponent, testCase);
        var t = track(panel);
        var reached = -1;
        var asked = false;
        var interrupt = function() {
            reached = t.mask.opacity;
            panel.expanded = false;
            t.start();
        };
        t.mask.opacityChanged.connect(function() {
            if (t.started && !asked && t.mask.opacity > 0.2) {
                asked = true;
                Qt.callLater(interrupt);
            }
        });
        panel.expanded = true;
        t.start();
        tryVerify(function() { return reached > 0; }, 2000);
        verify(reached < 1);
        verifyCollapsed(t);
        compare(t.samples[0].width, 350, "the fade out starts at full size");
        t.samples.forEach(function(s) {
            verify(s.opacity <= reached, "no jump to full opacity: " + s.opacity);
            if (s.width < 350)
                compare(s.opacity, 0);
        });

        // And back again.
        panel.expanded = true;
        verifyExpanded(t);
    }

    function test_createdExpanded() {
        var panel = createTemporaryObject(panelComponent, testCase, { expanded: true });
        verifyExpanded(track(panel));
    }

    function test_contentArea() {
        var panel = createTemporaryObject(panelComponent, testCase);
        var content = createTemporaryObject(probe, panel.contentParent);
        compare(content.opacity, 1);
        panel.expanded = true;
        verifyExpanded(track(panel));
        var box = content.mapToItem(panel, 0, 0, content.width, content.height);
        compare([box.x, box.y, box.width, box.height], [32, 96, 286, 347]);
        panel.expanded = false;
        tryCompare(panel.contentParent, "opacity", 0, 2000);
        verify(content, "collapsing keeps the content");
    }

    // The panel's icon stays on the tile's square, which is the title bar's left end.
    function test_iconStays() {
        var panel = createTemporaryObject(panelComponent, testCase, { expanded: true });
        var icon = null;
        for (var i = 0; i < panel.children.length; ++i)
            if (String(panel.children[i].source) === "qrc:/images/cross.png")
                icon = panel.children[i];
        verify(icon);
        verifyExpanded(track(panel));
        verify(icon.visible);
        // Anchoring snaps an odd-sized image to whole pixels.
        fuzzyCompare(icon.x + icon.width / 2, 42, 0.5);
        fuzzyCompare(icon.y + icon.height / 2, 42, 0.5);
    }

    function test_chevron() {
        var points = Paths.chevronLeft(17.8, 25.6, 4).map(function(c) {
            return [Math.round(c[1] * 100) / 100, Math.round(c[2] * 100) / 100];
        });
        compare(points, [[13.8, 4], [4, 12.8], [13.8, 21.6]]);
    }
}
