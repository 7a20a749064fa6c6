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
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
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
}
