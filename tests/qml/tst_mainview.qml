import QtQuick 2.9
import QtQuick.Controls 2.3
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "MainView"
    when: windowShown

    Component {
        id: mainViewComponent
        MainView {}
    }

    Component {
        id: popupComponent
        Popup {
            // As the application's own popups do: defer to the window's backdrop
            // instead of the style's dimming.
            Overlay.modal: null
            modal: true
            width: 100
            height: 100
            x: 350
            y: 350
        }
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        verify(window);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
    }

    function test_startState() {
        var window = createWindow();
        compare(window.width, 800);
        compare(window.height, 800);
        compare(window.title, "Orvane Tool");
        var swipe = findChild(window.contentItem, "swipeView");
        compare(swipe.currentIndex, 0);
        compare(swipe.count, 2);
        compare(swipe.interactive, false);
        var indicator = findChild(window.contentItem, "indicator");
        compare(indicator.count, 2);
        compare(indicator.currentIndex, 0);
        compare(indicator.interactive, false);
    }

    // The swipe view's list has an invisible highlight item that Qt grows to
    // the page's size at 400 px/s, syncing a frame on every step for two
    // seconds after start and after each resize. It must take its size at once.
    function test_noStartUpChurn() {
        var window = createWindow();
        var list = findChild(window.contentItem, "swipeView").contentItem;
        verify(list.highlightItem);
        compare(list.highlightItem.width, list.width);
        window.width = 600;
        waitForRendering(window.contentItem);
        compare(list.highlightItem.width, list.width);
    }

    function test_backgroundGradient() {
        var window = createWindow();
        var background = findChild(window.contentItem, "backgroundRect");
        verify(TestSupport.grab(background));
        // Top and bottom rows, away from the page indicator in the middle.
        verify(TestSupport.near(TestSupport.pixel(background, 5, 1), "#222222", 3), TestSupport.pixel(background, 5, 1));
        verify(TestSupport.near(TestSupport.pixel(background, 5, 798), "#1a1a1a", 3), TestSupport.pixel(background, 5, 798));
    }

    // A modal popup shows the window blurred and darkened behind it; closing
    // it brings the sharp view back.
    function test_modalBackdropBlursAndRestores() {
        var window = createWindow();
        var background = findChild(window.contentItem, "backgroundRect");
        // A sharp white edge to watch: blurring spreads it, darkening dims it.
        var probe = createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", background);
        waitForRendering(window.contentItem);
        verify(TestSupport.grab(background));
        var insideSharp = TestSupport.pixel(background, 200, 200);
        var outsideSharp = TestSupport.pixel(background, 97, 200);
        verify(TestSupport.near(insideSharp, "white", 2));
        verify(TestSupport.near(outsideSharp, "#1f1f1f", 4), outsideSharp);

        var popup = createTemporaryObject(popupComponent, window.contentItem);
        popup.open();
        tryCompare(popup, "opened", true);
        // The blur converges over several frames; wait for its settled look.
        var sharpStep = insideSharp.r - outsideSharp.r;
        function edgeStep() {
            TestSupport.grab(background);
            return TestSupport.pixel(background, 103, 200).r - TestSupport.pixel(background, 97, 200).r;
        }
        tryVerify(function() { return edgeStep() < sharpStep / 2; }, 5000, "the window behind the popup is blurred");
        // Darkened by the 20 % black layer and spread by the blur: no longer white, still light.
        var insideBlurred = TestSupport.pixel(background, 200, 200);
        verify(insideBlurred.r < 0.85 && insideBlurred.r > 0.4, insideBlurred);

        popup.close();
        tryVerify(function() {
            TestSupport.grab(background);
            return TestSupport.near(TestSupport.pixel(background, 200, 200), insideSharp, 2)
                && TestSupport.near(TestSupport.pixel(background, 97, 200), outsideSharp, 2);
        }, 5000, "closing the popup restores the sharp view");
    }
}
