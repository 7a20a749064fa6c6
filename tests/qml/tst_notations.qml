import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/calloutPaths.js" as Paths
import "qrc:/ZelkDesign/private/outlinePaths.js" as OutlinePaths

TestCase {
    id: testCase
    name: "Notations"
    when: windowShown
    visible: true
    width: 700
    height: 400

    Rectangle {
        anchors.fill: parent
        color: "#101010"
    }

    Component {
        id: arrowNotationComponent
        ZelkArrowNotation {}
    }

    Component {
        id: rectNotationComponent
        ZelkRectNotation {}
    }

    Component {
        id: notationComponent
        ZelkNotation {}
    }

    Component {
        id: customComponent
        Rectangle {
            color: "#00ff00"
        }
    }

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

    ListModel {
        id: longButton
        ListElement { buttonLabel: "A label far too long to fit in one button"; buttonName: "long" }
    }

    Component {
        id: groupComponent
        ZelkArrowButtonGroup {
            model: threeButtons
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function commands(points) {
        var path = [["moveTo", points[0][0], points[0][1]]];
        for (var i = 1; i < points.length; ++i)
            path.push(["lineTo", points[i][0], points[i][1]]);
        path.push(["closePath"]);
        return path;
    }

    function test_paths_data() {
        return [
            { tag: "callout at the default size", path: Paths.callout(330, 134, 10, 25),
              points: [[10, 67], [35, 42], [35, 10], [320, 10], [320, 124], [35, 124], [35, 92]] },
            { tag: "callout with a shallow pointer", path: Paths.callout(200, 100, 0, 10),
              points: [[0, 50], [10, 40], [10, 0], [200, 0], [200, 100], [10, 100], [10, 60]] },
            { tag: "plate of three buttons", path: Paths.plate(618, 73, 0, 15, 22),
              points: [[0, 15], [298, 15], [309, 0], [320, 15], [618, 15], [618, 73], [0, 73]] },
            { tag: "plate frame inset by 2", path: Paths.plate(618, 73, 2, 15, 22),
              points: [[2, 17], [298, 17], [309, 2], [320, 17], [616, 17], [616, 71], [2, 71]] }
        ];
    }

    function test_paths(data) {
        compare(data.path, commands(data.points));
    }

    // The commands reach the canvas in order, as one closed path.
    function test_trace() {
        var calls = [];
        var ctx = {
            beginPath: function() { calls.push("begin"); },
            moveTo: function(x, y) { calls.push("move " + x + "," + y); },
            lineTo: function(x, y) { calls.push("line " + x + "," + y); },
            closePath: function() { calls.push("close"); }
        };
        OutlinePaths.trace(ctx, Paths.plate(40, 20, 0, 5, 10));
        compare(calls, ["begin", "move 0,5", "line 15,5", "line 20,0", "line 25,5", "line 40,5", "line 40,20",
                        "line 0,20", "close"]);
    }

    function loaders(control) {
        var names = ["iconLoader", "captionLoader", "messageLoader", "customLoader"];
        var active = [];
        names.forEach(function(name) {
            var loader = findChild(control, name);
            if (loader && loader.active)
                active.push(name);
        });
        return active;
    }

    function test_layoutModes_data() {
        return [
            { tag: "arrow: icon and captions", component: arrowNotationComponent, iconVisible: true, custom: false,
              active: ["iconLoader", "captionLoader"] },
            { tag: "arrow: message", component: arrowNotationComponent, iconVisible: false, custom: false,
              active: ["messageLoader"] },
            { tag: "arrow: icon and custom", component: arrowNotationComponent, iconVisible: true, custom: true,
              active: ["iconLoader", "customLoader"] },
            { tag: "arrow: custom", component: arrowNotationComponent, iconVisible: false, custom: true,
              active: ["customLoader"] },
            { tag: "rect: icon and captions", component: rectNotationComponent, iconVisible: true, custom: false,
              active: ["iconLoader", "captionLoader"] },
            { tag: "rect: captions", component: rectNotationComponent, iconVisible: false, custom: false,
              active: ["captionLoader"] },
            { tag: "rect: icon and custom", component: rectNotationComponent, iconVisible: true, custom: true,
              active: ["iconLoader", "customLoader"] },
            { tag: "rect: custom", component: rectNotationComponent, iconVisible: false, custom: true,
              active: ["customLoader"] }
        ];
    }

    function test_layoutModes(data) {
        var control = createTemporaryObject(data.component, testCase, { iconVisible: data.iconVisible, notation: "Closer" });
        if (data.custom)
            control.notationItem = customComponent;
        compare(loaders(control), data.active);
        if (!data.custom)
            return;
        var loader = findChild(control, "customLoader");
        // The callout keeps the pointer's wider margin for its custom item.
        var side = data.component === arrowNotationComponent ? 75 : 50;
        compare([loader.item.width, loader.item.height], [control.width - side, control.height - 50]);
        var destroyed = false;
        loader.item.Component.destruction.connect(function() { destroyed = true; });
        control.notationItem = null;
        tryVerify(function() { return destroyed; }, 1000, "custom item destroyed with its component");
        verify(loaders(control).indexOf("customLoader") < 0);
    }

    // The pointer's side gets the wider margin, and only at exactly 0 or 180 degrees.
    function test_messageMargins_data() {
        return [
            { tag: "pointer left", rotation: 0, x: 50, width: 330 - 75 },
            { tag: "pointer right", rotation: 180, x: 25, width: 330 - 75 },
            { tag: "other angle", rotation: 90, x: 25, width: 330 - 50 },
            { tag: "almost zero", rotation: 0.5, x: 25, width: 330 - 50 }
        ];
    }

    function test_messageMargins(data) {
        var control = createTemporaryObject(arrowNotationComponent, testCase,
                                            { iconVisible: false, backgroundRotation: data.rotation,
                                              notation: "Move the scanner a little closer to the object" });
        var loader = findChild(control, "messageLoader");
        compare([loader.x, loader.y, loader.width, loader.height], [data.x, 25, data.width, 84]);
        compare(loader.item.width, loader.width);
        verify(loader.item.lineCount > 1, "the message wraps");
        compare(loader.item.horizontalAlignment, Text.AlignHCenter);
    }

    function test_rectCaptionPlace_data() {
        return [
            { tag: "beside the icon", iconVisible: true, x: 95 },
            { tag: "centred without it", iconVisible: false, x: 47.5 }
        ];
    }

    function test_rectCaptionPlace(data) {
        var control = createTemporaryObject(rectNotationComponent, testCase, { iconVisible: data.iconVisible, notation: "ignored" });
        compare([control.width, control.height], [295, 130]);
        var loader = findChild(control, "captionLoader");
        compare([loader.x, loader.y, loader.width, loader.height], [data.x, 20, 200, 90]);
    }

    function test_arrowPixels_data() {
        return [
            { tag: "pointer left", rotation: 0, outside: [20, 20] },
            { tag: "pointer right", rotation: 180, outside: [312, 20] }
        ];
    }

    function test_arrowPixels(data) {
        var control = createTemporaryObject(arrowNotationComponent, testCase, { x: 20, y: 20, backgroundRotation: data.rotation });
        waitForRendering(control);
        // Beside the pointer, at mid-height: filled either way.
        var tipSide = data.rotation === 0 ? 14 : 316;
        tryVerify(function() {
            TestSupport.grab(control);
            return TestSupport.near(TestSupport.pixel(control, tipSide, 67), "#362e23", 40);
        }, 5000, "pointer tip is filled");
        verify(TestSupport.near(TestSupport.pixel(control, data.rotation === 0 ? 60 : 270, 115), "#362e23", 4), "box fill");
        verify(!TestSupport.near(TestSupport.pixel(control, data.outside[0], data.outside[1]), "#362e23", 12),
               "the corner off the pointer's side is outside the box");
        var edge = TestSupport.pixel(control, 200, 9);
        verify(TestSupport.near(edge, "#f5a623", 60), "outer half of the border on the top edge: " + edge);
        // Captions do not turn with the shape.
        var caption = findChild(control, "captionLoader");
        compare(caption.x, 130);
    }

    // A colour given after the callout is shown is painted too.
    function test_arrowRepaint() {
        var control = createTemporaryObject(arrowNotationComponent, testCase, { x: 20, y: 20 });
        waitForRendering(control);
        tryVerify(function() {
            TestSupport.grab(control);
            return TestSupport.near(TestSupport.pixel(control, 60, 115), "#362e23", 4);
        }, 5000);
        control.backgroundColor = "#203040";
        tryVerify(function() {
            TestSupport.grab(control);
            return TestSupport.near(TestSupport.pixel(control, 60, 115), "#203040", 4);
        }, 5000, "new fill painted");
    }

    function test_notation() {
        var control = createTemporaryObject(notationComponent, testCase, { width: 400, y: 100 });
        compare(control.height, 35);
        compare(control.order, "a.");
        verify(control.content.indexOf("Lorem ipsum") === 0);
        var area = control.children[1];
        compare(area.x, 50);
        compare(area.width, 350);
        verify(area.height > 35, "the paragraph wraps and grows");
        fuzzyCompare(area.y + area.height / 2, 17.5, 0.5);
        control.order = "b.";
        control.content = "Short";
        compare(control.children[0].text, "b.");
        compare(area.text, "Short");
        compare(area.readOnly, false);
    }

    function test_groupGeometry() {
        var group = createTemporaryObject(groupComponent, testCase);
        compare([group.width, group.height], [618, 73]);
        var rect = findChild(group, "currentBackRect");
        compare([rect.x, rect.y, rect.width, rect.height], [0, 15, 206, 58]);
        group.currentIndex = 2;
        tryCompare(rect, "x", 412, 1000);
        compare(findChild(group, "button2").color, ZelkDesign.themeColor);
        compare(findChild(group, "button0").color, "#9b9b9b");
    }

    function test_clickOrder_data() {
        return [
            { tag: "another button", start: 0, button: 2, name: "turntable" },
            { tag: "the current one", start: 1, button: 1, name: "handheld" }
        ];
    }

    function test_clickOrder(data) {
        var group = createTemporaryObject(groupComponent, testCase, { currentIndex: data.start });
        var heard = [];
        group.clicked.connect(function(name) { heard.push([name, group.currentIndex]); });
        var indexChanges = createTemporaryObject(spyComponent, testCase, { target: group, signalName: "currentIndexChanged" });
        mouseClick(group, 206 * data.button + 10, 40);
        compare(heard, [[data.name, data.button]], "the index is current when the signal is heard");
        compare(indexChanges.count, data.start === data.button ? 0 : 1);
        mouseClick(group, 206 * data.button + 190, 70);
        compare(heard.length, 2, "clicked again, also when current");
        // The pointer above the buttons is on the plate, not on a button.
        mouseClick(group, 100, 8);
        compare(heard.length, 2);
    }

    function test_groupWithoutModel() {
        var group = createTemporaryObject(groupComponent, testCase, { model: null });
        compare(group.width, 0);
        group.model = longButton;
        compare(group.width, 206);
        var label = findChild(group, "button0");
        verify(label.truncated, "a long label is elided");
        compare(label.elide, Text.ElideRight);
    }

    function test_groupPixels() {
        // The model arrives after the plate is first shown: the outline follows.
        var group = createTemporaryObject(groupComponent, testCase, { x: 30, y: 100, model: null });
        waitForRendering(group);
        group.model = threeButtons;
        group.currentIndex = 1;
        tryVerify(function() {
            TestSupport.grab(group);
            return TestSupport.near(TestSupport.pixel(group, 500, 17), "#676767", 16);
        }, 5000, "frame along the top edge");
        verify(TestSupport.near(TestSupport.pixel(group, 309, 10), "#202020", 24), "inside the pointer");
        verify(TestSupport.near(TestSupport.pixel(group, 250, 4), "#101010", 12), "beside the pointer is outside");
        tryVerify(function() {
            TestSupport.grab(group);
            return TestSupport.near(TestSupport.pixel(group, 207, 44), ZelkDesign.themeColor, 16);
        }, 5000, "highlight border on the current button");
        verify(TestSupport.near(TestSupport.pixel(group, 2, 44), "#676767", 24), "frame at the left edge");
        // Fewer rows: the plate shrinks and its right edge is drawn anew.
        group.model = twoButtons;
        group.currentIndex = 0;
        tryVerify(function() {
            TestSupport.grab(group);
            return TestSupport.near(TestSupport.pixel(group, 410, 44), "#676767", 24);
        }, 5000, "frame at the new right edge");
        verify(TestSupport.near(TestSupport.pixel(group, 206, 4), "#202020", 24), "the pointer moved to the new centre");
    }
}
