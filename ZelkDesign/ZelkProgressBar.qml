import QtQuick 2.9
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/outlinePaths.js" as Paths
import "private/progressGeometry.js" as Geometry
import "private/accentShades.js" as AccentShades
import "private/mirroring.js" as Mirroring

Item {
    id: root

    property real backRectWidth: root.width - 80
    property real backRectHeight: 16
    property real indicatorBorderWidth: 3
    property alias value: control.value
    property alias from: control.from
    property alias to: control.to
    property alias indeterminate: control.indeterminate
    property alias title: title.text
    property alias titleVisible: title.visible
    property alias valueLabelVisible: valueLabel.visible

    width: 776
    height: 180

    PlainLabel {
        id: title
        x: (root.width - width) / 2
        color: ZelkDesign.brightTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 23
        // Titles come from whatever drives the bar (the backend's state): shown
        // as written, never as markup that could restyle the bar or load images.
        textFormat: Text.PlainText
        text: "Calibrating"
    }

    PlainProgressBar {
        id: control
        objectName: "progressBarControl"

        property real margins: 10
        // Fill length along the track; stays inside it whatever range or value the bar is given.
        // The position, not the visual one: a mirrored fill keeps its length and runs from the right.
        readonly property real fillLength: Geometry.fraction(position) * root.backRectWidth

        x: (root.width - width) / 2
        y: 70
        width: root.backRectWidth + 2 * margins
        height: root.backRectHeight + 2 * margins
        padding: 0
        value: 0.5

        background: Rectangle {
            x: control.margins
            y: control.margins
            width: root.backRectWidth
            height: root.backRectHeight
            border.color: "#444444"
            border.width: 1
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#1a1a1a" }
                GradientStop { position: 1.0; color: "#252525" }
            }
        }

        contentItem: Item {
            // Lies on the track turned by -90 degrees, so its y axis runs along
            // the track from the left end and its gradients run left to right;
            // mirrored, it is turned the other way and all of it runs from the right.
            Item {
                id: indicator
                objectName: "indicator"

                // Where the running segment is, while the bar is indeterminate; the fill
                // reads these instead of its length, so leaving that mode restores it.
                property real segmentStart: 0
                property real segmentLength: 0

                anchors.centerIn: parent
                width: root.backRectHeight
                height: root.backRectWidth
                rotation: control.mirrored ? 90 : -90

                HighlightGlow {
                    anchors.fill: indicatorBack
                    litAlpha: 0x88 / 255
                    shapeRadius: indicatorBack.radius
                }

                Rectangle {
                    id: indicatorBack
                    objectName: "indicatorBack"
                    width: parent.width
                    y: control.indeterminate ? indicator.segmentStart : 0
                    height: control.indeterminate ? indicator.segmentLength : control.fillLength
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: AccentShades.follow(ZelkDesign.themeColor, "#2984d8") }
                        GradientStop { position: 1.0; color: AccentShades.follow(ZelkDesign.themeColor, "#1e91f0") }
                    }
                }

                Rectangle {
                    anchors.fill: indicatorBack
                    anchors.margins: root.indicatorBorderWidth
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: AccentShades.follow(ZelkDesign.themeColor, "#1d4265") }
                        GradientStop { position: 1.0; color: AccentShades.follow(ZelkDesign.themeColor, "#007ee8") }
                    }
                }

                Loader {
                    objectName: "indeterminateLoader"
                    active: control.indeterminate
                    sourceComponent: SequentialAnimation {
                        id: indeterminateAnimation
                        objectName: "indeterminateAnimation"

                        readonly property var figures: Geometry.indeterminateFigures(root.backRectWidth, control.position)
                        readonly property real segment: figures.segment
                        property real speed: figures.speed
                        property int endsDuration: figures.endsDuration
                        readonly property int cycleDuration: figures.cycleDuration

                        function refresh() {
                            if (running)
                                restart();
                        }

                        // A hidden bar must not keep the window rendering frames.
                        running: root.visible
                        loops: Animation.Infinite

                        // A running group keeps the durations and ends it started with;
                        // restart once the steps' own bindings have taken the new figures.
                        onFiguresChanged: Qt.callLater(indeterminateAnimation.refresh)

                        ScriptAction {
                            script: {
                                indicator.segmentStart = 0;
                                indicator.segmentLength = 0;
                            }
                        }
                        NumberAnimation {
                            target: indicator
                            property: "segmentLength"
                            from: 0
                            to: segment
                            duration: endsDuration
                        }
                        NumberAnimation {
                            target: indicator
                            property: "segmentStart"
                            from: 0
                            to: root.backRectWidth - segment
                            duration: Geometry.slideDuration
                        }
                        ParallelAnimation {
                            NumberAnimation {
                                target: indicator
                                property: "segmentLength"
                                to: 0
                                duration: endsDuration
                            }
                            NumberAnimation {
                                target: indicator
                                property: "segmentStart"
                                to: root.backRectWidth
                                duration: endsDuration
                            }
                        }
                    }
                }
            }
        }
    }

    OutlineCanvas {
        id: valueLabel
        objectName: "valueLabel"

        property real margins: 4

        x: control.x + control.margins + Mirroring.x(control.fillLength - width / 2, width, root.backRectWidth, control.mirrored)
        y: control.y + control.height + 3
        width: 78 + 2 * margins
        height: 78 + 2 * margins
        path: Paths.polygon(Geometry.badgeOutline(width, height, margins, 22, 16))
        fillColor: AccentShades.follow(ZelkDesign.themeColor, "#184669")
        strokeColor: ZelkDesign.themeColor
        lineWidth: root.indicatorBorderWidth

        PlainLabel {
            objectName: "valueText"
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 8
            color: ZelkDesign.brightTextColor
            font.family: ZelkDesign.fontFamily
            font.pointSize: 18
            font.bold: true
            text: Geometry.percentText(control.position)
        }
    }
}
