import QtQuick 2.9
import QtQuick.Controls 2.2
import "private"
import "private/controlLook.js" as Look

Button {
    id: control

    property string normalIconSource: ""
    property string activeIconSource: ""

    width: 51
    height: 51
    spacing: 0
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
