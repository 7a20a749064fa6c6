import QtQuick 2.7
import "."
import "private"
import "private/controlLook.js" as Look

Item {
    id: root

    property alias order: orderText.text
    property alias content: contentText.text

    height: 35

    Text {
        id: orderText

        anchors.left: root.left
        anchors.verticalCenter: root.verticalCenter
        width: 50
        text: "a."
        // Set, so that a mirrored layout puts the mark at its outer end.
        horizontalAlignment: Text.AlignLeft
        color: ZelkDesign.textColor
        font.family: "Arial"
        font.bold: true
        font.pointSize: 22
    }

    PlainTextArea {
        id: contentText

        anchors.left: orderText.right
        anchors.right: root.right
        anchors.verticalCenter: root.verticalCenter
        text: qsTr("Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua.")
        color: ZelkDesign.textColor
        font.family: "Arial"
        font.pointSize: 15
        wrapMode: TextEdit.WordWrap

        FocusFrame {
            shown: Look.keyboardFocus(contentText)
        }
    }
}
