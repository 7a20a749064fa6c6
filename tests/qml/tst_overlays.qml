import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// The busy and progress overlays as `$app` drives them, and every modal popup
// of the system over the real main window.
TestCase {
    id: testCase
    name: "Overlays"
    when: windowShown

    // A window destroyed under an open modal popup takes its backdrop down
    // badly: whatever a failed test left open is closed first.
    property var popup: null
    readonly property string imports: "import QtQuick 2.9; import QtQuick.Controls 2.3; import ZelkDesign 1.0; import 'qrc:/ui'; "

    Component { id: mainViewComponent; MainView {} }

    function cleanup() {
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        $app.progressValue = 0;
        if (popup)
            popup.close();
        popup = null;
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        var o = { window: window, background: findChild(window.contentItem, "backgroundRect"),
                  busy: findChild(window.contentItem, "busyIndicatorView"), progress: findChild(window.contentItem, "progressView") };
        o.busyBar = findChild(o.busy.contentItem, "busyProgressBar");
        o.progressBar = findChild(o.progress.contentItem, "progressProgressBar");
        o.badge = findChild(o.progressBar, "valueText");
        return o;
    }

    // The busy cycle runs only while its overlay is open, so a closed one keeps
    // nothing drawing; the window behind is blurred and darkened, and sharp
    // again once the overlays close; each overlay follows its own value only;
    // the bar follows the value live, and a value written before the range
    // it belongs to is applied again once the range arrives.
    function test_overlays() {
        var o = createWindow(), cycle = findChild(o.busyBar, "indeterminateLoader").item, openings = 0;
        o.progress.aboutToShow.connect(function() { ++openings; });
        // A sharp white edge to watch: blurring spreads it, darkening dims it.
        createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", o.background);
        waitForRendering(o.window.contentItem);
        function at(x, y) { TestSupport.grab(o.background); return TestSupport.pixel(o.background, x, y); }
        var inside = at(200, 200), outside = at(97, 200);
        compare(cycle.running, false);
        $app.busy = { "status": true, "reason": "Scanning" };
        tryCompare(o.busy, "opened", true);
        verify(cycle.running);
        tryVerify(function() { return at(103, 200).r - at(97, 200).r < (inside.r - outside.r) / 2; }, 5000, "blurred");
        verify(at(200, 200).r < 0.85 && at(200, 200).r > 0.4, "darkened, still light");
        $app.progressInfo = { "visible": true, "from": 0, "to": 10, "title": "Scanning" };
        $app.progressValue = 5;
        $app.busy = { "status": false, "reason": "Scanning" };
        tryVerify(function() { return !o.busy.opened && o.progress.opened; });
        $app.progressValue = 50;
        compare([cycle.running, o.badge.text], [false, "100 %"]);
        $app.progressInfo = { "visible": true, "from": 0, "to": 200, "title": "Scanning" };
        compare([o.badge.text, openings, o.progress.opened], ["25 %", 1, true]);
        $app.progressInfo = { "visible": false, "from": 0, "to": 200, "title": "Scanning" };
        tryVerify(function() { return TestSupport.near(at(200, 200), inside, 2) && TestSupport.near(at(97, 200), outside, 2); },
                  5000, "sharp again");
    }

    // At the window's least size both bars show whole with the badge, the
    // progress overlay apart above the busy one, over a single backdrop that
    // leaves both titles readable.
    function test_bothOpen() {
        var o = createWindow(), window = o.window;
        window.width = window.minimumWidth;
        window.height = window.minimumHeight;
        $app.busy = { "status": true, "reason": "Connecting to the scanner" };
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "Scanning the first side" };
        tryVerify(function() { return o.busy.opened && o.progress.opened && window.contentItem.height === window.minimumHeight; });
        function whole(item, x, width, height) {
            var from = item.mapToItem(window.contentItem, x, 0), to = item.mapToItem(window.contentItem, x + width, height);
            return from.x >= 0 && from.y >= 0 && to.x <= window.minimumWidth && to.y <= window.minimumHeight;
        }
        [0, 100].forEach(function(value) {
            $app.progressValue = value;
            // The badge reaches 3 px past either end of the bar and 195 px
            // below its top; the busy bar, without one, 106 px.
            verify(whole(o.busyBar, 0, o.busyBar.width, 106) && whole(o.progressBar, -3, o.progressBar.width + 6, 195), "bars at " + value);
        });
        verify(o.busyBar.mapToItem(o.progressBar, 0, 106).y < 0, "the bars apart");
        [o.busyBar, o.progressBar].forEach(function(bar) {
            tryVerify(function() {
                TestSupport.grab(bar);
                return TestSupport.average(bar, bar.width / 2 - 80, 4, 160, 24).r > TestSupport.average(bar, bar.width - 160, 4, 160, 24).r + 0.08;
            }, 5000, "the title of " + bar.objectName + " shows");
        });
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
        var o = createWindow(), info = data.open ? { "visible": true } : {};
        ["title", "from", "to"].forEach(function(key) { if (key in data) info[key] = data[key]; });
        $app.busy = data.open ? { "status": true, "reason": data.title } : {};
        $app.progressInfo = info;
        $app.progressValue = data.value;
        tryVerify(function() { return o.busy.opened === data.open && o.progress.opened === data.open; }, 5000, "opened: " + data.open);
        var badge = findChild(o.progressBar, "valueLabel"), control = findChild(o.progressBar, "progressBarControl");
        compare([o.busyBar.title, o.progressBar.title, o.badge.text], [data.shown, data.shown, data.text]);
        fuzzyCompare(findChild(o.progressBar, "indicatorBack").height, data.fill, 1e-3);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-3);
    }

    // Every modal popup takes the keyboard, keeps it (no Tab, Shift+Tab or
    // typed key reaches anything behind it) and gives it back, on closing, to
    // the item that had it. `qml` declares the popup, else `name` finds it;
    // `backend(on)` opens and closes an overlay, the only way to; `space`
    // sends Space as well where it would not press a button that closes.
    function test_modal_data() {
        var chooserModel = "[{ buttonName: 'a', buttonText: 'A', buttonEnabled: true }, "
                + "{ buttonName: 'b', buttonText: 'B', buttonEnabled: false }, { buttonName: 'c', buttonText: 'C', buttonEnabled: true }]";
        function busy(on) { $app.busy = { "status": on, "reason": "Working" }; }
        function progress(on) { $app.progressInfo = { "visible": on, "title": "Scanning", "from": 0, "to": 100 }; }
        return [
            { tag: "message box (the warning)", escapeCloses: true, name: "warningDialog", in: "selectDeviceView" },
            { tag: "ZelkDialog without content", escapeCloses: true, space: true, qml: "ZelkDialog { modal: true; x: 100; y: 100 }" },
            { tag: "ZelkDialog with buttons", escapeCloses: true, space: true,
              qml: "ZelkDialog { modal: true; x: 100; y: 100; Row { y: 80; ZelkButton { text: 'One' } ZelkButton { text: 'Two' } } }" },
            { tag: "feedback form", escapeCloses: true, qml: "UserFeedbackDialog {}" },
            { tag: "busy overlay", space: true, name: "busyIndicatorView", backend: busy },
            { tag: "progress overlay", space: true, name: "progressView", backend: progress },
            { tag: "both overlays", space: true, name: "progressView", backend: function(on) { (on ? [busy, progress] : [progress, busy]).forEach(function(f) { f(on); }); } },
            { tag: "chooser", space: true,
              qml: "ZelkPopupChooseView { modal: true; width: 700; height: 400; buttonWidth: 100; buttonHeight: 100; model: " + chooserModel + " }" }
        ];
    }

    function test_modal(data) {
        var window = createWindow().window;
        window.requestActivate();
        tryVerify(function() { return window.active && window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        // The third model ticked by key, and a text input holding the keyboard.
        // Unclipped: Qt 5.15's batch renderer leaks the clip bookkeeping of a
        // clipped item inside the blurred backdrop's source when the backdrop goes.
        var page = findChild(window.contentItem, "selectDeviceView"), box = findChild(page, "deviceCheckBox2");
        box.forceActiveFocus(Qt.TabFocusReason);
        keyClick(Qt.Key_Space);
        var field = createTemporaryQmlObject(imports + "TextInput { width: 200; height: 30 }", page);
        field.forceActiveFocus(Qt.TabFocusReason);

        if (data.backend)
            data.backend(true);
        popup = data.qml ? createTemporaryQmlObject(imports + data.qml, window.contentItem)
                         : findChild(data.in ? findChild(window.contentItem, data.in) : window.contentItem, data.name);
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
