import QtQuick 2.9
import QtQuick.Controls 2.3
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// The wizard as the user meets it: the real main window, ticks and clicks.
TestCase {
    id: testCase
    name: "Wizard"
    when: windowShown

    Component {
        id: mainViewComponent
        MainView {}
    }

    SignalSpy {
        id: finishedSpy
        signalName: "finished"
    }

    readonly property var allDevices: ["Corvex-A1", "Corvex-A2", "Corvex-B1", "Corvex-B2", "Corvex-C1", "Corvex-C2"]

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        verify(window);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
    }

    function item(window, name) {
        var found = findChild(window.contentItem, name);
        verify(found, name);
        return found;
    }

    function pressNext(window) {
        mouseClick(item(window, "selectNextButton"));
    }

    function test_selection_data() {
        return [
            { tag: "third then first", ticks: [2, 0], selected: ["Corvex-A1", "Corvex-B1"] },
            { tag: "ticked and unticked", ticks: [1, 4, 1], selected: ["Corvex-C1"] },
            { tag: "all six backwards", ticks: [5, 4, 3, 2, 1, 0], selected: allDevices }
        ];
    }

    function test_selection(data) {
        var window = createWindow();
        var page = item(window, "selectDeviceView");
        data.ticks.forEach(function(row) { mouseClick(item(window, "deviceCheckBox" + row)); });
        pressNext(window);
        compare(page.selectedDevices, data.selected);
        var swipe = item(window, "swipeView");
        compare(swipe.currentIndex, 1);
        compare(item(window, "indicator").currentIndex, 1);
        var steps = item(window, "deviceStepPage");
        tryCompare(steps, "status", Loader.Ready);
        compare(steps.item.devices, data.selected);
        compare(steps.item.currentStep, 0);
    }

    function test_nothingTickedWarns() {
        var window = createWindow();
        var warning = findChild(item(window, "selectDeviceView"), "warningDialog");
        verify(warning);
        verify(!warning.visible);
        pressNext(window);
        tryCompare(warning, "opened", true);
        compare(warning.title, "Warning");
        compare(warning.message, "You haven't select any devices!");
        compare(item(window, "selectDeviceView").selectedDevices, []);
        // Sized by its user and its content, centred in the window.
        var ok = findChild(warning.contentItem, "warningOkButton");
        verify(ok);
        compare(warning.width, 400);
        var label = findChild(warning.contentItem, "messageLabel");
        tryCompare(warning, "height", label.height + ok.height + 150);
        compare(warning.x, (window.width - warning.width) / 2);
        compare(warning.y, (window.height - warning.height) / 2);
        // A press on the backdrop does not close it.
        mouseClick(window.contentItem, 20, 20);
        verify(warning.opened);
        mouseClick(ok);
        tryCompare(warning, "visible", false);
        compare(item(window, "swipeView").currentIndex, 0);
        compare(item(window, "deviceStepPage").status, Loader.Null);
    }

    function openSteps(rows) {
        var window = createWindow();
        rows.forEach(function(row) { mouseClick(item(window, "deviceCheckBox" + row)); });
        pressNext(window);
        var loader = item(window, "deviceStepPage");
        tryCompare(loader, "status", Loader.Ready);
        var view = loader.item;
        tryCompare(item(window, "swipeView").contentItem, "moving", false);
        waitForRendering(window.contentItem);
        finishedSpy.target = view;
        finishedSpy.clear();
        return view;
    }

    function tab(view, i) {
        var found = findChild(view, "deviceTab" + i);
        verify(found, "tab " + i);
        return found;
    }

    // The current tab is shaded, outlined and labelled in the theme colour; the others are not.
    function verifyCurrent(view, current, count) {
        var shade = findChild(view.realHeaderItem, "currentTabShade");
        compare(shade.x, view.tabWidth * current);
        for (var i = 0; i < count; ++i) {
            var t = tab(view, i);
            compare(findChild(t, "tabOutline").visible, i === current, "outline of tab " + i);
            compare(findChild(t, "tabLabel").color, i === current ? "#2e91ed" : "#e5e5e5", "label of tab " + i);
        }
        tryVerify(function() {
            TestSupport.grab(view);
            var shaded = TestSupport.average(view, view.tabWidth * current + 10, 40, 10, 10);
            var other = TestSupport.average(view, view.tabWidth * ((current + 1) % count) + 10, 40, 10, 10);
            return count === 1 || (shaded.r < 0.06 && other.r > shaded.r + 0.03);
        }, 3000, "the dark shade lies under tab " + current);
    }

    function test_threeDevices() {
        var view = openSteps([0, 2, 4]);
        compare(view.devices, ["Corvex-A1", "Corvex-B1", "Corvex-C1"]);
        for (var i = 0; i < 3; ++i) {
            compare(tab(view, i).width, view.width / 3);
            compare(tab(view, i).x, i * view.width / 3);
        }
        verifyCurrent(view, 0, 3);
        var next = findChild(view, "stepNextButton");
        mouseClick(next);
        verifyCurrent(view, 1, 3);
        mouseClick(next);
        verifyCurrent(view, 2, 3);
        compare(finishedSpy.count, 0);
        mouseClick(next);
        compare(finishedSpy.count, 1);
        compare(view.currentStep, 2);
        mouseClick(next);
        compare(finishedSpy.count, 2);
    }

    function test_clickingATabJumps() {
        var view = openSteps([0, 1, 2]);
        mouseClick(tab(view, 1));
        verifyCurrent(view, 1, 3);
        mouseClick(findChild(view, "stepNextButton"));
        verifyCurrent(view, 2, 3);
        mouseClick(tab(view, 0));
        verifyCurrent(view, 0, 3);
        compare(finishedSpy.count, 0);
    }

    // Rounded corners leave the window's background at the header's corners;
    // a square outline would draw its grey line through them.
    function cornerIsRound(view, x) {
        return TestSupport.near(TestSupport.pixel(view, x, 1), TestSupport.pixel(view, x, -6), 6);
    }

    function test_outlineCorners_data() {
        return [
            { tag: "one device", rows: [3], current: 0, left: true, right: true },
            { tag: "first of three", rows: [0, 1, 2], current: 0, left: true, right: false },
            { tag: "middle of three", rows: [0, 1, 2], current: 1, left: false, right: false },
            { tag: "last of three", rows: [0, 1, 2], current: 2, left: false, right: true }
        ];
    }

    function test_outlineCorners(data) {
        var view = openSteps(data.rows);
        view.currentStep = data.current;
        var t = tab(view, data.current);
        compare(t.width, view.width / data.rows.length);
        tryVerify(function() {
            TestSupport.grab(view);
            return cornerIsRound(view, t.x + 1) === data.left && cornerIsRound(view, t.x + t.width - 2) === data.right;
        }, 3000, "corners of tab " + data.current);
        if (data.rows.length === 1) {
            mouseClick(findChild(view, "stepNextButton"));
            compare(finishedSpy.count, 1);
        }
    }
}
