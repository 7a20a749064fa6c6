import QtQuick 2.9
import "."
import "private"

// Turned upside down so that the lowest value stands at the top.
Item {
    id: root

    property alias from: slider.from
    property alias to: slider.to
    property alias stepSize: slider.stepSize
    property alias value: slider.value
    property string upperLabel: qsTr("High")
    property string lowerLabel: qsTr("Low")
    property string unit: qsTr("mm")

    implicitWidth: 83
    implicitHeight: 480
    opacity: enabled ? 1 : 0.3

    SkinnedSlider {
        id: slider

        objectName: "slider"
        anchors.left: root.left
        anchors.leftMargin: 10
        anchors.verticalCenter: root.verticalCenter
        width: 30
        height: 380
        orientation: Qt.Vertical
        rotation: 180
        from: 0.7
        to: 3.0
        stepSize: 0.1
        value: 2.0
    }

    PlainLabel {
        id: highLabel

        anchors.horizontalCenter: slider.horizontalCenter
        anchors.bottom: slider.top
        text: root.upperLabel
        color: ZelkDesign.mutedTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 18
    }

    PlainLabel {
        id: lowLabel

        anchors.horizontalCenter: slider.horizontalCenter
        anchors.top: slider.bottom
        text: root.lowerLabel
        color: ZelkDesign.mutedTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 18
    }

    PlainLabel {
        id: unitLabel

        anchors.right: root.right
        anchors.verticalCenter: highLabel.verticalCenter
        text: root.unit
        color: ZelkDesign.mutedTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 15
    }

    SliderGauge {
        id: gaugeItem

        objectName: "gaugeItem"
        anchors.left: slider.right
        anchors.leftMargin: -5
        anchors.verticalCenter: slider.verticalCenter
        width: 56
        height: slider.travel
        vertical: true
        // Beside the groove on the side its anchors put it.
        mirrored: root.LayoutMirroring.enabled
        from: slider.from
        to: slider.to
        stepSize: slider.stepSize
        value: slider.value
    }
}
