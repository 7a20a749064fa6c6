import QtQuick 2.9
import QtQuick.Templates 2.15 as T
import QtGraphicalEffects 1.0
import QtQuick.Layouts 1.3
import ".."
import "accentShades.js" as AccentShades
import "controlLook.js" as Look
import "keyNavigation.js" as Nav
import "defaultStyle.js" as DefaultStyle

// The dark skin all the library's sliders wear: a rounded groove whose blue
// fill runs from its start to the handle, and a disc handle with a grip. The
// groove reaches one pixel beyond the travel of the handle's centre at each end.
PlainSlider {
    id: control

    property real handleRadius: 15
    property real backgroundRadius: 6
    readonly property bool isVertical: orientation === Qt.Vertical
    // How far the handle's centre moves from `from` to `to`: the length of a gauge drawn beside it.
    readonly property real travel: (isVertical ? availableHeight : availableWidth) - 2 * handleRadius

    // The Default style's font, whatever the host's style.
    font: DefaultStyle.controlFont(Qt.application.font)
    snapMode: T.Slider.SnapAlways

    // The arrows are the base's own; these keys go on as a desktop slider's do.
    Keys.onPressed: function(event) {
        var target = Nav.sliderValue(event.key, value, from, to, stepSize);
        if (target === null)
            return;
        event.accepted = true;
        if (target !== value) {
            value = target;
            moved();
        }
    }

    background: Item {
        x: control.isVertical ? control.leftPadding + control.availableWidth / 2 - width / 2
                            : control.leftPadding + control.handleRadius - 1
        y: control.isVertical ? control.topPadding + control.handleRadius - 1
                            : control.topPadding + control.availableHeight / 2 - height / 2
        width: control.isVertical ? 2 * control.backgroundRadius : control.travel + 2
        height: control.isVertical ? control.travel + 2 : 2 * control.backgroundRadius

        // Laid out lengthwise and turned for a vertical slider, so that base and
        // fill gradients run across the groove in both orientations; the other
        // way round when mirrored, so that they run across it from the right.
        Item {
            id: innerItem
            anchors.centerIn: parent
            width: control.isVertical ? parent.height : parent.width
            height: control.isVertical ? parent.width : parent.height
            rotation: control.isVertical ? (control.mirrored ? -90 : 90) : 0

            Rectangle {
                id: innerBack
                anchors.fill: parent
                radius: control.backgroundRadius
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#111111" }
                    GradientStop { position: 1.0; color: "#1a1a1a" }
                }
            }

            // The fill is the whole groove's gradient cut off at the handle; a
            // clip does that in the scene graph itself, with no offscreen pass.
            // Mirrored, it runs from the far end of the turned groove: the
            // right of a horizontal one, the same end of a vertical one.
            Item {
                id: innerFill
                x: control.mirrored ? parent.width - width : 0
                width: (control.mirrored && !control.isVertical ? 1 - control.visualPosition : control.visualPosition) * parent.width
                height: parent.height
                clip: true

                Rectangle {
                    x: -innerFill.x
                    width: innerItem.width
                    height: innerItem.height
                    radius: control.backgroundRadius
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: AccentShades.follow(ZelkDesign.themeColor, "#184876") }
                        GradientStop { position: 0.25; color: AccentShades.follow(ZelkDesign.themeColor, "#1a4d7c") }
                        GradientStop { position: 0.5; color: AccentShades.follow(ZelkDesign.themeColor, "#4c96dc") }
                        GradientStop { position: 1.0; color: ZelkDesign.themeColor }
                    }
                }
            }
        }

        Rectangle {
            id: border
            anchors.fill: parent
            color: "transparent"
            border.color: ZelkDesign.frameColor
            border.width: 2
            radius: Math.min(width, height) / 2
        }
    }

    handle: Item {
        x: control.isVertical ? control.leftPadding + control.availableWidth / 2 - width / 2
                            : control.leftPadding + control.visualPosition * (control.availableWidth - width)
        y: control.isVertical ? control.topPadding + control.visualPosition * (control.availableHeight - height)
                            : control.topPadding + control.availableHeight / 2 - height / 2
        width: 2 * control.handleRadius
        height: width
        // Undoes a turn of the whole slider, so the light falls from above and
        // the shadow drops downward however the slider is mounted.
        rotation: -control.rotation

        Rectangle {
            id: handleBackSource
            anchors.fill: parent
            // Drawn by its shadow, or by itself where effects draw nothing.
            visible: Renderer.software
            radius: width / 2
            border.color: ZelkDesign.frameColor
            border.width: 2
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#2e2e2e" }
                GradientStop { position: 1.0; color: "#0d0d0d" }
            }
        }

        DropShadow {
            anchors.fill: handleBackSource
            source: handleBackSource
            horizontalOffset: 0
            verticalOffset: 3
            radius: 10
            samples: 17
            color: "#aa0c0c0c"
            spread: 0.3
            cached: true
        }

        RowLayout {
            id: vLineRow
            anchors.centerIn: parent
            spacing: 2

            Repeater {
                model: 3
                delegate: vLineComp
            }
        }

        Component {
            id: vLineComp

            Rectangle {
                implicitWidth: 4
                implicitHeight: 12
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#545454" }
                    GradientStop { position: 1.0; color: "#2b2b2b" }
                }

                Rectangle {
                    anchors.centerIn: parent
                    width: 2
                    height: 10
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: "#2c2c2c" }
                        GradientStop { position: 0.33; color: "#373737" }
                        GradientStop { position: 1.0; color: "#1b1b1b" }
                    }
                }
            }
        }

        FocusFrame {
            shown: Look.keyboardFocus(control)
            shapeRadius: control.handleRadius
        }
    }
}
