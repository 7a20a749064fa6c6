import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "catalogue.js" as Catalogue

TestCase {
    id: testCase
    name: "Notations"
    when: windowShown
    visible: true
    width: 700
    height: 400

    Rectangle { anchors.fill: parent; color: "#101010" }

    Component { id: groupComponent; ZelkArrowButtonGroup {} }

    // Grabs afresh: the outlines are canvases, painted a frame or two after a change.
    function shows(item, x, y, colour, tolerance) {
        return TestSupport.grab(item) && TestSupport.near(TestSupport.pixel(item, x, y), colour, tolerance);
    }

    function buttons(names) {
        return createTemporaryQmlObject("import QtQuick 2.9; " + Catalogue.listModel(names.map(function(name) { return { buttonLabel: name, buttonName: name.toLowerCase() }; })), testCase);
    }

    function cleanup() {
        TestSupport.setAnimationStep(0);
    }

    // The plate slides to the button clicked in 100 ms, counted in frames of
    // 16 ms; the index is current when the click is heard, also when unchanged.
    function test_clickOrder_data() {
        return [
            { tag: "another button", start: 0, button: 2, heard: ["index 2", "turntable at 2"], frames: Math.ceil(100 / 16) },
            { tag: "the current one", start: 1, button: 1, heard: ["handheld at 1"], frames: 0 }
        ];
    }

    function test_clickOrder(data) {
        var control = createTemporaryObject(groupComponent, testCase, { model: buttons(["Fixed", "Handheld", "Turntable"]), currentIndex: data.start });
        var heard = [], frames = 0, plate = findChild(control, "currentBackRect");
        control.currentIndexChanged.connect(function() { heard.push("index " + control.currentIndex); });
        control.clicked.connect(function(name) { heard.push(name + " at " + control.currentIndex); });
        plate.xChanged.connect(function() { ++frames; });
        TestSupport.setAnimationStep(16);
        mouseClick(control, 206 * data.button + 10, 40);
        compare(heard, data.heard);
        tryCompare(plate, "x", 206 * data.button);
        compare(frames, data.frames);
        compare(findChild(control, "button" + data.button).color, ZelkDesign.themeColor);
        // The pointer above the buttons is on the plate, not on a button.
        mouseClick(control, 100, 8);
        compare(heard.length, data.heard.length);
    }

    // The model arrives after the plate is first shown, then shrinks: the outline follows.
    function test_groupPixels() {
        var control = createTemporaryObject(groupComponent, testCase, { x: 30, y: 100 });
        compare(control.width, 0);
        waitForRendering(control);
        control.model = buttons(["Fixed", "Handheld", "Turntable"]);
        control.currentIndex = 1;
        tryVerify(function() { return shows(control, 500, 17, "#676767", 16); }, 5000, "frame along the top edge");
        verify(shows(control, 309, 10, "#202020", 24), "inside the pointer");
        tryVerify(function() { return shows(control, 207, 44, ZelkDesign.themeColor, 16); }, 5000, "highlight border on the current button");
        control.model = buttons(["Coarse", "Fine"]);
        control.currentIndex = 0;
        tryVerify(function() { return shows(control, 410, 44, "#676767", 24); }, 5000, "frame at the new right edge");
        verify(shows(control, 206, 4, "#202020", 24), "the pointer moved to the new centre");
    }
}
