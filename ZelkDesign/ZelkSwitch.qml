import QtQuick 2.9
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/controlLook.js" as Look
import "private/mirroring.js" as Mirroring
import "private/defaultStyle.js" as DefaultStyle

PlainSwitch {
    id: control

    property real margins: 10
    property real indicatorItemWidth: 42
    property real indicatorItemHeight: 24

    implicitWidth: 95 + 2 * margins
    implicitHeight: indicatorItemHeight + 2 * margins
    leftPadding: 0
    // The Default style's font, whatever the host's style.
    font: DefaultStyle.controlFont(Qt.application.font)

    indicator: Item {
        x: Mirroring.x(labelText.width + 15, width, control.width, control.mirrored)
        y: control.height / 2 - height / 2
        width: control.indicatorItemWidth
        height: control.indicatorItemHeight

        SunkenFrame {
            id: track
            anchors.fill: parent
            radius: height / 2
            glowRadius: 2
            fillColor: control.checked ? ZelkDesign.themeColor : ZelkDesign.fieldColor

            Behavior on fillColor {
                ColorAnimation { duration: 100 }
            }
        }

        RectangularGlow {
            anchors.fill: handle
            glowRadius: 2
            cornerRadius: handle.radius + glowRadius
            spread: 0.2
            color: "black"
        }

        // Overhangs the track by 2 px at either end; follows `checked`, not the pointer.
        Rectangle {
            id: handle
            objectName: "knob"
            x: Mirroring.x(control.checked ? track.frame.x + track.frame.width - width + 2 : track.frame.x - 2, width, parent.width, control.mirrored)
            y: parent.height / 2 - height / 2
            width: control.indicatorItemHeight
            height: width
            radius: width / 2
            color: "#3f3f3f"
            border.width: 2
            border.color: ZelkDesign.frameColor

            Behavior on x {
                NumberAnimation { duration: 100 }
            }
        }

        // Over the knob's shadow, which reaches past the track.
        FocusFrame {
            shown: Look.keyboardFocus(control)
            shapeRadius: track.radius
        }
    }

    contentItem: Item {
        Text {
            id: labelText
            // Mirrored against the control's edges, not the content area's: the paddings differ.
            x: Mirroring.x(control.leftPadding, width, control.width, control.mirrored) - control.leftPadding
            y: parent.height / 2 - height / 2
            width: contentWidth
            height: contentHeight
            text: control.text
            font.family: ZelkDesign.fontFamily
            font.pixelSize: 16
            color: ZelkDesign.textColor
            verticalAlignment: Text.AlignVCenter
            opacity: control.enabled ? 1.0 : 0.3
        }
    }
}
