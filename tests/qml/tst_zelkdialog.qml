import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

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

    function placeOf(dialog) {
        var at = dialog.parent.mapToItem(testCase, dialog.x, dialog.y);
        return [at.x, at.y];
    }

    function dragTo(dialog, from, by, at) {
        mouseDrag(testCase, placeOf(dialog)[0] + from[0], placeOf(dialog)[1] + from[1], by[0], by[1]);
        compare(placeOf(dialog), at);
    }

    // Only the title strip drags, not where the close button takes the press,
    // exactly, wherever the dialog was declared. Dragged out of the window, a
    // (modal) dialog could never be grabbed back: 80 px of the strip's
    // draggable part stay in the window, the rest is free to leave.
    function test_drag_data() {
        var by = [40, -25];
        return [
            { tag: "by the title strip", from: [100, 30], by: by, at: [140, 125] },
            { tag: "on the close button", from: [440, 35], by: by, at: [100, 150] },
            { tag: "without a close button", closeButtonVisible: false, from: [440, 35], by: by, at: [140, 125] },
            { tag: "up and left", from: [400, 30], by: [-900, -900], at: [0, 0], back: [50, 20] },
            { tag: "down and right", from: [20, 30], by: [900, 900], at: [800 - 80, 700 - 60], back: [-50, -20] },
            { tag: "declared in a small item, down and right", inBox: true, from: [20, 30], by: [900, 900], at: [800 - 80, 700 - 60], back: [-50, -20] }
        ];
    }

    function test_drag(data) {
        var props = { modal: data.back !== undefined, closeButtonVisible: data.closeButtonVisible !== false };
        if (data.inBox)
            props.parent = createTemporaryObject(boxComponent, testCase);
        var dialog = openDialog(props);
        dragTo(dialog, data.from, data.by, data.at);
        if (data.back)
            dragTo(dialog, data.from, data.back, [data.at[0] + data.back[0], data.at[1] + data.back[1]]);
    }

    // Not modal, in a plain window: the dialog takes the keyboard, Escape
    // closes it, and the item that had the keyboard before has it again.
    function test_keyboard() {
        var behind = createTemporaryQmlObject("import ZelkDesign 1.0; ZelkButton { x: 600; y: 600 }", testCase);
        behind.forceActiveFocus(Qt.TabFocusReason);
        var dialog = openDialog({});
        tryVerify(function() { return dialog.activeFocus; });
        keyClick(Qt.Key_Escape);
        tryCompare(dialog, "visible", false);
        verify(behind.activeFocus, "the keyboard is back where it was");
    }
}
