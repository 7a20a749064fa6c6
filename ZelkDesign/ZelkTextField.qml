import QtQuick 2.9
import QtQuick.Controls 2.2
import "."
import "private"
import "private/controlLook.js" as Look

TextField {
    id: control

    implicitWidth: 90
    implicitHeight: 42
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    color: enabled ? "#9b9b9b" : "#3F3F3F"
    selectByMouse: true
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter

    background: SunkenFrame {
        shadowColor: "#1a1a1a"
        borderColor: control.focus ? ZelkDesign.themeColor : "#484848"
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
