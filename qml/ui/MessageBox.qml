import QtQuick 2.8
import QtQuick.Controls 2.3
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

ZelkDialog {
    id: root

    property alias message: msgLabel.text
    property list<ZelkButton> buttons

    visible: false
    modal: true
    closeButtonVisible: false
    // In window coordinates whatever item declares the box.
    parent: Overlay.overlay
    x: parent ? parent.width / 2 - width / 2 : 0
    y: parent ? parent.height / 2 - height / 2 : 0
    width: Math.max(300, buttonsLayout.width + 50)
    height: msgLabel.height + 80 + buttonsLayout.height + 20 + 50

    Component.onCompleted: {
        for (var i = 0; i < buttons.length; ++i)
            buttons[i].parent = buttonsLayout;
    }

    Label {
        id: msgLabel
        objectName: "messageLabel"
        anchors.top: parent.top
        anchors.topMargin: 80
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.right: parent.right
        anchors.rightMargin: 20
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 20
        color: "white"
        // A word longer than the box (a path, an address) breaks rather than
        // running out of it.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        horizontalAlignment: Text.AlignHCenter
    }

    RowLayout {
        id: buttonsLayout
        anchors.top: msgLabel.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
    }
}
