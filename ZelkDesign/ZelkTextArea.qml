import QtQuick 2.9
import QtQuick.Controls 2.2
import "."
import "private"
import "private/controlLook.js" as Look

TextArea {
    id: control

    placeholderText: qsTr("Enter description")
    opacity: enabled ? 1 : 0.3

    background: SunkenFrame {
        shadowColor: ZelkDesign.fieldShadowColor
        shadowHorizontalOffset: control.focus ? 0 : 2
        borderColor: control.focus ? ZelkDesign.themeColor : ZelkDesign.fieldBorderColor
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
