import QtQuick 2.9
import QtQuick.Controls 2.3
import QtTest 1.2
import "qrc:/ui"

// Every modal popup of the system, open over the real main window: it takes
// the keyboard, keeps it (no Tab, Shift+Tab or typed key reaches anything
// behind it) and gives it back, on closing, to the item that had it.
TestCase {
    id: testCase
    name: "Modality"
    when: windowShown

    readonly property string imports: "import QtQuick 2.9; import QtQuick.Controls 2.3; import ZelkDesign 1.0; import 'qrc:/ui'; "

    Component { id: mainViewComponent; MainView {} }

    // A window destroyed under an open modal popup takes its backdrop down
    // badly: whatever a failed test left open is closed first.
    property var popup: null

    function cleanup() {
        $app.busy = { "status": false };
        $app.progressInfo = { "visible": false };
        if (popup)
            popup.close();
        popup = null;
    }

    // The window at page 0 with its third model ticked by key, and a text
    // input behind the popups holding the keyboard.
    function prepareWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        window.requestActivate();
        tryVerify(function() { return window.active && window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        var page = findChild(window.contentItem, "selectDeviceView");
        var w = { window: window, page: page, box: findChild(page, "deviceCheckBox2") };
        w.box.forceActiveFocus(Qt.TabFocusReason);
        keyClick(Qt.Key_Space);
        verify(w.box.checked);
        // Unclipped: Qt 5.15's batch renderer leaks the clip bookkeeping of a
        // clipped item inside the blurred backdrop's source when the backdrop goes.
        w.field = createTemporaryQmlObject(imports + "TextInput { width: 200; height: 30 }", page);
        w.field.forceActiveFocus(Qt.TabFocusReason);
        return w;
    }

    function isInside(ancestor, item) {
        for (var i = item; i; i = i.parent) {
            if (i === ancestor)
                return true;
        }
        return false;
    }

    // open(w) opens the popup and returns it; close(w, popup) closes it the
    // way its user would. `escapeCloses`: whether Escape does. `space`:
    // whether Space is among the keys sent while it is open (not where it
    // would press the focused button that closes the popup).
    function test_popup_data() {
        var chooserModel = "[{ buttonName: 'a', buttonText: 'A', buttonEnabled: true }, "
                + "{ buttonName: 'b', buttonText: 'B', buttonEnabled: false }, { buttonName: 'c', buttonText: 'C', buttonEnabled: true }]";
        function declared(qml) {
            return function(w) {
                var popup = createTemporaryQmlObject(imports + qml, w.window.contentItem);
                popup.open();
                return popup;
            };
        }
        function byClose(w, popup) { popup.close(); }
        return [
            { tag: "message box (the warning)", escapeCloses: true,
              open: function(w) {
                  var box = findChild(w.page, "warningDialog");
                  box.open();
                  return box;
              } },
            { tag: "ZelkDialog without content", escapeCloses: true, space: true,
              open: declared("ZelkDialog { modal: true; x: 100; y: 100 }") },
            { tag: "ZelkDialog with buttons", escapeCloses: true, space: true,
              open: declared("ZelkDialog { modal: true; x: 100; y: 100; Row { y: 80; ZelkButton { text: 'One' } ZelkButton { text: 'Two' } } }") },
            { tag: "feedback form", escapeCloses: true,
              open: declared("UserFeedbackDialog {}") },
            { tag: "busy overlay", space: true,
              open: function(w) {
                  $app.busy = { "status": true, "reason": "Working" };
                  return findChild(w.window.contentItem, "busyIndicatorView");
              },
              close: function() { $app.busy = { "status": false }; } },
            { tag: "progress overlay", space: true,
              open: function(w) {
                  $app.progressInfo = { "visible": true, "title": "Scanning", "from": 0, "to": 100 };
                  return findChild(w.window.contentItem, "progressView");
              },
              close: function() { $app.progressInfo = { "visible": false }; } },
            { tag: "both overlays", space: true,
              open: function(w) {
                  $app.busy = { "status": true, "reason": "Working" };
                  $app.progressInfo = { "visible": true, "title": "Scanning", "from": 0, "to": 100 };
                  return findChild(w.window.contentItem, "progressView");
              },
              close: function() { $app.progressInfo = { "visible": false }; $app.busy = { "status": false }; } },
            { tag: "chooser", space: true,
              open: declared("ZelkPopupChooseView { modal: true; width: 700; height: 400; buttonWidth: 100; buttonHeight: 100; model: " + chooserModel + " }"),
              close: byClose }
        ];
    }

    function test_popup(data) {
        var w = prepareWindow();
        popup = data.open(w);
        tryCompare(popup, "opened", true);
        tryVerify(function() { return popup.activeFocus; }, 3000, "the popup takes the keyboard");
        var top = popup.contentItem.parent;
        var keys = [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab,
                    Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_Backtab,
                    Qt.Key_Backtab, Qt.Key_Backtab, Qt.Key_X, Qt.Key_Y];
        keys.forEach(function(key, i) {
            keyClick(key);
            if (data.space && key !== Qt.Key_X && key !== Qt.Key_Y)
                keyClick(Qt.Key_Space);
            verify(isInside(top, w.window.activeFocusItem), "key " + i + " left the popup for " + w.window.activeFocusItem);
            verify(popup.opened, "key " + i + " closed the popup");
        });
        compare([w.box.checked, w.field.text, w.page.enabled, findChild(w.window.contentItem, "swipeView").currentIndex],
                [true, "", true, 0], "nothing behind the popup changed");

        keyClick(Qt.Key_Escape);
        if (data.escapeCloses) {
            tryCompare(popup, "visible", false);
        } else {
            waitForRendering(w.window.contentItem);
            verify(popup.opened, "Escape closed it");
            data.close(w, popup);
            tryCompare(popup, "visible", false);
        }
        tryCompare(w.window, "activeFocusItem", w.field);
        compare(w.box.checked, true);
    }
}
