import QtQuick 2.7
import QtQuick.Controls 2.2

TabButton {
    id: control

    height: parent ? parent.height : implicitHeight

    contentItem: Text {
        text: control.text
        font.family: "Arial"
        font.pointSize: 15
        opacity: control.enabled ? 1.0 : 0.3
        color: control.checked ? "#2e91ed" : "#747474"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        color: "transparent"
    }
}
