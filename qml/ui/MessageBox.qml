import QtQuick 2.8
import QtQuick.Controls 2.3
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

ZelkDialog {
    id: root

    property alias message: msgLabel.text
    property list<ZelkButton> buttons

    function centredX() {
        return parent ? parent.width / 2 - width / 2 : 0;
    }

    function centredY() {
        return parent ? parent.height / 2 - height / 2 : 0;
    }

    visible: false
    modal: true
    closeButtonVisible: false
    // In window coordinates whatever item declares the box.
    parent: Overlay.overlay
    x: centredX()
    y: centredY()
    width: Math.max(300, buttonsLayout.width + 50)
    height: msgLabel.height + 80 + buttonsLayout.height + 20 + 50

    Component.onCompleted: {
        for (var i = 0; i < buttons.length; ++i)
            buttons[i].parent = buttonsLayout;
    }

    // A drag replaces the centring bindings; each opening brings them back,
    // so the box never reopens where it was left (perhaps outside a window
    // made smaller since). The first button is the default one: it holds
    // the focus, so Return or Space presses it.
    onAboutToShow: {
        x = Qt.binding(centredX);
        y = Qt.binding(centredY);
        if (buttons.length > 0)
            buttons[0].focus = true;
    }

    // Placed by the box's own size rather than anchored to the content item,
    // which a window being destroyed may take away before the box.
    Label {
        id: msgLabel
        objectName: "messageLabel"
        x: 20
        y: 80
        width: root.availableWidth - 40
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
        x: (root.availableWidth - width) / 2
        y: msgLabel.y + msgLabel.height + 20
    }
}
