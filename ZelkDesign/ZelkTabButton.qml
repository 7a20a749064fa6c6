import QtQuick 2.7
import "."
import "private"
import "private/controlLook.js" as Look
import "private/defaultStyle.js" as DefaultStyle

PlainTabButton {
    id: control

    height: parent ? parent.height : implicitHeight
    // The Default style's font, whatever the host's style.
    font: DefaultStyle.controlFont(Qt.application.font)

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Text {
        text: control.text
        font.family: "Arial"
        font.pointSize: 15
        opacity: control.enabled ? 1.0 : 0.3
        color: control.checked ? ZelkDesign.themeColor : "#747474"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        color: "transparent"
    }

    // Tabs touch their neighbours, so the ring stays inside the tab.
    FocusFrame {
        shown: Look.keyboardFocus(control)
        gap: -4
    }
}
