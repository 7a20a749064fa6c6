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

    Component { id: mainViewComponent; MainView {} }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
    }

    // Key events go to the window that has the keyboard.
    function activate(window) {
        window.requestActivate();
        tryVerify(function() { return window.active && window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
    }

    // Presses each key in turn and names the item holding the focus after each.
    function press(window, keys) {
        return keys.map(function(key) {
            keyClick(key);
            return window.activeFocusItem ? window.activeFocusItem.objectName : "";
        });
    }

    function repeat(key, times) {
        return Array.from({ length: times }, function() { return key; });
    }

    // A rounded corner leaves the window's background at the header's corner;
    // a square outline would draw its grey line through it.
    function cornerIsRound(view, x) {
        return TestSupport.near(TestSupport.pixel(view, x, 1), TestSupport.pixel(view, x, -6), 6);
    }

    // Only the current tab is shaded and outlined, round only where it meets
    // the pane's own corners.
    function verifyCurrent(view, current) {
        var count = view.devices.length, x = view.tabWidth * current;
        tryVerify(function() {
            TestSupport.grab(view);
            var shaded = TestSupport.average(view, x + 10, 40, 10, 10);
            var other = TestSupport.average(view, view.tabWidth * ((current + 1) % count) + 10, 40, 10, 10);
            return shaded.r < 0.06 && other.r > shaded.r + 0.03 && cornerIsRound(view, x + 1) === (current === 0)
                    && cornerIsRound(view, x + view.tabWidth - 2) === (current === count - 1);
        }, 3000, "look of tab " + current);
    }

    // Next with nothing ticked warns and stays; the steps follow the list's
    // order, whatever the order of the ticks; Next on the last step finishes.
    function test_wizard() {
        var window = createWindow();
        var next = findChild(window.contentItem, "selectNextButton");
        mouseClick(next);
        var warning = findChild(findChild(window.contentItem, "selectDeviceView"), "warningDialog");
        tryCompare(warning, "opened", true);
        // Centred in the window, not in the page that declares it.
        compare([warning.x, warning.y], [(window.width - warning.width) / 2, (window.height - warning.height) / 2]);
        mouseClick(findChild(warning.contentItem, "warningOkButton"));
        tryCompare(warning, "visible", false);
        var loader = findChild(window.contentItem, "deviceStepPage");
        compare(loader.status, Loader.Null);

        [4, 1, 0, 1, 2].forEach(function(row) { mouseClick(findChild(window.contentItem, "deviceCheckBox" + row)); });
        mouseClick(next);
        tryCompare(loader, "status", Loader.Ready);
        var view = loader.item;
        compare(view.devices, ["Corvex-A1", "Corvex-B1", "Corvex-C1"]);
        tryCompare(findChild(window.contentItem, "swipeView").contentItem, "moving", false);
        var current = 0, finished = 0;
        view.finished.connect(function() { ++finished; });
        verifyCurrent(view, current);
        ["next", 0, 2].forEach(function(click) {
            mouseClick(click === "next" ? findChild(view, "stepNextButton") : findChild(view, "deviceTab" + click));
            current = click === "next" ? current + 1 : click;
            verifyCurrent(view, current);
        });
        compare(finished, 0);
        mouseClick(findChild(view, "stepNextButton"));
        compare([finished, view.currentStep], [1, 2]);
    }

    // The whole wizard with the keyboard alone: Tab walks the models in the
    // order shown, then Next, and round again; Space ticks; Return presses the
    // focused button; the warning's OK has the focus and Return or Escape
    // closes it, handing focus back to Next; on page 1 the current tab is one
    // stop, ringed while focused, and the arrows, Home and End move it.
    function test_wizardByKeys() {
        var window = createWindow();
        activate(window);
        var boxes = [0, 1, 2, 3, 4, 5].map(function(row) { return "deviceCheckBox" + row; });
        compare(press(window, repeat(Qt.Key_Tab, 8)), boxes.concat(["selectNextButton", "deviceCheckBox0"]));
        compare(press(window, [Qt.Key_Backtab]), ["selectNextButton"]);

        var warning = findChild(findChild(window.contentItem, "selectDeviceView"), "warningDialog");
        [Qt.Key_Return, Qt.Key_Escape].forEach(function(close) {
            keyClick(Qt.Key_Return);
            tryCompare(warning, "opened", true);
            compare(window.activeFocusItem, findChild(warning.contentItem, "warningOkButton"));
            keyClick(close);
            tryCompare(warning, "visible", false);
            compare(window.activeFocusItem.objectName, "selectNextButton");
        });

        // The last row, the fourth and the first; then on to Next.
        compare(press(window, [Qt.Key_Backtab, Qt.Key_Space, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Space]
                      .concat(repeat(Qt.Key_Backtab, 3), [Qt.Key_Space], repeat(Qt.Key_Tab, 6))),
                ["deviceCheckBox5", "deviceCheckBox5", "deviceCheckBox4", "deviceCheckBox3", "deviceCheckBox3",
                 "deviceCheckBox2", "deviceCheckBox1", "deviceCheckBox0", "deviceCheckBox0"]
                .concat(boxes.slice(1), ["selectNextButton"]));
        keyClick(Qt.Key_Return);
        var loader = findChild(window.contentItem, "deviceStepPage");
        tryCompare(loader, "status", Loader.Ready);
        var view = loader.item;
        compare(view.devices, ["Corvex-A1", "Corvex-B2", "Corvex-C2"]);
        tryCompare(findChild(window.contentItem, "swipeView").contentItem, "moving", false);
        var finished = 0;
        view.finished.connect(function() { ++finished; });

        compare(press(window, [Qt.Key_Tab]), ["deviceTab0"]);
        var ring = findChild(view, "deviceTab0").mapToItem(view, view.tabWidth / 2, 7);
        tryVerify(function() { TestSupport.grab(view); return TestSupport.near(TestSupport.pixel(view, ring.x, ring.y), "#2e91ed", 24); },
                  3000, "the focused tab is ringed");
        var steps = [[Qt.Key_Right, 1], [Qt.Key_Right, 2], [Qt.Key_Right, 2], [Qt.Key_Home, 0], [Qt.Key_Left, 0], [Qt.Key_End, 2], [Qt.Key_Left, 1]];
        steps.forEach(function(step) {
            keyClick(step[0]);
            compare([view.currentStep, window.activeFocusItem.objectName], [step[1], "deviceTab" + step[1]]);
        });
        verify(TestSupport.grab(view));
        verify(!TestSupport.near(TestSupport.pixel(view, ring.x, ring.y), "#2e91ed", 24), "the ring left the first tab");

        compare(press(window, [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Backtab]), ["stepNextButton", "deviceTab1", "stepNextButton"]);
        keyClick(Qt.Key_Return);
        compare([view.currentStep, finished], [2, 0]);
        keyClick(Qt.Key_Enter);
        compare([view.currentStep, finished], [2, 1]);
    }

    // Page 0, left behind, takes no focus and no keys: no number of Tabs (or
    // Shift+Tabs) reaches its boxes or its Next, and its ticks stay.
    function test_leftPageOutOfReach() {
        var window = createWindow();
        [1, 3].forEach(function(row) { mouseClick(findChild(window.contentItem, "deviceCheckBox" + row)); });
        mouseClick(findChild(window.contentItem, "selectNextButton"));
        var loader = findChild(window.contentItem, "deviceStepPage");
        tryCompare(loader, "status", Loader.Ready);
        activate(window);
        var page = findChild(window.contentItem, "selectDeviceView");
        [Qt.Key_Tab, Qt.Key_Backtab].forEach(function(key) {
            for (var i = 0; i < 12; ++i) {
                keyClick(key);
                verify(!isInside(page, window.activeFocusItem), "key " + i + " focused " + window.activeFocusItem);
                keyClick(Qt.Key_Space);
            }
        });
        compare([0, 1, 2, 3, 4, 5].map(function(row) { return findChild(window.contentItem, "deviceCheckBox" + row).checked; }),
                [false, true, false, true, false, false]);
        compare(loader.item.devices, ["Corvex-A2", "Corvex-B2"]);
    }

    function isInside(ancestor, item) {
        for (var i = item; i; i = i.parent) {
            if (i === ancestor)
                return true;
        }
        return false;
    }
}
