import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "PictureSelectors"
    when: windowShown
    visible: true
    width: 900
    height: 700

    ListModel {
        id: threeRows
        ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "Small details" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "Quick" }
        ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "Slow" }
    }

    ListModel { id: oneRow; ListElement { icon: ""; label: "Only"; description: "" } }
    ListModel { id: noRows }

    Component { id: hComponent; ZelkHComboBox {} }
    Component { id: vComponent; ZelkVComboBox {} }

    Component {
        id: boundComponent
        Item {
            property int source: 0
            property alias selector: selector
            ZelkVComboBox { id: selector; currentIndex: parent.source }
        }
    }

    function tiles(selector) {
        var repeater = selector.children[selector.children.length - 1];
        var list = [];
        for (var i = 0; i < repeater.count; ++i)
            list.push(repeater.itemAt(i));
        return list;
    }

    function test_sizes_data() {
        return [
            { tag: "H three", type: "H", model: threeRows, props: {}, width: 638, height: 344 },
            { tag: "H three, no descriptions", type: "H", model: threeRows, props: { descriptionVisible: false }, width: 638, height: 226 },
            { tag: "H one", type: "H", model: oneRow, props: {}, width: 226, height: 344 },
            { tag: "H empty", type: "H", model: noRows, props: {}, width: 20, height: 344 },
            { tag: "V default model", type: "V", model: null, props: {}, width: 224, height: 452 },
            { tag: "V one", type: "V", model: oneRow, props: {}, width: 224, height: 164 },
            { tag: "V empty", type: "V", model: noRows, props: {}, width: 224, height: 20 }
        ];
    }

    function test_sizes(data) {
        var props = data.props;
        if (data.model)
            props.model = data.model;
        var selector = createTemporaryObject(data.type === "H" ? hComponent : vComponent, testCase, props);
        compare(selector.width, data.width);
        compare(selector.height, data.height);
    }

    function test_growsWithModel() {
        var model = createTemporaryObject(noRowsComponent, testCase);
        var selector = createTemporaryObject(hComponent, testCase, { model: model });
        compare(selector.width, 20);
        model.append({ icon: "", label: "A", description: "" });
        model.append({ icon: "", label: "B", description: "" });
        compare(selector.width, 432);
        compare(tiles(selector).length, 2);
        compare(tiles(selector)[1].x, 216);
    }

    Component { id: noRowsComponent; ListModel {} }

    function test_vDefaultModelPictures() {
        var selector = createTemporaryObject(vComponent, testCase);
        var t = tiles(selector);
        compare(t.length, 3);
        var labels = [];
        for (var i = 0; i < 3; ++i) {
            labels.push(t[i].children[2].text);
            tryCompare(t[i].children[1], "status", Image.Ready);
            compare(t[i].children[1].sourceSize, Qt.size(51, 58));
        }
        compare(labels, ["High Detail", "Medium Detail", "Low Detail"]);
    }

    function test_click_data() {
        return [
            { tag: "H other tile", type: "H", click: 2, index: 2 },
            { tag: "H current tile", type: "H", click: 1, index: 1 },
            { tag: "V other tile", type: "V", click: 0, index: 0 },
            { tag: "V current tile", type: "V", click: 1, index: 1 }
        ];
    }

    function test_click(data) {
        var selector = createTemporaryObject(data.type === "H" ? hComponent : vComponent, testCase, { model: threeRows });
        var changes = createTemporaryObject(spyComponent, testCase, { target: selector, signalName: "currentIndexChanged" });
        waitForRendering(selector);
        var tile = tiles(selector)[data.click];
        mouseClick(tile, tile.width / 2, 40);
        compare(selector.currentIndex, data.index);
        compare(changes.count, data.click === 1 ? 0 : 1);
    }

    Component { id: spyComponent; SignalSpy {} }

    // A click is the user's choice: it replaces whatever binding the host had.
    function test_clickReplacesBinding() {
        var host = createTemporaryObject(boundComponent, testCase);
        host.source = 2;
        compare(host.selector.currentIndex, 2);
        waitForRendering(host.selector);
        var tile = tiles(host.selector)[0];
        mouseClick(tile, tile.width / 2, tile.height / 2);
        compare(host.selector.currentIndex, 0);
        host.source = 1;
        compare(host.selector.currentIndex, 0);
    }

    function test_vPlateFollowsAtOnce() {
        var selector = createTemporaryObject(vComponent, testCase);
        var t = tiles(selector);
        verify(t[1].children[0].visible);
        verify(!t[0].children[0].visible);
        verify(Qt.colorEqual(t[1].children[2].color, "#fdfdfd"));
        selector.currentIndex = 0;
        verify(t[0].children[0].visible);
        verify(!t[1].children[0].visible);
        verify(Qt.colorEqual(t[1].children[2].color, "#9b9b9b"));
        selector.currentIndex = -1;
        for (var i = 0; i < 3; ++i)
            verify(!t[i].children[0].visible);
    }

    // The H selector's cross-fade: where each tile's plate and texts end up.
    function test_hFade_data() {
        return [
            { tag: "initial tile fades in", start: 1, to: 1, lit: [false, true, false], descriptions: ["#676767", "#fdfdfd", "#676767"] },
            { tag: "cross-fade", start: 1, to: 2, lit: [false, false, true], descriptions: ["#676767", "#9b9b9b", "#fdfdfd"] },
            { tag: "no tile", start: 0, to: -1, lit: [false, false, false], descriptions: ["#9b9b9b", "#676767", "#676767"] }
        ];
    }

    function test_hFade(data) {
        var selector = createTemporaryObject(hComponent, testCase, { model: threeRows, currentIndex: data.start });
        var t = tiles(selector);
        var startPlate = t[data.start].children[0].children[0];
        tryCompare(startPlate, "opacity", 1, 2000);
        selector.currentIndex = data.to;
        for (var i = 0; i < 3; ++i) {
            var plate = t[i].children[0].children[0];
            var label = t[i].children[0].children[2];
            var description = t[i].children[1];
            tryCompare(plate, "opacity", data.lit[i] ? 1 : 0, 2000);
            tryCompare(plate, "visible", data.lit[i], 2000);
            tryVerify(function() { return Qt.colorEqual(label.color, data.lit[i] ? "#fdfdfd" : "#9b9b9b"); }, 2000, "label " + i);
            tryVerify(function() { return Qt.colorEqual(description.color, data.descriptions[i]); }, 2000, "description " + i);
        }
    }

    function test_hFadeTakesTime() {
        var selector = createTemporaryObject(hComponent, testCase, { model: threeRows });
        var t = tiles(selector);
        var oldPlate = t[1].children[0].children[0];
        var newPlate = t[0].children[0].children[0];
        tryCompare(oldPlate, "opacity", 1, 2000);
        selector.currentIndex = 0;
        // Both plates show while the fade runs.
        verify(newPlate.visible);
        verify(oldPlate.visible);
        verify(newPlate.opacity < 1);
        tryCompare(oldPlate, "visible", false, 2000);
    }
}
