import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look
import "private/defaultStyle.js" as DefaultStyle

PlainButton {
    id: control

    property string normalIconSource: ""
    property string activeIconSource: ""

    width: 51
    height: 51
    spacing: 0
    // The Default style's font, whatever the host's style.
    font: DefaultStyle.controlFont(Qt.application.font)
    checkable: true

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Item {
        opacity: control.enabled ? 1 : 0.3

        Image {
            anchors.centerIn: parent
            source: control.normalIconSource
            visible: !control.hovered && !control.checked
        }

        Image {
            anchors.centerIn: parent
            source: control.activeIconSource
            visible: control.hovered || control.checked
        }
    }

    background: Item {}

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
