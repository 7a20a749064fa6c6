import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look

PlainButton {
    id: control

    property real margins: 10
    property real backgroundWidth: 412
    property real backgroundHeight: 412
    property string iconSource

    width: backgroundWidth + 2 * margins
    height: backgroundHeight + 2 * margins
    hoverEnabled: true
    spacing: 0
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    // Set, or the host's style would choose them (Material: capitals, medium weight).
    font.capitalization: Font.MixedCase
    font.weight: Font.Normal

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Item {
        anchors.fill: parent

        Image {
            id: iconCtrl
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -25
            source: control.iconSource
        }

        HighlightTextGlow {
            anchors.fill: labelCtrl
            source: labelCtrl
            visible: Look.highlighted(control)
        }

        PlainLabel {
            id: labelCtrl
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: iconCtrl.bottom
            anchors.topMargin: 30
            text: control.text
            font.family: ZelkDesign.fontFamily
            font.pixelSize: 23
            font.bold: true
            color: Look.highlighted(control) ? ZelkDesign.lightAccentColor : ZelkDesign.brightTextColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            visible: !Look.highlighted(control) || Renderer.software
        }
    }

    background: Item {
        HighlightGlow {
            anchors.fill: backRect
            lit: Look.highlighted(control)
            restRadius: 3
            restColor: "#1c1c1c"
        }

        Rectangle {
            id: backRect
            anchors.centerIn: parent
            width: control.backgroundWidth
            height: control.backgroundHeight
            border.color: Look.highlighted(control) ? ZelkDesign.themeColor : ZelkDesign.frameColor
            border.width: Look.highlighted(control) ? 3 : 2
            opacity: control.enabled ? 1 : 0.3
            gradient: Gradient {
                GradientStop { position: 0.0; color: Look.highlighted(control) ? "#252525" : "#2c2c2c" }
                GradientStop { position: 1.0; color: Look.highlighted(control) ? "#080808" : "#161616" }
            }

            // Around the face, inside the margins the glow takes.
            FocusFrame {
                shown: Look.keyboardFocus(control)
            }
        }
    }
}
