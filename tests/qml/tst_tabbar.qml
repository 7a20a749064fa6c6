import QtQuick 2.9
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

    Component { id: tabBarComponent; ZelkTabBar { x: 10; y: 10 } }

    function cleanup() { TestSupport.setAnimationStep(0); }

    // The plate slides to the clicked tab in a tenth of a second: counted in
    // frames of 16 ms, so that a slow machine cannot stretch it.
    function test_click_data() {
        return [
            { tag: "another tab", click: 1, name: "Accuracy Diagnostic", changes: 1, frames: Math.ceil(100 / 16) },
            { tag: "the current tab", click: 0, name: "Calibration", changes: 0, frames: 0 }
        ];
    }

    function test_click(data) {
        var bar = createTemporaryObject(tabBarComponent, testCase), plate = bar.children[1], changes = 0, frames = 0;
        bar.currentIndexChanged.connect(function() { ++changes; });
        plate.xChanged.connect(function() { ++frames; });
        verify(TestSupport.grab(bar), "drawn");
        TestSupport.setAnimationStep(16);
        mouseClick(bar, bar.tabWidth * (data.click + 0.5), bar.height / 2);
        compare([bar.currentIndex, bar.currentTabName, changes], [data.click, data.name, data.changes]);
        var left = bar.tabWidth * data.click;
        tryCompare(plate, "x", left);
        compare(frames, data.frames);
        // Away from the glyphs: the plate's gradient, and its frame in the theme colour.
        tryVerify(function() {
            return TestSupport.grab(bar) && TestSupport.near(TestSupport.pixel(bar, left + 20, 6), "#1f1f1f", 12)
                && TestSupport.near(TestSupport.pixel(bar, left + 1, 27), ZelkDesign.themeColor, 12);
        }, 5000, "the plate drawn under the current tab");
        // The plate follows a change of width; without tabs none is current.
        bar.width = 300;
        tryCompare(plate, "x", 150 * data.click);
        bar.tabs = [];
        compare([bar.count, bar.tabWidth, bar.currentTabName], [0, 0, ""]);
    }
}
