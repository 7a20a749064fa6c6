import QtQuick 2.9
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/controlLook.js" as Look
import "private/mirroring.js" as Mirroring

PlainButton {
    id: control

    property string activeIcon
    property string inactiveIcon

    width: 246
    height: 52
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 16
    // Set, or the host's style would choose them (Material: capitals, medium weight).
    font.capitalization: Font.MixedCase
    font.weight: Font.Normal

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Item {
        Image {
            id: buttonIconCtrl
            anchors.verticalCenter: parent.verticalCenter
            x: Mirroring.x(20, width, parent.width, control.mirrored)
            source: control.enabled ? control.activeIcon : control.inactiveIcon
            visible: !control.enabled || Renderer.software
        }

        Glow {
            anchors.fill: buttonIconCtrl
            source: buttonIconCtrl
            radius: 8
            spread: 0.1
            color: "#5585ff00"
            smooth: true
            cached: true
            visible: control.enabled
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            // Placed rather than anchored, so that it follows the icon however the button is mirrored.
            x: Mirroring.x(20 + buttonIconCtrl.width + 20, width, parent.width, control.mirrored)
            text: control.text
            font: control.font
            color: control.enabled ? "#c5c5c5" : "#5b5b5b"
        }
    }

    background: RaisedFace {
        highlighted: Look.highlighted(control)
        borderColor: "#525354"
        topColor: "#333536"
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
