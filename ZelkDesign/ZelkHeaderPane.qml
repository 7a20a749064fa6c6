import QtQuick 2.9
import "."
import "private"

Item {
    id: root

    property real radius: 10
    property real headerHeight: 59
    property color boundaryColor: "#4c4c4d"
    property alias contentItem: contentItem
    property alias headerItem: headerItem
    property alias realHeaderItem: realBackgroundItem.layerItem

    width: 690
    height: 428

    RoundedOutlineMask {
        id: realBackgroundItem
        anchors.fill: parent
        radius: root.radius

        // Turned a quarter so that its vertical gradient runs from left to right.
        Rectangle {
            x: root.width / 2 - root.headerHeight / 2
            y: -root.width / 2 + root.headerHeight / 2
            width: root.headerHeight
            height: root.width
            rotation: -90
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#171818" }
                GradientStop { position: 1.0; color: "#2a2a2b" }
            }
        }
    }

    Item {
        id: headerItem
        anchors.top: root.top
        anchors.left: root.left
        anchors.right: root.right
        height: root.headerHeight
    }

    Rectangle {
        id: contentItem
        anchors.top: headerItem.bottom
        anchors.left: root.left
        anchors.right: root.right
        anchors.bottom: root.bottom
        color: "transparent"
        border.color: root.boundaryColor
        border.width: 2
    }
}
