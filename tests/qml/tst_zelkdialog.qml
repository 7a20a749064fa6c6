import QtQuick 2.9
import QtQuick.Window 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "ZelkDialog"
    when: windowShown
    visible: true
    width: 800
    height: 700

    Component { id: dialogComponent; ZelkDialog { x: 100; y: 150; parent: testCase } }
    Component { id: boxComponent; Item { x: 300; y: 200; width: 100; height: 100 } }

    function openDialog(props) {
        var dialog = createTemporaryObject(dialogComponent, testCase, props);
        dialog.open();
        tryCompare(dialog, "opened", true);
        mouseMove(testCase, 790, 690);
        return dialog;
    }

    // The dialog's top-left corner in the window.
    function placeOf(dialog) {
        var at = dialog.parent.mapToItem(testCase, dialog.x, dialog.y);
        return [at.x, at.y];
    }

    // Drags on the window from a point of the dialog; checks where it lands in the window.
    function dragTo(dialog, from, by, at) {
        var x = placeOf(dialog)[0] + from[0], y = placeOf(dialog)[1] + from[1];
        mousePress(testCase, x, y);
        mouseMove(testCase, x + by[0] / 2, y + by[1] / 2);
        mouseMove(testCase, x + by[0], y + by[1]);
        mouseRelease(testCase, x + by[0], y + by[1]);
        compare(placeOf(dialog), at);
    }

    // Only the title strip drags, and not where the close button takes the
    // press; the drag is exact, wherever the dialog was declared.
    function test_drag_data() {
        return [
            { tag: "by the title strip", from: [100, 30], at: [140, 125] },
            { tag: "on the close button", from: [440, 35], at: [100, 150] },
            { tag: "without a close button", closeButtonVisible: false, from: [440, 35], at: [140, 125] },
            { tag: "declared in a small item", inBox: true, from: [100, 30], at: [440, 325] }
        ];
    }

    function test_drag(data) {
        var props = { closeButtonVisible: data.closeButtonVisible !== false };
        if (data.inBox)
            props.parent = createTemporaryObject(boxComponent, testCase);
        dragTo(openDialog(props), data.from, [40, -25], data.at);
    }

    // A dialog dragged out of the window could never be grabbed back; a modal
    // one would then block everything. Its title strip stays in the window
    // (not in the item that declares it), 80 px of its draggable part at
    // least, the rest free to leave. (Qt itself keeps a popup's left and top
    // edges in the window.)
    function test_dragKeepsTheStripInside_data() {
        return [
            { tag: "up and left", by: [-900, -900], at: [0, 0], back: [50, 20] },
            { tag: "down and right", by: [900, 900], at: [800 - 80, 700 - 60], back: [-50, -20] },
            { tag: "declared in a small item, up and left", inBox: true, by: [-900, -900], at: [0, 0], back: [50, 20] },
            { tag: "declared in a small item, down and right", inBox: true, by: [900, 900], at: [800 - 80, 700 - 60], back: [-50, -20] }
        ];
    }

    function test_dragKeepsTheStripInside(data) {
        var props = { modal: true };
        if (data.inBox)
            props.parent = createTemporaryObject(boxComponent, testCase);
        var dialog = openDialog(props);
        // The grabbed point stays on the strip's draggable part, within the window.
        var from = data.by[0] < 0 ? [400, 30] : [20, 30];
        dragTo(dialog, from, data.by, data.at);
        dragTo(dialog, from, data.back, [data.at[0] + data.back[0], data.at[1] + data.back[1]]);
    }

    // The cross lights up under the pointer and closes the dialog; presses
    // outside leave it open.
    function test_closing() {
        var dialog = openDialog({});
        var cross = Qt.point(dialog.x + 476 - 5 - 59 / 2 - 2, dialog.y + 5 + 30 + 2);
        var crossIs = function(colour) {
            return TestSupport.grab(testCase)
                && TestSupport.near(TestSupport.average(testCase, cross.x - 1, cross.y - 1, 2, 2), colour, 12);
        };
        tryVerify(function() { return crossIs("#b7b7b7"); }, 3000, "grey cross at rest");
        mouseMove(testCase, cross.x + 10, cross.y);
        tryVerify(function() { return crossIs("#2e91ed"); }, 3000, "blue cross under the pointer");
        mouseClick(testCase, 700, 650);
        verify(dialog.opened, "a press outside leaves it open");
        mouseClick(testCase, cross.x, cross.y);
        tryCompare(dialog, "visible", false);
    }

    // In a plain window too: the dialog takes the keyboard, Tab and
    // Shift+Tab stay among its buttons, Escape closes it, and the item that
    // had the keyboard before has it again.
    function test_keyboard() {
        var behind = createTemporaryQmlObject("import ZelkDesign 1.0; ZelkButton { x: 600; y: 600 }", testCase);
        behind.forceActiveFocus(Qt.TabFocusReason);
        var dialog = openDialog({});
        createTemporaryQmlObject("import ZelkDesign 1.0; ZelkButton { objectName: 'one'; y: 80 }", dialog.contentItem);
        createTemporaryQmlObject("import ZelkDesign 1.0; ZelkButton { objectName: 'two'; y: 140 }", dialog.contentItem);
        tryVerify(function() { return dialog.activeFocus; });
        var focused = [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Backtab].map(function(key) {
            keyClick(key);
            return behind.Window.activeFocusItem.objectName;
        });
        compare(focused, ["one", "two", "one", "two", "one"]);
        keyClick(Qt.Key_Escape);
        tryCompare(dialog, "visible", false);
        verify(behind.activeFocus, "the keyboard is back where it was");
    }
}
