import QtQuick 2.8
import QtGraphicalEffects 1.0

Item {
    id: root

    property alias bluredTarget: blur.source

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    RecursiveBlur {
        id: blur
        anchors.fill: parent
        radius: 5
        loops: 25
    }

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.2
    }
}
