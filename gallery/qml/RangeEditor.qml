import QtQuick 2.9
import QtQuick.Controls 2.2
import ZelkDesign 1.0

// A numeric property: caption, slider and the value. Bind `value` to the
// property and write it back in onMoved.
Row {
    id: editor

    property string label
    property alias from: slider.from
    property alias to: slider.to
    property alias stepSize: slider.stepSize
    property alias value: slider.value
    property int decimals: stepSize >= 1 ? 0 : 2
    property real labelWidth: 84
    property real sliderWidth: 92

    signal moved()

    spacing: 8
    height: 30

    Text {
        anchors.verticalCenter: parent.verticalCenter
        width: editor.labelWidth
        text: editor.label
        elide: Text.ElideRight
        color: "#9b9b9b"
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 13
    }

    ZelkHPureSlider {
        id: slider
        anchors.verticalCenter: parent.verticalCenter
        width: editor.sliderWidth
        snapMode: stepSize > 0 ? Slider.SnapAlways : Slider.NoSnap
        onMoved: editor.moved()
    }

    Text {
        anchors.verticalCenter: parent.verticalCenter
        width: 26
        text: slider.value.toFixed(editor.decimals)
        color: "#c1c1c1"
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 14
    }
}
