import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look
import "private/mirroring.js" as Mirroring

PlainRadioButton {
    id: control

    property real margins: 10
    property real indicatorItemWidth: 24
    property real indicatorItemHeight: 24

    width: indicatorItemWidth + 2 * margins
    height: indicatorItemHeight + 2 * margins
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 16

    indicator: SunkenFrame {
        x: Mirroring.x(0, width, control.width, control.mirrored)
        y: control.height / 2 - height / 2
        width: control.indicatorItemWidth
        height: control.indicatorItemHeight
        radius: width / 2
        glowRadius: 5
        fillColor: control.checked ? ZelkDesign.themeColor : ZelkDesign.fieldColor
        shadowHorizontalOffset: control.checked ? 0 : 2
        shadowColor: control.checked ? "#88000000" : "#aa000000"
        overShadow: FocusFrame {
            shown: Look.keyboardFocus(control)
            shapeRadius: control.indicatorItemWidth / 2
        }

        Rectangle {
            id: checkedMarkCanvas
            anchors.centerIn: parent
            width: control.indicatorItemWidth * 0.5
            height: width
            radius: width / 2
            color: ZelkDesign.accentMarkColor
            visible: control.checked
        }
    }

    contentItem: Text {
        // Beside the indicator on whichever side that leaves; a set alignment
        // turns with the layout's mirroring, so the text then ends at the indicator.
        leftPadding: control.mirrored ? 0 : control.indicator.width + 10
        rightPadding: control.mirrored ? control.indicator.width + 10 : 0
        horizontalAlignment: Text.AlignLeft
        text: control.text
        font: control.font
        color: ZelkDesign.textColor
        verticalAlignment: Text.AlignVCenter
        opacity: control.enabled ? 1.0 : 0.3
    }
}
