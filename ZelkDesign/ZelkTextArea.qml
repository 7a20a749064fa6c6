import QtQuick 2.9
import QtQuick.Controls 2.2
import "."
import "private"
import "private/controlLook.js" as Look

TextArea {
    id: control

    placeholderText: qsTr("Enter description")

    background: SunkenFrame {
        shadowColor: "#1a1a1a"
        shadowHorizontalOffset: control.focus ? 0 : 2
        borderColor: control.focus ? ZelkDesign.themeColor : "#484848"
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
