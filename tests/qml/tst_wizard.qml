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
            return shaded.r < 0.06 && (count === 1 || other.r > shaded.r + 0.03) && cornerIsRound(view, x + 1) === (current === 0)
                    && cornerIsRound(view, x + view.tabWidth - 2) === (current === count - 1);
        }, 3000, "look of tab " + current);
    }

    // The rows ticked (a row ticked twice is unticked again) and the steps
    // they make, in the list's order whatever the order of the ticks.
    function test_wizard_data() {
        return [
            { tag: "nothing ticked", ticks: [], devices: [] },
            { tag: "the last model alone", ticks: [5], devices: ["Corvex-C2"] },
            { tag: "ticked out of order", ticks: [4, 1, 0, 1, 2], devices: ["Corvex-A1", "Corvex-B1", "Corvex-C1"] }
        ];
    }

    // Next with nothing ticked warns and stays; otherwise it shows the steps,
    // which Next and the tabs walk through; Next on the last step finishes.
    function test_wizard(data) {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        data.ticks.forEach(function(row) { mouseClick(findChild(window.contentItem, "deviceCheckBox" + row)); });
        mouseClick(findChild(window.contentItem, "selectNextButton"));
        var warning = findChild(findChild(window.contentItem, "selectDeviceView"), "warningDialog");
        var loader = findChild(window.contentItem, "deviceStepPage");
        if (data.devices.length === 0) {
            tryCompare(warning, "opened", true);
            // Centred in the window, not in the page that declares it.
            compare([warning.x, warning.y], [(window.width - warning.width) / 2, (window.height - warning.height) / 2]);
            mouseClick(findChild(warning.contentItem, "warningOkButton"));
            tryCompare(warning, "visible", false);
            compare(loader.status, Loader.Null);
            return;
        }
        tryCompare(loader, "status", Loader.Ready);
        compare(warning.visible, false);
        var view = loader.item, last = data.devices.length - 1;
        compare(view.devices, data.devices);
        tryCompare(findChild(window.contentItem, "swipeView").contentItem, "moving", false);
        var current = 0, finished = 0;
        view.finished.connect(function() { ++finished; });
        verifyCurrent(view, current);
        // On to the last step, then back to the first tab and over to the last.
        var clicks = new Array(last).fill("next").concat([0, last]);
        clicks.forEach(function(click) {
            mouseClick(click === "next" ? findChild(view, "stepNextButton") : findChild(view, "deviceTab" + click));
            current = click === "next" ? current + 1 : click;
            verifyCurrent(view, current);
        });
        compare(finished, 0);
        mouseClick(findChild(view, "stepNextButton"));
        compare([finished, view.currentStep], [1, last]);
    }
}
