import QtQuick 2.9
import QtQuick.Controls 2.2
import "."
import "private"
import "private/controlLook.js" as Look

Button {
    id: control

    property real borderWidth: 1

    implicitWidth: 204
    implicitHeight: 52
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Text {
        text: control.text
        font: control.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: control.enabled ? "#c1c1c1" : "#585959"
        opacity: control.enabled ? 1.0 : 0.3
    }

    background: Rectangle {
        border.color: Look.highlighted(control) ? ZelkDesign.themeColor : "#464748"
        border.width: Look.highlighted(control) ? control.borderWidth + 1 : control.borderWidth
        opacity: control.enabled ? 1 : 0.3
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#333436" }
            GradientStop { position: 1.0; color: "#272829" }
        }
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
