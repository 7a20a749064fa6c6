import QtQuick 2.9
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

    Component {
        id: dialogComponent
        ZelkDialog {
            x: 100
            y: 150
            parent: testCase

            ZelkButton { objectName: "inside"; y: 200; text: "OK" }
        }
    }

    function openDialog(props) {
        var dialog = createTemporaryObject(dialogComponent, testCase, props);
        dialog.open();
        tryCompare(dialog, "opened", true);
        mouseMove(testCase, 790, 690);
        return dialog;
    }

    // Drags on the window from a point of the dialog; checks where it lands.
    function dragTo(dialog, from, by, at) {
        var x = dialog.x + from[0], y = dialog.y + from[1];
        mousePress(testCase, x, y);
        mouseMove(testCase, x + by[0] / 2, y + by[1] / 2);
        mouseMove(testCase, x + by[0], y + by[1]);
        mouseRelease(testCase, x + by[0], y + by[1]);
        compare([dialog.x, dialog.y], at);
    }

    // Only the title strip drags, and not where the close button takes the press.
    function test_drag_data() {
        return [
            { tag: "by the title strip", from: [100, 30], at: [140, 125] },
            { tag: "on the close button", from: [440, 35], at: [100, 150] },
            { tag: "without a close button", closeButtonVisible: false, from: [440, 35], at: [140, 125] }
        ];
    }

    function test_drag(data) {
        dragTo(openDialog({ closeButtonVisible: data.closeButtonVisible !== false }), data.from, [40, -25], data.at);
    }

    // A dialog dragged out of the window could never be grabbed back; a modal
    // one would then block everything. Its title strip stays inside instead.
    function test_dragKeepsTheStripInside_data() {
        return [
            { tag: "up and left", by: [-600, -600], at: [0, 0], back: [50, 20] },
            { tag: "down and right", by: [900, 900], at: [800 - 476, 700 - 60], back: [-50, -20] }
        ];
    }

    function test_dragKeepsTheStripInside(data) {
        var dialog = openDialog({ modal: true });
        dragTo(dialog, [100, 30], data.by, data.at);
        dragTo(dialog, [100, 30], data.back, [data.at[0] + data.back[0], data.at[1] + data.back[1]]);
    }

    // The cross, which lights up under the pointer, and Escape with the focus
    // inside close the dialog; a press outside leaves it open.
    function test_closing_data() {
        return [
            { tag: "the cross", closes: true },
            { tag: "Escape", key: Qt.Key_Escape, closes: true },
            { tag: "a press outside", at: [700, 650], closes: false }
        ];
    }

    function test_closing(data) {
        var dialog = openDialog({});
        var cross = Qt.point(dialog.x + 476 - 5 - 59 / 2 - 2, dialog.y + 5 + 30 + 2);
        if (data.key) {
            findChild(dialog.contentItem, "inside").forceActiveFocus();
            keyClick(data.key);
        } else if (data.at) {
            mouseClick(testCase, data.at[0], data.at[1]);
        } else {
            var crossIs = function(colour) {
                return TestSupport.grab(testCase)
                    && TestSupport.near(TestSupport.average(testCase, cross.x - 1, cross.y - 1, 2, 2), colour, 12);
            };
            tryVerify(function() { return crossIs("#b7b7b7"); }, 3000, "grey cross at rest");
            mouseMove(testCase, cross.x + 10, cross.y);
            tryVerify(function() { return crossIs("#2e91ed"); }, 3000, "blue cross under the pointer");
            mouseClick(testCase, cross.x, cross.y);
        }
        tryCompare(dialog, "visible", !data.closes);
    }
}
