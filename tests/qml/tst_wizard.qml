import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// The wizard as the user meets it: the real main window, ticks, clicks and keys.
TestCase {
    id: testCase
    name: "Wizard"
    when: windowShown

    Component { id: mainViewComponent; MainView {} }

    property var w: null
    readonly property var boxes: [0, 1, 2, 3, 4, 5].map(function(row) { return "deviceCheckBox" + row; })

    // A window destroyed under an open modal popup takes its backdrop down
    // badly: whatever a failed test left open is closed first.
    function cleanup() {
        if (w)
            w.warning.close();
        w = null;
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        w = { window: window, loader: item("deviceStepPage", window), warning: findChild(item("selectDeviceView", window), "warningDialog"), next: item("selectNextButton", window) };
        return window;
    }

    function item(name, window) { return findChild((window || w.window).contentItem, name); }

    // Page 1's view, once it stands still.
    function stepView() {
        tryCompare(w.loader, "status", Loader.Ready);
        tryCompare(item("swipeView").contentItem, "moving", false);
        return w.loader.item;
    }

    // Presses each key in turn and names the item holding the focus after each.
    function press(keys) {
        return keys.map(function(key) { keyClick(key); return w.window.activeFocusItem ? w.window.activeFocusItem.objectName : ""; });
    }

    function repeat(key, times) { return Array.from({ length: times }, function() { return key; }); }

    // A rounded corner leaves the window's background at the header's corner;
    // a square outline would draw its grey line through it. Only the current
    // tab is shaded and outlined, round only where it meets the pane's corners.
    function verifyCurrent(view, current) {
        var count = view.devices.length, x = view.tabWidth * current;
        function round(x) { return TestSupport.near(TestSupport.pixel(view, x, 1), TestSupport.pixel(view, x, -6), 6); }
        tryVerify(function() {
            TestSupport.grab(view);
            var shaded = TestSupport.average(view, x + 10, 40, 10, 10);
            var other = TestSupport.average(view, view.tabWidth * ((current + 1) % count) + 10, 40, 10, 10);
            return shaded.r < 0.06 && other.r > shaded.r + 0.03 && round(x + 1) === (current === 0)
                    && round(x + view.tabWidth - 2) === (current === count - 1);
        }, 3000, "look of tab " + current);
    }

    // At its least size the window shows page 0 whole; Next with nothing
    // ticked warns and stays; the steps follow the list's order, whatever the
    // order of the ticks, on tabs whose names fit; Next on the last finishes.
    function test_byMouse() {
        var window = createWindow(), list = item("swipeView").contentItem;
        // Qt grows the swipe view's hidden highlight at 400 px/s, syncing a
        // frame on every step for seconds after start and each resize.
        compare(list.highlightItem.width, list.width);
        window.width = window.minimumWidth;
        window.height = window.minimumHeight;
        tryCompare(window.contentItem, "height", window.minimumHeight);
        waitForRendering(window.contentItem);
        compare([window.contentItem.width, list.highlightItem.width], [window.minimumWidth, list.width]);
        boxes.concat(["selectNextButton"]).forEach(function(name) {
            var corner = item(name).mapToItem(window.contentItem, item(name).width, item(name).height);
            verify(corner.x <= window.width && corner.y <= window.height, name);
        });
        mouseClick(w.next);
        tryCompare(w.warning, "opened", true);
        mouseClick(findChild(w.warning.contentItem, "warningOkButton"));
        tryCompare(w.warning, "visible", false);
        compare(w.loader.status, Loader.Null);
        [5, 3, 1, 0, 1, 2, 4, 1].forEach(function(row) { mouseClick(item(boxes[row])); });
        mouseClick(w.next);
        var view = stepView(), current = 0, finished = 0;
        compare(view.devices, ["Corvex-A1", "Corvex-A2", "Corvex-B1", "Corvex-B2", "Corvex-C1", "Corvex-C2"]);
        view.finished.connect(function() { ++finished; });
        verifyCurrent(view, current);
        ["next", 0, 5].forEach(function(click) {
            mouseClick(findChild(view, click === "next" ? "stepNextButton" : "deviceTab" + click));
            current = click === "next" ? current + 1 : click;
            verifyCurrent(view, current);
        });
        view.devices.forEach(function(name, i) {
            var label = findChild(findChild(view, "deviceTab" + i), "tabLabel");
            verify(!label.truncated && label.contentWidth <= label.width - label.leftPadding - label.rightPadding, name);
        });
        compare(finished, 0);
        mouseClick(findChild(view, "stepNextButton"));
        compare([finished, view.currentStep], [1, 5]);
    }

    // The whole wizard with the keyboard alone: Tab walks the models in the
    // order shown, then Next, and round again; Space ticks; Return presses the
    // focused button; the warning's OK has the focus and Return or Escape
    // closes it, handing focus back to Next; on page 1 the current tab is one
    // stop, ringed while focused, the arrows, Home and End move it, and no Tab
    // reaches the page left behind.
    function test_byKeys() {
        var window = createWindow();
        window.requestActivate();
        tryVerify(function() { return window.active && window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        compare(press(repeat(Qt.Key_Tab, 8)), boxes.concat(["selectNextButton", "deviceCheckBox0"]));
        compare(press([Qt.Key_Backtab]), ["selectNextButton"]);
        [Qt.Key_Return, Qt.Key_Escape].forEach(function(close) {
            keyClick(Qt.Key_Return);
            tryCompare(w.warning, "opened", true);
            compare(window.activeFocusItem, findChild(w.warning.contentItem, "warningOkButton"));
            keyClick(close);
            tryCompare(w.warning, "visible", false);
            compare(window.activeFocusItem.objectName, "selectNextButton");
        });
        // The last row, the fourth and the first; then on to Next.
        compare(press([Qt.Key_Backtab, Qt.Key_Space, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Space]
                      .concat(repeat(Qt.Key_Backtab, 3), [Qt.Key_Space], repeat(Qt.Key_Tab, 6))),
                [boxes[5], boxes[5], boxes[4], boxes[3], boxes[3], boxes[2], boxes[1], boxes[0], boxes[0]].concat(boxes.slice(1), ["selectNextButton"]));
        keyClick(Qt.Key_Return);
        var view = stepView(), finished = 0;
        compare(view.devices, ["Corvex-A1", "Corvex-B2", "Corvex-C2"]);
        view.finished.connect(function() { ++finished; });
        compare(press([Qt.Key_Tab]), ["deviceTab0"]);
        var ring = findChild(view, "deviceTab0").mapToItem(view, view.tabWidth / 2, 7);
        function ringed() { TestSupport.grab(view); return TestSupport.near(TestSupport.pixel(view, ring.x, ring.y), "#2e91ed", 24); }
        tryVerify(ringed, 3000, "the focused tab is ringed");
        [[Qt.Key_Right, 1], [Qt.Key_Right, 2], [Qt.Key_Right, 2], [Qt.Key_Home, 0], [Qt.Key_Left, 0], [Qt.Key_End, 2], [Qt.Key_Left, 1]]
        .forEach(function(step) {
            keyClick(step[0]);
            compare([view.currentStep, window.activeFocusItem.objectName], [step[1], "deviceTab" + step[1]]);
        });
        verify(!ringed(), "the ring left the first tab");
        compare(press([Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Backtab]), ["stepNextButton", "deviceTab1", "stepNextButton"]);
        keyClick(Qt.Key_Return);
        compare([view.currentStep, finished], [2, 0]);
        keyClick(Qt.Key_Enter);
        compare([view.currentStep, finished], [2, 1]);
    }

    // The warning box opens centred in the window, not in the page that
    // declares it, stays centred as the window changes size until the user
    // drags it, and opens centred again however it was left.
    function test_messageBoxCentred() {
        var window = createWindow(), box = w.warning;
        function centred() { return box.x === (window.width - box.width) / 2 && box.y === (window.height - box.height) / 2; }
        function resize(width, height) {
            window.width = width;
            window.height = height;
            tryVerify(function() { return window.contentItem.width === width && window.contentItem.height === height; });
        }
        mouseClick(w.next);
        tryCompare(box, "opened", true);
        verify(centred(), "centred at first");
        resize(900, 800);
        verify(centred(), "centred after a resize");
        mouseDrag(window.contentItem, box.x + box.width / 2, box.y + 30, 150, 120);
        var dragged = [box.x, box.y];
        verify(dragged[0] > (window.width - box.width) / 2, "dragged");
        resize(900, 700);
        compare([box.x, box.y], dragged, "left where the user put it");
        box.close();
        tryCompare(box, "visible", false);
        resize(790, 560);
        mouseClick(w.next);
        tryCompare(box, "opened", true);
        verify(centred(), "centred again");
    }
}
