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
    // Bound by the user to the property on show; handlers of `moved` read the
    // slider's new value from the signal's parameter of the same name.
    property real value
    property int decimals: stepSize >= 1 ? 0 : 2
    property real labelWidth: 84
    property real sliderWidth: 92

    signal moved(real value)

    // A binding is not re-evaluated when only the range changes, so a value
    // clamped while the range was still empty would stay clamped.
    function follow() {
        slider.value = Qt.binding(function() { return editor.value; });
    }

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
        value: editor.value
        onMoved: editor.moved(value)
        onFromChanged: editor.follow()
        onToChanged: editor.follow()
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
