import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look

PlainButton {
    id: control

    property real borderWidth: 1

    implicitWidth: 204
    implicitHeight: 52
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    // Set, or the host's style would choose them (Material: capitals, medium weight).
    font.capitalization: Font.MixedCase
    font.weight: Font.Normal

    Keys.onReturnPressed: Look.pressByKey(control)
    Keys.onEnterPressed: Look.pressByKey(control)

    contentItem: Text {
        text: control.text
        font: control.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: control.enabled ? ZelkDesign.raisedTextColor : ZelkDesign.raisedDisabledTextColor
        opacity: control.enabled ? 1.0 : 0.3
    }

    background: RaisedFace {
        highlighted: Look.highlighted(control)
        borderWidth: control.borderWidth
        opacity: control.enabled ? 1 : 0.3
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
