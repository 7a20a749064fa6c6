import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "Notations"
    when: windowShown
    visible: true
    width: 700
    height: 400

    Rectangle { anchors.fill: parent; color: "#101010" }

    Component { id: arrowNotationComponent; ZelkArrowNotation {} }
    Component { id: rectNotationComponent; ZelkRectNotation {} }
    Component { id: customComponent; Item {} }

    ListModel {
        id: threeButtons
        ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" }
        ListElement { buttonLabel: "Turntable"; buttonName: "turntable" }
    }

    ListModel {
        id: twoButtons
        ListElement { buttonLabel: "Coarse"; buttonName: "coarse" }
        ListElement { buttonLabel: "Fine"; buttonName: "fine" }
    }

    Component { id: groupComponent; ZelkArrowButtonGroup { model: threeButtons } }

    function loaders(control) {
        return ["iconLoader", "captionLoader", "messageLoader", "customLoader"].filter(function(name) {
            var loader = findChild(control, name);
            return loader && loader.active;
        });
    }

    // Grabs afresh: the outlines are canvases, painted a frame or two after a change.
    function shows(item, x, y, colour, tolerance) {
        TestSupport.grab(item);
        return TestSupport.near(TestSupport.pixel(item, x, y), colour, tolerance);
    }

    // The callout's pointer side gets the wider margin, and only at exactly 0 or 180 degrees.
    function test_layoutModes_data() {
        var arrow = arrowNotationComponent, rect = rectNotationComponent;
        return [
            { tag: "arrow: message", component: arrow, active: ["messageLoader"], place: [50, 255] },
            { tag: "arrow: pointer right", component: arrow, rotation: 180, active: ["messageLoader"], place: [25, 255] },
            { tag: "arrow: almost zero", component: arrow, rotation: 0.5, active: ["messageLoader"], place: [25, 280] },
            { tag: "rect: centred captions", component: rect, active: ["captionLoader"], place: [47.5, 200] },
            { tag: "rect: icon and custom", component: rect, active: ["iconLoader", "customLoader"], place: [25, 245] }
        ];
    }

    function test_layoutModes(data) {
        var props = { iconVisible: data.active[0] === "iconLoader", notation: "Closer" };
        if (data.rotation !== undefined)
            props.backgroundRotation = data.rotation;
        var control = createTemporaryObject(data.component, testCase, props);
        if (data.active.indexOf("customLoader") >= 0)
            control.notationItem = customComponent;
        compare(loaders(control), data.active);
        var placed = findChild(control, data.active[data.active.length - 1]);
        compare([placed.x, placed.width, placed.item.width], [data.place[0], data.place[1], data.place[1]]);
    }

    function test_arrowPixels_data() {
        return [
            { tag: "pointer left", rotation: 0, tip: 14, box: 60, outside: 20 },
            { tag: "pointer right", rotation: 180, tip: 316, box: 270, outside: 312 }
        ];
    }

    function test_arrowPixels(data) {
        var control = createTemporaryObject(arrowNotationComponent, testCase, { x: 20, y: 20, backgroundRotation: data.rotation });
        waitForRendering(control);
        // Beside the pointer, at mid-height: filled either way.
        tryVerify(function() { return shows(control, data.tip, 67, "#362e23", 40); }, 5000, "pointer tip is filled");
        verify(shows(control, data.box, 115, "#362e23", 4), "box fill");
        verify(!shows(control, data.outside, 20, "#362e23", 12), "the corner off the pointer's side is outside the box");
        verify(shows(control, 200, 9, "#f5a623", 60), "outer half of the border on the top edge");
        compare(findChild(control, "captionLoader").x, 130, "captions do not turn with the shape");
        // A colour given after the callout is shown is painted too.
        control.backgroundColor = "#203040";
        tryVerify(function() { return shows(control, data.box, 115, "#203040", 4); }, 5000, "new fill painted");
    }

    function cleanup() {
        TestSupport.setAnimationStep(0);
    }

    // The plate slides to the button clicked in 100 ms, counted in frames of 16 ms.
    function test_clickOrder_data() {
        return [
            { tag: "another button", start: 0, button: 2, heard: ["index 2", "turntable at 2"], frames: Math.ceil(100 / 16) },
            { tag: "the current one", start: 1, button: 1, heard: ["handheld at 1"], frames: 0 }
        ];
    }

    function test_clickOrder(data) {
        var group = createTemporaryObject(groupComponent, testCase, { currentIndex: data.start });
        var heard = [], frames = 0, plate = findChild(group, "currentBackRect");
        group.currentIndexChanged.connect(function() { heard.push("index " + group.currentIndex); });
        group.clicked.connect(function(name) { heard.push(name + " at " + group.currentIndex); });
        plate.xChanged.connect(function() { ++frames; });
        TestSupport.setAnimationStep(16);
        mouseClick(group, 206 * data.button + 10, 40);
        compare(heard, data.heard, "the index is current when the click is heard");
        tryCompare(plate, "x", 206 * data.button);
        compare(frames, data.frames);
        compare(findChild(group, "button" + data.button).color, ZelkDesign.themeColor);
        mouseClick(group, 206 * data.button + 190, 70);
        compare(heard.length, data.heard.length + 1, "clicked again, also when current");
        // The pointer above the buttons is on the plate, not on a button.
        mouseClick(group, 100, 8);
        compare(heard.length, data.heard.length + 1);
    }

    function test_groupPixels() {
        // The model arrives after the plate is first shown: the outline follows.
        var group = createTemporaryObject(groupComponent, testCase, { x: 30, y: 100, model: null });
        compare(group.width, 0);
        waitForRendering(group);
        group.model = threeButtons;
        group.currentIndex = 1;
        tryVerify(function() { return shows(group, 500, 17, "#676767", 16); }, 5000, "frame along the top edge");
        verify(shows(group, 309, 10, "#202020", 24), "inside the pointer");
        tryVerify(function() { return shows(group, 207, 44, ZelkDesign.themeColor, 16); }, 5000, "highlight border on the current button");
        // Fewer rows: the plate shrinks and its right edge is drawn anew.
        group.model = twoButtons;
        group.currentIndex = 0;
        tryVerify(function() { return shows(group, 410, 44, "#676767", 24); }, 5000, "frame at the new right edge");
        verify(shows(group, 206, 4, "#202020", 24), "the pointer moved to the new centre");
    }
}
