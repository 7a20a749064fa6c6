import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// The real main window as the user meets it: the wizard by mouse and by keys,
// the overlays `$app` drives, and every modal popup of the system over it.
TestCase {
    id: testCase
    name: "MainView"
    when: windowShown

    // A window destroyed under an open modal popup takes its backdrop down
    // badly: whatever a failed test left open is closed first.
    property var popup: null
    property var w: null
    readonly property var boxes: [0, 1, 2, 3, 4, 5].map(function(row) { return "deviceCheckBox" + row; })
    readonly property string imports: "import QtQuick 2.9; import QtQuick.Controls 2.3; import ZelkDesign 1.0; import 'qrc:/ui'; "

    Component { id: mainViewComponent; MainView {} }

    function cleanup() {
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        $app.progressValue = 0;
        if (popup) popup.close();
        popup = null;
    }

    function createWindow(activate) {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        if (activate) {
            window.requestActivate();
            tryVerify(function() { return window.active && window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        }
        w = { window: window, page: item("selectDeviceView", window), loader: item("deviceStepPage", window), next: item("selectNextButton", window),
              background: item("backgroundRect", window), busy: item("busyIndicatorView", window), progress: item("progressView", window) };
        w.warning = popup = findChild(w.page, "warningDialog");
        w.busyBar = findChild(w.busy.contentItem, "busyProgressBar");
        w.progressBar = findChild(w.progress.contentItem, "progressProgressBar");
        w.badge = findChild(w.progressBar, "valueText");
        return window;
    }

    function resize(width, height) {
        w.window.width = width;
        w.window.height = height;
        tryVerify(function() { return w.window.contentItem.width === width && w.window.contentItem.height === height; });
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

    // At its least size the window shows page 0 whole. The busy cycle runs
    // only while its overlay is open; the backdrop blurs and darkens the window
    // and goes with the overlays; both bars show whole with their badges, the
    // progress one apart above the busy one, both titles readable; each
    // overlay follows its own value, and a value written before the range it
    // belongs to is applied again once the range arrives. Next with nothing
    // ticked warns and stays, in a box centred in the window (not the page)
    // until dragged, and centred again when it opens anew; the steps follow the list's order, whatever the
    // order of the ticks, on tabs whose names fit; Next on the last finishes.
    function test_byMouse() {
        var window = createWindow(), list = item("swipeView").contentItem;
        // Qt grows the swipe view's hidden highlight at 400 px/s, syncing a
        // frame on every step for seconds after start and each resize.
        compare(list.highlightItem.width, list.width);
        resize(window.minimumWidth, window.minimumHeight);
        // A sharp white edge to watch: blurring spreads it, darkening dims it.
        createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", w.background);
        waitForRendering(window.contentItem);
        compare(list.highlightItem.width, list.width);
        function whole(item, x, width, height) {
            var from = item.mapToItem(window.contentItem, x, 0), to = item.mapToItem(window.contentItem, x + width, height);
            return from.x >= 0 && from.y >= 0 && to.x <= window.width && to.y <= window.height;
        }
        boxes.concat(["selectNextButton"]).forEach(function(name) { verify(whole(item(name), 0, item(name).width, item(name).height), name); });
        function at(x, y) { TestSupport.grab(w.background); return TestSupport.pixel(w.background, x, y); }
        var inside = at(200, 200), outside = at(97, 200), cycle = findChild(w.busyBar, "indeterminateLoader").item, openings = 0;
        w.progress.aboutToShow.connect(function() { ++openings; });
        compare(cycle.running, false);
        $app.busy = { "status": true, "reason": "Connecting to the scanner" };
        tryCompare(w.busy, "opened", true);
        verify(cycle.running);
        tryVerify(function() { return at(103, 200).r - at(97, 200).r < (inside.r - outside.r) / 2; }, 5000, "blurred");
        verify(at(200, 200).r < 0.85 && at(200, 200).r > 0.4, "darkened, still light");
        $app.progressInfo = { "visible": true, "from": 0, "to": 10, "title": "Scanning the first side" };
        tryCompare(w.progress, "opened", true);
        [0, 10].forEach(function(value) {
            $app.progressValue = value;
            // The badge reaches 3 px past either end of the bar and 195 px
            // below its top; the busy bar, without one, 106 px.
            verify(whole(w.busyBar, 0, w.busyBar.width, 106) && whole(w.progressBar, -3, w.progressBar.width + 6, 195), "bars at " + value);
        });
        verify(w.busyBar.mapToItem(w.progressBar, 0, 106).y < 0, "the bars apart");
        [w.busyBar, w.progressBar].forEach(function(bar) {
            tryVerify(function() {
                TestSupport.grab(bar);
                return TestSupport.average(bar, bar.width / 2 - 80, 4, 160, 24).r > TestSupport.average(bar, bar.width - 160, 4, 160, 24).r + 0.08;
            }, 5000, "the title of " + bar.objectName + " shows");
        });
        $app.busy = { "status": false, "reason": "Scanning" };
        $app.progressValue = 50;
        tryVerify(function() { return !w.busy.opened && w.progress.opened; });
        compare([cycle.running, w.badge.text], [false, "100 %"]);
        $app.progressInfo = { "visible": true, "from": 0, "to": 200, "title": "Scanning" };
        compare([w.badge.text, openings, w.progress.opened], ["25 %", 1, true]);
        $app.progressInfo = { "visible": false, "from": 0, "to": 200, "title": "Scanning" };
        tryVerify(function() { return !w.progress.visible && TestSupport.near(at(200, 200), inside, 2) && TestSupport.near(at(97, 200), outside, 2); },
                  5000, "sharp again");
        var box = w.warning, ok = findChild(box.contentItem, "warningOkButton");
        function centred() { return box.x === (window.width - box.width) / 2 && box.y === (window.height - box.height) / 2; }
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
        mouseClick(ok);
        tryCompare(box, "visible", false);
        compare(w.loader.status, Loader.Null);
        resize(window.minimumWidth, window.minimumHeight);
        mouseClick(w.next);
        tryCompare(box, "opened", true);
        verify(centred(), "centred again");
        mouseClick(ok);
        tryCompare(box, "visible", false);
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
        var window = createWindow(true);
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

    // Whatever the backend is given, and with no warning (the runner fails on
    // any): missing keys close the overlays, a null title reads empty and one
    // of another type as text, a missing or broken range falls back, and the
    // badge reads a whole percent with fill and badge on the track.
    function test_oddInput_data() {
        return [
            { tag: "missing keys", open: false, value: 25, shown: "", text: "25 %", fill: 174 },
            { tag: "null title, value NaN", open: true, title: null, value: NaN, shown: "", text: "0 %", fill: 0 },
            { tag: "list title", open: true, title: ["a", 2], value: 42.7, shown: "a,2", text: "42 %", fill: 297.192 },
            { tag: "number title, value +Infinity", open: true, title: 7, value: Infinity, shown: "7", text: "100 %", fill: 696 },
            { tag: "empty range", open: true, from: 50, to: 50, value: 50, shown: "", text: "0 %", fill: 0 },
            { tag: "reversed range", open: true, from: 10, to: 0, value: 2.5, shown: "", text: "75 %", fill: 522 },
            { tag: "range NaN", open: true, from: NaN, to: NaN, value: 3, shown: "", text: "0 %", fill: 0 }
        ];
    }

    function test_oddInput(data) {
        createWindow();
        var info = data.open ? { "visible": true } : {};
        ["title", "from", "to"].forEach(function(key) { if (key in data) info[key] = data[key]; });
        $app.busy = data.open ? { "status": true, "reason": data.title } : {};
        $app.progressInfo = info;
        $app.progressValue = data.value;
        tryVerify(function() { return w.busy.opened === data.open && w.progress.opened === data.open; }, 5000, "opened: " + data.open);
        var badge = findChild(w.progressBar, "valueLabel"), control = findChild(w.progressBar, "progressBarControl");
        compare([w.busyBar.title, w.progressBar.title, w.badge.text], [data.shown, data.shown, data.text]);
        fuzzyCompare(findChild(w.progressBar, "indicatorBack").height, data.fill, 1e-3);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-3);
    }

    // Every modal popup takes the keyboard, keeps it (no Tab, Shift+Tab or
    // typed key reaches anything behind it) and gives it back, on closing, to
    // the item that had it. `qml` declares the popup, else `name` picks the
    // window's own; `backend(on)` opens and closes an overlay, the only way
    // to; `space` sends Space as well where it would not press a closing button.
    function test_modal_data() {
        var chooserModel = "[{ buttonName: 'a', buttonText: 'A', buttonEnabled: true }, "
                + "{ buttonName: 'b', buttonText: 'B', buttonEnabled: false }, { buttonName: 'c', buttonText: 'C', buttonEnabled: true }]";
        function busy(on) { $app.busy = { "status": on, "reason": "Working" }; }
        function progress(on) { $app.progressInfo = { "visible": on, "title": "Scanning", "from": 0, "to": 100 }; }
        return [
            { tag: "message box (the warning)", escapeCloses: true, name: "warning" },
            { tag: "ZelkDialog without content", escapeCloses: true, space: true, qml: "ZelkDialog { modal: true; x: 100; y: 100 }" },
            { tag: "feedback form", escapeCloses: true, qml: "UserFeedbackDialog {}" },
            { tag: "busy overlay", space: true, name: "busy", backend: busy },
            { tag: "progress overlay", space: true, name: "progress", backend: progress },
            { tag: "both overlays", space: true, name: "progress", backend: function(on) { (on ? [busy, progress] : [progress, busy]).forEach(function(f) { f(on); }); } },
            { tag: "chooser", space: true,
              qml: "ZelkPopupChooseView { modal: true; width: 700; height: 400; buttonWidth: 100; buttonHeight: 100; model: " + chooserModel + " }" }
        ];
    }

    function test_modal(data) {
        var window = createWindow(true);
        // The third model ticked by key, and a text input holding the keyboard.
        // Unclipped: Qt 5.15's batch renderer leaks the clip bookkeeping of a
        // clipped item inside the blurred backdrop's source when the backdrop goes.
        var page = w.page, box = item("deviceCheckBox2");
        box.forceActiveFocus(Qt.TabFocusReason);
        keyClick(Qt.Key_Space);
        var field = createTemporaryQmlObject(imports + "TextInput { width: 200; height: 30 }", page);
        field.forceActiveFocus(Qt.TabFocusReason);

        if (data.backend)
            data.backend(true);
        popup = data.qml ? createTemporaryQmlObject(imports + data.qml, window.contentItem) : w[data.name];
        if (!data.backend)
            popup.open();
        tryCompare(popup, "opened", true);
        tryVerify(function() { return popup.activeFocus; }, 3000, "the popup takes the keyboard");
        var keys = Array.from({ length: 18 }, function(_, i) { return i < 9 ? Qt.Key_Tab : Qt.Key_Backtab; });
        keys.concat([Qt.Key_X, Qt.Key_Y]).forEach(function(key, i) {
            keyClick(key);
            if (data.space && i < keys.length)
                keyClick(Qt.Key_Space);
            verify(popup.opened && popup.activeFocus, "key " + i + " left the popup for " + window.activeFocusItem);
        });
        if (data.backend)
            [[5, 5], [400, 400], [785, 795]].forEach(function(point) { mouseClick(window.contentItem, point[0], point[1]); });
        compare([box.checked, field.text, page.enabled, findChild(window.contentItem, "swipeView").currentIndex], [true, "", true, 0],
                "nothing behind the popup changed");
        keyClick(Qt.Key_Escape);
        if (!data.escapeCloses) {
            waitForRendering(window.contentItem);
            verify(popup.opened, "Escape closed it");
            data.backend ? data.backend(false) : popup.close();
        }
        tryCompare(popup, "visible", false);
        tryCompare(window, "activeFocusItem", field);
    }
}
