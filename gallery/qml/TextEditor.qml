import QtQuick 2.9
import ZelkDesign 1.0

// A text property. Bind `text` to the property and write it back in onTextEdited.
Row {
    id: editor

    property string label
    property alias text: field.text
    property alias fieldWidth: field.width

    signal textEdited()

    spacing: 10
    height: 34

    Text {
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        text: editor.label
        color: "#9b9b9b"
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 14
    }

    ZelkTextField {
        id: field
        width: 150
        height: 34
        font.pixelSize: 15
        horizontalAlignment: TextInput.AlignLeft
        leftPadding: 8
        onTextEdited: editor.textEdited()
    }
}
