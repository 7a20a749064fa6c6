import QtQuick 2.9
import QtTest 1.2

// Texts far longer than any control was sized for, in every component that
// shows one: each is elided, wrapped or left whole as that component
// promises, and none makes a layout loop or any other warning.
TestCase {
    id: testCase
    name: "LongTexts"
    when: windowShown
    visible: true
    width: 800
    height: 800

    readonly property string longText: new Array(12).join("a caption that no control was sized for ") + "END"
    readonly property string unbroken: new Array(200).join("W")
    readonly property string imports: "import QtQuick 2.9; import QtQuick.Controls 2.2; import ZelkDesign 1.0; import 'qrc:/ui'; "

    // The text item showing `needle`, searched through children and, for a
    // popup, through its item.
    function findText(object, needle) {
        if (!object)
            return null;
        if (object.text === needle && object.lineCount !== undefined)
            return object;
        var kids = object.children ? object.children : [];
        for (var i = 0; i < kids.length; ++i) {
            var found = findText(kids[i], needle);
            if (found)
                return found;
        }
        if (object.contentItem && object.contentItem.parent && object.contentItem.parent !== object)
            return findText(object.contentItem.parent, needle);
        return null;
    }

    // `qml` declares the component with the text `%1` in it; `mode` is what
    // the component promises for a text that does not fit: "elide", "wrap",
    // or "whole" (sized to the text, neither cut nor broken).
    function test_longText_data() {
        return [
            { tag: "ZelkButton", mode: "elide", qml: "ZelkButton { width: 200; text: %1 }" },
            { tag: "ZelkBigButton", mode: "elide", qml: "ZelkBigButton { text: %1 }" },
            { tag: "ZelkTabButton", mode: "elide", qml: "ZelkTabButton { width: 150; text: %1 }" },
            { tag: "ZelkBigSwitch", mode: "elide", qml: "ZelkBigSwitch { width: 300; text: %1 }" },
            { tag: "ZelkTabBar title", mode: "elide", qml: "ZelkTabBar { width: 400; height: 60; tabs: [%1, 'Two'] }" },
            { tag: "ZelkArrowButtonGroup label", mode: "elide",
              qml: "ZelkArrowButtonGroup { model: ListModel { Component.onCompleted: { append({ buttonLabel: %1, buttonName: 'a' }); append({ buttonLabel: 'B', buttonName: 'b' }) } } }" },
            { tag: "ZelkChooseComboBox entry", mode: "elide", popup: true,
              qml: "ZelkChooseComboBox { width: 300; height: 50; model: [%1, 'Two'] }" },
            { tag: "MessageBox message", mode: "wrap", qml: "MessageBox { width: 400; message: %1; visible: true }" },
            { tag: "MessageBox unbroken message", mode: "wrap", unbroken: true,
              qml: "MessageBox { width: 400; message: %1; visible: true }" },
            { tag: "ZelkNotation content", mode: "wrap", qml: "ZelkNotation { width: 500; order: 'a.'; content: %1 }" },
            { tag: "ZelkArrowNotation message", mode: "wrap", qml: "ZelkArrowNotation { width: 500; height: 300; iconVisible: false; notation: %1 }" },
            { tag: "ZelkLabel", mode: "whole", qml: "ZelkLabel { text: %1 }" },
            { tag: "ZelkIconTextButton", mode: "whole", qml: "ZelkIconTextButton { text: %1 }" },
            { tag: "ZelkCheckBox", mode: "whole", qml: "ZelkCheckBox { text: %1 }" },
            { tag: "ZelkDialog title", mode: "whole", qml: "ZelkDialog { title: %1; visible: true }" },
            { tag: "ZelkProgressBar title", mode: "whole", qml: "ZelkProgressBar { title: %1 }" },
            { tag: "ZelkRectNotation caption", mode: "whole", qml: "ZelkRectNotation { notationLarge: %1 }" },
            { tag: "ZelkStepBar name", mode: "whole",
              qml: "ZelkStepBar { width: 800; model: ListModel { Component.onCompleted: { append({ name: %1, info: 'Done' }); append({ name: 'Two', info: '' }) } } }" },
            { tag: "ZelkToolBar label", mode: "whole",
              qml: "ZelkToolBar { x: 500; showLabels: true; model: [{ buttonName: 'a', label: %1, normalImageSource: 'qrc:/images/cross.png' }] }" },
            { tag: "ZelkExpandableToolPanel title", mode: "whole", qml: "ZelkExpandableToolPanel { title: %1; expanded: true }" },
            { tag: "DeviceStepView tab name", mode: "whole", qml: "DeviceStepView { width: 740; height: 700; devices: [%1, 'Two'] }" }
        ];
    }

    function test_longText(data) {
        var text = data.unbroken ? unbroken : longText;
        var object = createTemporaryQmlObject(imports + data.qml.replace("%1", JSON.stringify(text)), testCase);
        verify(object);
        if (data.popup) {
            object.popup.open();
            tryCompare(object.popup, "opened", true);
        }
        if (object.opened !== undefined)
            tryCompare(object, "opened", true);
        waitForRendering(testCase);

        var shown = findText(data.popup ? object.popup : object, text);
        verify(shown, "no text item shows the long text");
        var inner = shown.width - (shown.leftPadding || 0) - (shown.rightPadding || 0);
        switch (data.mode) {
        case "elide":
            verify(shown.truncated, "not elided");
            verify(shown.contentWidth <= inner + 1, shown.contentWidth + " > " + inner);
            compare(shown.lineCount, 1);
            break;
        case "wrap":
            verify(shown.lineCount > 2, "not wrapped: " + shown.lineCount + " line(s)");
            verify(shown.contentWidth <= inner + 1, shown.contentWidth + " > " + inner);
            if (shown.truncated !== undefined)
                verify(!shown.truncated);
            break;
        default:
            if (shown.truncated !== undefined)
                verify(!shown.truncated);
            compare(shown.lineCount, 1);
            verify(shown.contentWidth > 2000, "cut to " + shown.contentWidth);
        }

        if (data.popup)
            object.popup.close();
        if (object.opened !== undefined) {
            object.close();
            tryCompare(object, "visible", false);
        }
    }

    // The box grows with its message and the buttons stay under it, inside the box.
    function test_messageBoxGrows() {
        var box = createTemporaryQmlObject(imports + "MessageBox { width: 400; message: 'Short.'; visible: true; "
                                           + "buttons: [ ZelkButton { objectName: 'ok'; text: 'OK' } ] }", testCase);
        tryCompare(box, "opened", true);
        var ok = findChild(box.contentItem.parent, "ok");
        var shortHeight = box.height;
        box.message = longText + " " + unbroken;
        waitForRendering(testCase);
        var label = findText(box, box.message);
        verify(box.height > shortHeight + 5 * label.font.pixelSize, box.height + " vs " + shortHeight);
        compare(box.height, label.height + 80 + ok.height + 20 + 50);
        var okInBox = ok.mapToItem(box.contentItem.parent, 0, ok.height);
        verify(okInBox.y <= box.height, "button below the box");
        box.close();
        tryCompare(box, "visible", false);
    }
}
