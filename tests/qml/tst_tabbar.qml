import QtQuick 2.9
import QtQuick.Controls 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "TabBar"
    when: windowShown
    visible: true
    width: 720
    height: 120

    Component {
        id: tabBarComponent
        ZelkTabBar {
            x: 10
            y: 10
        }
    }

    Component {
        id: qtTabBarComponent
        TabBar {
            width: 300
            height: 40
            ZelkTabButton { text: "One" }
            ZelkTabButton { text: "Two" }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function plateOf(bar) {
        return bar.children[1];
    }

    function test_defaults() {
        var bar = createTemporaryObject(tabBarComponent, testCase);
        compare(bar.width, 690);
        compare(bar.height, 55);
        compare(bar.count, 2);
        compare(bar.tabWidth, 345);
        compare(bar.currentTabName, "Calibration");
        compare(plateOf(bar).x, 0);
        compare(plateOf(bar).width, 345);
    }

    // The list keeps no current item of its own: its invisible highlight would
    // animate to every new tab width, syncing frames for nothing.
    function test_noHiddenHighlight() {
        var bar = createTemporaryObject(tabBarComponent, testCase);
        var list = findChild(bar, "tabListView");
        verify(list);
        bar.currentIndex = 1;
        bar.tabWidth = 200;
        compare(list.currentIndex, -1);
        verify(!list.highlightItem);
    }

    function test_click_data() {
        return [
            { tag: "second tab", tabs: ["Calibration", "Accuracy Diagnostic"], click: 1, index: 1, name: "Accuracy Diagnostic", changes: 1 },
            { tag: "current tab", tabs: ["Calibration", "Accuracy Diagnostic"], click: 0, index: 0, name: "Calibration", changes: 0 },
            { tag: "third of three", tabs: ["A", "B", "C"], click: 2, index: 2, name: "C", changes: 1 }
        ];
    }

    function test_click(data) {
        var bar = createTemporaryObject(tabBarComponent, testCase, { tabs: data.tabs });
        var spy = createTemporaryObject(spyComponent, testCase, { target: bar, signalName: "currentIndexChanged" });
        waitForRendering(bar);
        var plate = plateOf(bar);
        var start = Date.now();
        mouseClick(bar, bar.tabWidth * data.click + bar.tabWidth / 2, bar.height / 2);
        compare(bar.currentIndex, data.index);
        compare(bar.currentTabName, data.name);
        compare(spy.count, data.changes);
        var target = bar.tabWidth * data.index;
        if (data.changes > 0)
            verify(plate.x < target, "the plate slides rather than jumps");
        tryCompare(plate, "x", target, 1000);
        var elapsed = Date.now() - start;
        if (data.changes > 0)
            verify(elapsed >= 80 && elapsed < 600, "slide took " + elapsed + " ms");
    }

    function test_labelColours() {
        var bar = createTemporaryObject(tabBarComponent, testCase, { currentIndex: 1 });
        waitForRendering(bar);
        tryCompare(plateOf(bar), "x", 345);
        verify(TestSupport.grab(bar));
        // Away from the glyphs: the plate's gradient at the current tab, the dark strip elsewhere.
        verify(TestSupport.near(TestSupport.pixel(bar, 345 + 20, 6), "#1f1f1f", 12), TestSupport.pixel(bar, 345 + 20, 6));
        verify(TestSupport.near(TestSupport.pixel(bar, 345 + 1, 27), ZelkDesign.themeColor, 12), "plate frame");
        compare(bar.currentTabName, "Accuracy Diagnostic");
    }

    function test_widthFollows() {
        var bar = createTemporaryObject(tabBarComponent, testCase, { tabs: ["A", "B", "C"], currentIndex: 2 });
        compare(bar.tabWidth, 230);
        bar.width = 300;
        compare(bar.tabWidth, 100);
        tryCompare(plateOf(bar), "x", 200);
        bar.tabs = [];
        compare(bar.count, 0);
        compare(bar.tabWidth, 0);
        compare(bar.currentTabName, "");
    }

    function test_tabButton() {
        var bar = createTemporaryObject(qtTabBarComponent, testCase);
        var one = bar.itemAt(0);
        var two = bar.itemAt(1);
        waitForRendering(bar);
        compare(one.height, one.parent.height);
        verify(one.height > 0);
        compare(one.contentItem.color, "#2e91ed");
        compare(two.contentItem.color, "#747474");
        compare(one.contentItem.font.family, "Arial");
        compare(one.contentItem.font.pointSize, 15);
        mouseClick(two);
        compare(bar.currentIndex, 1);
        compare(two.contentItem.color, "#2e91ed");
        compare(one.contentItem.color, "#747474");
        compare(two.contentItem.opacity, 1.0);
        two.enabled = false;
        compare(two.contentItem.opacity, 0.3);
    }
}
