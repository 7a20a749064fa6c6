import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "PictureSelectors"
    when: windowShown
    visible: true
    width: 900
    height: 700

    property int boundIndex: 2

    ListModel { id: threeRows; ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "Small details" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "Quick" } ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "Slow" } }

    Component { id: hComponent; ZelkHComboBox { model: threeRows } }
    Component { id: vComponent; ZelkVComboBox {} }

    function cleanup() { TestSupport.setAnimationStep(0); }

    function tiles(selector) { return [0, 1, 2].map(function(i) { return findChild(selector, "tile" + i); }); }

    // Every tile lies in the tray, clear of its margins; the V selector's own pictures resolve
    // wherever the module is installed. A click replaces whatever binding the host had.
    function test_click_data() {
        return [ { tag: "H", make: hComponent }, { tag: "V", make: vComponent } ];
    }

    function test_click(data) {
        boundIndex = 2;
        var selector = createTemporaryObject(data.make, testCase, { currentIndex: Qt.binding(function() { return testCase.boundIndex; }) });
        verify(TestSupport.grab(selector), "drawn");
        // A missing tile fails at its first use.
        tiles(selector).forEach(function(tile, i) {
            var at = tile.mapToItem(selector, 0, 0), m = selector.margins;
            verify(at.x >= m && at.y >= m && at.x + tile.width <= selector.width - m && at.y + tile.height <= selector.height - m,
                   "tile " + i + " at " + at);
            if (data.tag === "V")
                tryCompare(tile.children[1], "status", Image.Ready);
        });
        mouseClick(tiles(selector)[0], 100, 40);
        boundIndex = 1;
        compare(selector.currentIndex, 0);
    }

    // The H selector cross-fades in 200 ms, counted in frames of 16 ms: both
    // plates show while the fade runs, then the new tile alone is lit; the old
    // one's description turns grey, not back to the dim grey of a tile never chosen.
    function test_hFade() {
        var selector = createTemporaryObject(hComponent, testCase), t = tiles(selector), frames = 0;
        var plate = function(i) { return t[i].children[0].children[0]; };
        tryCompare(plate(1), "opacity", 1);
        plate(2).opacityChanged.connect(function() { ++frames; });
        TestSupport.setAnimationStep(16);
        selector.currentIndex = 2;
        verify(plate(1).visible && plate(2).visible && plate(2).opacity < 1, "both plates show while it fades");
        for (var i = 0; i < 3; ++i) {
            tryCompare(plate(i), "opacity", i === 2 ? 1 : 0);
            tryCompare(plate(i), "visible", i === 2);
            tryVerify(function() { return Qt.colorEqual(t[i].children[1].color, ["#676767", "#9b9b9b", "#fdfdfd"][i]); }, 2000, "description of tile " + i);
        }
        compare(frames, Math.ceil(200 / 16));
    }
}
