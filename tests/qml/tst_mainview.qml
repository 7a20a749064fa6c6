import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "MainView"
    when: windowShown

    Component { id: mainViewComponent; MainView {} }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
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

    // A modal popup shows the window blurred and darkened behind it; closing
    // it brings the sharp view back.
    function test_modalBackdropBlursAndRestores() {
        var window = createWindow();
        var background = findChild(window.contentItem, "backgroundRect");
        // A sharp white edge to watch: blurring spreads it, darkening dims it.
        createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", background);
        waitForRendering(window.contentItem);
        function at(x, y) { TestSupport.grab(background); return TestSupport.pixel(background, x, y); }
        var inside = at(200, 200), outside = at(97, 200);
        // Sharp, over the gradient from top to bottom.
        verify(TestSupport.near(inside, "white", 2) && TestSupport.near(at(5, 1), "#222222", 3) && TestSupport.near(at(5, 798), "#1a1a1a", 3));

        // As the application's own popups do, it defers to the window's backdrop.
        var popup = createTemporaryQmlObject("import QtQuick.Controls 2.3; Popup { Overlay.modal: null; modal: true; visible: true }", window.contentItem);
        // The blur converges over several frames; wait for its settled look.
        tryVerify(function() { return at(103, 200).r - at(97, 200).r < (inside.r - outside.r) / 2; }, 5000, "blurred");
        // Darkened by the 20 % black layer and spread by the blur: no longer white, still light.
        var blurred = at(200, 200);
        verify(blurred.r < 0.85 && blurred.r > 0.4, blurred);
        popup.close();
        tryVerify(function() { return TestSupport.near(at(200, 200), inside, 2) && TestSupport.near(at(97, 200), outside, 2); },
                  5000, "closing the popup restores the sharp view");
    }
}
