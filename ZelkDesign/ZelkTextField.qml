import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look

PlainTextField {
    id: control

    implicitWidth: 90
    implicitHeight: 42
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    color: enabled ? ZelkDesign.textColor : ZelkDesign.disabledTextColor
    selectByMouse: true
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter

    background: SunkenFrame {
        shadowColor: ZelkDesign.fieldShadowColor
        borderColor: control.focus ? ZelkDesign.themeColor : ZelkDesign.fieldBorderColor
    }

    FieldPlaceholder {
        field: control
        horizontalAlignment: control.horizontalAlignment
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
