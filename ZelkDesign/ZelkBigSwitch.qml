import QtQuick 2.9
import QtQuick.Layouts 1.3
import "."
import "private"
import "private/controlLook.js" as Look
import "private/mirroring.js" as Mirroring
import "private/defaultStyle.js" as DefaultStyle

PlainSwitch {
    id: control

    // The label's font, as the Default style gives it, whatever the host's style.
    font: DefaultStyle.controlFont(Qt.application.font)

    indicator: Item {
        x: control.mirrored ? control.width - width - control.rightPadding : control.leftPadding
        y: control.height / 2 - height / 2
        implicitWidth: 135
        implicitHeight: 58

        SunkenFrame {
            id: track
            anchors.fill: parent
            frameMargins: 3
            radius: 12
            glowRadius: 3
            borderColor: "#515151"
            shadowHorizontalOffset: 0
            shadowVerticalOffset: 0
            shadowRadius: 16
            shadowColor: "#000000"
        }

        // The state shows only in where the knob stands: it glows blue either way.
        Item {
            id: handle
            objectName: "knob"
            x: Mirroring.x(control.checked ? track.frame.x + track.frame.width - width + 2 : track.frame.x - 2, width, parent.width, control.mirrored)
            y: parent.height / 2 - height / 2
            width: 70
            height: track.frame.height

            Behavior on x {
                NumberAnimation { duration: 100 }
            }

            HighlightGlow {
                anchors.fill: handleRect
                litRadius: 15
                litAlpha: 0x88 / 255
                shapeRadius: handleRect.radius
            }

            Rectangle {
                id: handleRect
                anchors.fill: parent
                radius: track.radius
                border.color: ZelkDesign.themeColor
                border.width: 3
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#272727" }
                    GradientStop { position: 0.33; color: "#2e2e2e" }
                    GradientStop { position: 1.0; color: "#0c0c0c" }
                }
            }

            RowLayout {
                id: vLineRow
                anchors.centerIn: parent

                Repeater {
                    model: 3
                    delegate: vLineComp
                }
            }
        }

        // Over the knob's glow, on the indicator's edge: 3 px around the track's frame.
        FocusFrame {
            shown: Look.keyboardFocus(control)
            gap: 0
            shapeRadius: track.radius + track.frameMargins
        }

        Component {
            id: vLineComp

            Rectangle {
                implicitWidth: 5
                implicitHeight: 24
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#545454" }
                    GradientStop { position: 1.0; color: "#2b2b2b" }
                }

                Rectangle {
                    anchors.centerIn: parent
                    width: 3
                    height: 22
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: "#2c2c2c" }
                        GradientStop { position: 0.33; color: "#373737" }
                        GradientStop { position: 1.0; color: "#1b1b1b" }
                    }
                }
            }
        }
    }
}
