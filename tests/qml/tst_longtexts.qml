import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0

// Texts far longer than any control was sized for, one component of each
// kind: each is elided, wrapped or left whole as that component promises,
// and none makes a layout loop or any other warning.
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

    // The text item showing `needle`, among the children and a popup's item.
    function findText(object, needle) {
        if (!object || (object.text === needle && object.lineCount !== undefined))
            return object || null;
        var kids = Array.prototype.slice.call(object.children || []);
        if (object.contentItem && object.contentItem.parent && object.contentItem.parent !== object)
            kids.push(object.contentItem.parent);
        return kids.reduce(function(found, kid) { return found || findText(kid, needle); }, null);
    }

    // `qml` declares the component with the text `%1` in it; `mode` is what
    // it promises for a text that does not fit: "elide", "wrap", or "whole"
    // (sized to the text, neither cut nor broken).
    function test_longText_data() {
        return [
            { tag: "ZelkButton", mode: "elide", qml: "ZelkButton { width: 200; text: %1 }" },
            { tag: "ZelkTabBar title", mode: "elide", qml: "ZelkTabBar { width: 400; height: 60; tabs: [%1, 'Two'] }" },
            { tag: "ZelkArrowButtonGroup label", mode: "elide",
              qml: "ZelkArrowButtonGroup { model: ListModel { Component.onCompleted: { append({ buttonLabel: %1, buttonName: 'a' }); append({ buttonLabel: 'B', buttonName: 'b' }) } } }" },
            { tag: "ZelkChooseComboBox entry", mode: "elide", popup: true, qml: "ZelkChooseComboBox { width: 300; height: 50; model: [%1, 'Two'] }" },
            // A word longer than the box breaks rather than running out of it,
            // and the box grows to keep its buttons under the text.
            { tag: "MessageBox unbroken message", mode: "wrap", unbroken: true, buttonBelow: true,
              qml: "MessageBox { width: 400; message: %1; visible: true; buttons: [ ZelkButton { objectName: 'ok'; text: 'OK' } ] }" },
            { tag: "ZelkNotation content", mode: "wrap", qml: "ZelkNotation { width: 500; order: 'a.'; content: %1 }" },
            { tag: "ZelkDialog title", mode: "whole", qml: "ZelkDialog { title: %1; visible: true }" },
            { tag: "ZelkStepBar name", mode: "whole",
              qml: "ZelkStepBar { width: 800; model: ListModel { Component.onCompleted: { append({ name: %1, info: 'Done' }); append({ name: 'Two', info: '' }) } } }" },
            { tag: "ZelkToolBar label", mode: "whole",
              qml: "ZelkToolBar { x: 500; showLabels: true; model: [{ buttonName: 'a', label: %1, normalImageSource: 'qrc:/images/cross.png' }] }" },
            { tag: "ZelkExpandableToolPanel title", mode: "whole", qml: "ZelkExpandableToolPanel { title: %1; expanded: true }" },
            { tag: "DeviceStepView tab name", mode: "elide", qml: "DeviceStepView { width: 740; height: 700; devices: [%1, 'Two'] }" }
        ];
    }

    function test_longText(data) {
        var text = data.unbroken ? unbroken : longText;
        var object = createTemporaryQmlObject(imports + data.qml.replace("%1", JSON.stringify(text)), testCase);
        var popup = data.popup ? object.popup : object, shown = null;
        if (data.popup)
            popup.open();
        tryVerify(function() { return popup.opened !== false && (shown = findText(popup, text)) !== null; }, 5000, "no text item shows the long text");
        // A grab polishes and draws the window now; waiting for a frame
        // would wait in vain when the search above already saw it drawn.
        verify(TestSupport.grab(testCase), "window drawn");
        var inner = shown.width - (shown.leftPadding || 0) - (shown.rightPadding || 0);
        compare(!!shown.truncated, data.mode === "elide", "elided");
        verify(data.mode === "wrap" ? shown.lineCount > 2 : shown.lineCount === 1, shown.lineCount + " line(s)");
        verify(data.mode === "whole" ? shown.contentWidth > 2000 : shown.contentWidth <= inner + 1, "text " + shown.contentWidth + " wide, room " + inner);
        // The buttons' row takes its height when it is polished, and the box
        // its own from that, which may take the window one more pass.
        var ok = data.buttonBelow && findChild(popup.contentItem.parent, "ok");
        tryVerify(function() { return !data.buttonBelow || ok.height > 0 && ok.mapToItem(popup.contentItem.parent, 0, ok.height).y <= popup.height; }, 2000, "button below the box");
        if (popup.opened) {
            popup.close();
            tryCompare(popup, "visible", false);
        }
    }
}
