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

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Component {
        id: dialogComponent
        ZelkDialog {
            x: 100
            y: 150
        }
    }

    SignalSpy {
        id: closedSpy
        signalName: "closed"
    }

    function openDialog(props) {
        props = props || {};
        props.parent = testCase;
        var dialog = createTemporaryObject(dialogComponent, testCase, props);
        dialog.open();
        tryCompare(dialog, "opened", true);
        waitForRendering(testCase);
        mouseMove(testCase, 790, 690);
        return dialog;
    }

    // Drags on the window, in its coordinates: the dialog moves under the pointer.
    function drag(dialog, fromX, fromY, dx, dy) {
        var x = dialog.x + fromX;
        var y = dialog.y + fromY;
        mousePress(testCase, x, y);
        mouseMove(testCase, x + dx / 2, y + dy / 2);
        mouseMove(testCase, x + dx, y + dy);
        mouseRelease(testCase, x + dx, y + dy);
    }

    function test_drag_data() {
        return [
            { tag: "by the title strip", from: [100, 30], by: [40, -25], moved: [40, -25] },
            { tag: "by the strip's lower edge", from: [200, 58], by: [-60, 90], moved: [-60, 90] },
            { tag: "below the strip", from: [200, 120], by: [40, -25], moved: [0, 0] },
            { tag: "on the close button", from: [440, 35], by: [-100, 100], moved: [0, 0] },
            { tag: "without a close button, at the corner", closeButtonVisible: false, from: [440, 35], by: [-100, 100], moved: [-100, 100] }
        ];
    }

    function test_drag(data) {
        var dialog = openDialog({ closeButtonVisible: data.closeButtonVisible !== false });
        drag(dialog, data.from[0], data.from[1], data.by[0], data.by[1]);
        compare(dialog.x, 100 + data.moved[0]);
        compare(dialog.y, 150 + data.moved[1]);
        verify(dialog.opened);
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
        drag(dialog, 100, 30, data.by[0], data.by[1]);
        compare(dialog.x, data.at[0]);
        compare(dialog.y, data.at[1]);
        // And it can still be taken back.
        drag(dialog, 100, 30, data.back[0], data.back[1]);
        compare(dialog.x, data.at[0] + data.back[0]);
        compare(dialog.y, data.at[1] + data.back[1]);
    }

    // The cross's centre, in the dialog, is the close button's centre moved 2 left and 2 down.
    readonly property point crossCentre: Qt.point(476 - 5 - 59 / 2 - 2, 5 + 30 + 2)

    function crossColour(dialog) {
        TestSupport.grab(testCase);
        return TestSupport.average(testCase, dialog.x + crossCentre.x - 1, dialog.y + crossCentre.y - 1, 2, 2);
    }

    function test_closeButton() {
        var dialog = openDialog();
        closedSpy.target = dialog;
        closedSpy.clear();
        tryVerify(function() { return TestSupport.near(crossColour(dialog), "#b7b7b7", 12); }, 3000, "grey cross at rest");
        mouseMove(testCase, dialog.x + crossCentre.x + 10, dialog.y + crossCentre.y);
        tryVerify(function() { return TestSupport.near(crossColour(dialog), "#2e91ed", 12); }, 3000, "blue cross under the pointer");
        mouseMove(testCase, dialog.x + 200, dialog.y + 200);
        tryVerify(function() { return TestSupport.near(crossColour(dialog), "#b7b7b7", 12); }, 3000, "grey again once left");
        mouseClick(testCase, dialog.x + crossCentre.x, dialog.y + crossCentre.y);
        tryCompare(closedSpy, "count", 1);
        verify(!dialog.visible);
    }

    function test_noCloseButton() {
        var dialog = openDialog({ closeButtonVisible: false });
        mouseMove(testCase, dialog.x + crossCentre.x, dialog.y + crossCentre.y);
        waitForRendering(testCase);
        // The title band runs on: no frame, no cross, the band's own colour.
        verify(TestSupport.grab(testCase));
        var band = TestSupport.average(testCase, dialog.x + 200, dialog.y + 50, 4, 4);
        var corner = TestSupport.average(testCase, dialog.x + crossCentre.x - 1, dialog.y + 50, 2, 2);
        verify(TestSupport.near(corner, band, 4), corner + " vs " + band);
        mouseClick(testCase, dialog.x + crossCentre.x, dialog.y + crossCentre.y);
        verify(dialog.opened);
    }

    function test_closePolicy() {
        var dialog = openDialog();
        mouseClick(testCase, 700, 650);
        verify(dialog.opened, "a press outside leaves it open");
        dialog.forceActiveFocus();
        dialog.contentItem.forceActiveFocus();
        keyClick(Qt.Key_Escape);
        tryCompare(dialog, "visible", false);
    }
}
