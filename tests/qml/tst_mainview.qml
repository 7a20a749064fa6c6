import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "forms"
import "qrc:/ui"

TestCase {
    id: testCase
    name: "MainView"
    when: windowShown

    Component { id: mainViewComponent; MainView {} }
    Component { id: hostComponent; FormHost {} }

    // A window destroyed under an open modal popup takes its backdrop down
    // badly: whatever a failed test left open is closed first.
    property var box: null

    function cleanup() {
        $app.busy = { "status": false };
        $app.progressInfo = { "visible": false };
        if (box)
            box.close();
        box = null;
    }

    // Whether the rectangle (x, y, width, height) of the item lies wholly in the window.
    function whole(window, item, x, y, width, height) {
        var from = item.mapToItem(window.contentItem, x, y), to = item.mapToItem(window.contentItem, x + width, y + height);
        return from.x >= 0 && from.y >= 0 && to.x <= window.width && to.y <= window.height;
    }

    // Drags a dialog placed in the window's overlay by its title strip.
    function dragBy(window, dialog, by) {
        var from = Qt.point(dialog.x + dialog.width / 2, dialog.y + 30);
        mousePress(window.contentItem, from.x, from.y);
        mouseMove(window.contentItem, from.x + by[0] / 2, from.y + by[1] / 2);
        mouseMove(window.contentItem, from.x + by[0], from.y + by[1]);
        mouseRelease(window.contentItem, from.x + by[0], from.y + by[1]);
    }

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

    // At its least size the window still shows every page and overlay whole:
    // the six models and Next, each overlay's bar with its badge (alone or
    // both at once), and six device tabs whose names fit.
    function test_minimumSize() {
        var window = createWindow();
        window.width = window.minimumWidth;
        window.height = window.minimumHeight;
        tryCompare(window.contentItem, "width", window.minimumWidth);
        tryCompare(window.contentItem, "height", window.minimumHeight);
        var names = [0, 1, 2, 3, 4, 5].map(function(row) { return "deviceCheckBox" + row; }).concat(["selectNextButton"]);
        names.forEach(function(name) {
            var item = findChild(window.contentItem, name);
            verify(whole(window, item, 0, 0, item.width, item.height), name);
        });
        var busyBar = findChild(window.contentItem, "busyProgressBar"), progressBar = findChild(window.contentItem, "progressProgressBar");
        [[true, false], [false, true], [true, true]].forEach(function(open) {
            $app.busy = { "status": open[0] };
            $app.progressInfo = { "visible": open[1], "from": 0, "to": 100 };
            [0, 100].forEach(function(value) {
                $app.progressValue = value;
                // The badge reaches 3 px past either end of the 776 px bar and 195 px below its top.
                verify(!open[0] || whole(window, busyBar, 0, 0, busyBar.width, 106), "busy bar " + open);
                verify(!open[1] || whole(window, progressBar, -3, 0, progressBar.width + 6, 195), "progress bar " + open + " at " + value);
            });
        });
        cleanup();
        names.slice(0, 6).forEach(function(name) { mouseClick(findChild(window.contentItem, name)); });
        mouseClick(findChild(window.contentItem, "selectNextButton"));
        var loader = findChild(window.contentItem, "deviceStepPage");
        tryCompare(loader, "status", Loader.Ready);
        [0, 1, 2, 3, 4, 5].forEach(function(i) {
            var label = findChild(findChild(loader.item, "deviceTab" + i), "tabLabel");
            verify(!label.truncated && label.contentWidth <= label.width - label.leftPadding - label.rightPadding, "tab " + i);
        });
    }

    // The warning box opens centred in the window, stays centred as the
    // window changes size until the user drags it, and opens centred again
    // however it was left: dragged, then the window made smaller.
    function test_messageBoxCentred() {
        var window = createWindow();
        var page = findChild(window.contentItem, "selectDeviceView");
        box = findChild(page, "warningDialog");
        function centred() { return [box.x, box.y].toString() === [(window.width - box.width) / 2, (window.height - box.height) / 2].toString(); }
        page.goNext();
        tryCompare(box, "opened", true);
        verify(centred(), "centred at first");
        window.width = 900;
        tryCompare(window.contentItem, "width", 900);
        verify(centred(), "centred after a resize");
        dragBy(window, box, [150, 120]);
        var dragged = [box.x, box.y];
        verify(dragged[0] > (window.width - box.width) / 2, "dragged");
        window.height = 700;
        tryCompare(window.contentItem, "height", 700);
        compare([box.x, box.y], dragged, "left where the user put it");
        box.close();
        tryCompare(box, "visible", false);
        window.width = 790;
        window.height = 560;
        tryCompare(window.contentItem, "height", 560);
        page.goNext();
        tryCompare(box, "opened", true);
        verify(centred(), "centred again");
    }

    // A window goes without a single warning, whatever popups it has shown.
    function test_destroyedQuietly_data() {
        return [
            { tag: "main window after its warning box", component: mainViewComponent,
              show: function(window) { return [findChild(findChild(window.contentItem, "selectDeviceView"), "warningDialog")]; } },
            { tag: "main window on page 1 after its warning box", component: mainViewComponent,
              show: function(window) {
                  var page = findChild(window.contentItem, "selectDeviceView");
                  mouseClick(findChild(page, "deviceCheckBox0"));
                  page.goNext();
                  tryCompare(findChild(window.contentItem, "deviceStepPage"), "status", Loader.Ready);
                  return [findChild(page, "warningDialog")];
              } },
            { tag: "main window after both overlays", component: mainViewComponent,
              show: function(window) { return [findChild(window.contentItem, "busyIndicatorView"), findChild(window.contentItem, "progressView")]; } },
            { tag: "window holding the feedback form and its warning", component: hostComponent,
              show: function(window) { return [window.feedback, findChild(window.feedback, "warningDialog")]; } }
        ];
    }

    function test_destroyedQuietly(data) {
        var window = data.component.createObject(testCase);
        tryCompare(window, "visible", true);
        var popups = data.show(window);
        popups.forEach(function(popup) { popup.open(); tryCompare(popup, "opened", true); });
        popups.reverse().forEach(function(popup) { popup.close(); tryCompare(popup, "visible", false); });
        var gone = false;
        window.Component.destruction.connect(function() { gone = true; });
        window.destroy();
        tryVerify(function() { return gone; });
        // Whatever the destruction left queued runs before the test ends.
        wait(0);
    }
}
