import QtQuick 2.9
import "."
import "private"
import "private/mirroring.js" as Mirroring

Item {
    id: root

    property alias from: slider.from
    property alias to: slider.to
    property alias stepSize: slider.stepSize
    property alias value: slider.value
    property string leftLabel: qsTr("Bright")
    property string rightLabel: qsTr("Dark")
    property alias gaugeVisible: gaugeItem.visible
    property bool labelVisible: true
    property bool gaugeValueVisible: false

    signal moved()

    implicitWidth: 860
    implicitHeight: 50
    opacity: enabled ? 1 : 0.3

    SkinnedSlider {
        id: slider

        objectName: "slider"
        anchors.centerIn: parent
        width: root.width - 134
        height: 12
        from: 0.0
        to: 1.0
        stepSize: 0.1
        value: 0.5

        onMoved: root.moved()
    }

    PlainLabel {
        id: leftLabelCtrl

        // At the end where the range starts, which the slider's own mirroring decides.
        x: Mirroring.x(slider.x - width, width, root.width, slider.mirrored)
        anchors.verticalCenter: slider.verticalCenter
        visible: root.labelVisible
        text: root.leftLabel
        color: ZelkDesign.mutedTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 18
    }

    PlainLabel {
        id: rightLabelCtrl

        x: Mirroring.x(slider.x + slider.width, width, root.width, slider.mirrored)
        anchors.verticalCenter: slider.verticalCenter
        visible: root.labelVisible
        text: root.rightLabel
        color: ZelkDesign.mutedTextColor
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 18
    }

    SliderGauge {
        id: gaugeItem

        objectName: "gaugeItem"
        anchors.bottom: root.bottom
        anchors.horizontalCenter: root.horizontalCenter
        width: slider.travel
        height: 13
        from: slider.from
        to: slider.to
        stepSize: slider.stepSize
        value: slider.value
        valuesVisible: root.gaugeValueVisible
        mirrored: slider.mirrored
    }
}
