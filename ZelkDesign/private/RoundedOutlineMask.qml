import QtQuick 2.9
import QtGraphicalEffects 1.0
import "outlinePaths.js" as Paths

// Shows its children (plain rectangular layers) only inside a rectangle
// inset by `margins` whose top corners are rounded by `radius`.
Item {
    id: root

    default property alias layers: layerItem.data
    readonly property alias layerItem: layerItem
    property real radius: 10
    property real margins: 0
    property bool roundTopLeft: true
    property bool roundTopRight: true

    Item {
        id: layerItem
        anchors.fill: parent
        // Where effects draw nothing the layers show plainly, corners square.
        visible: Renderer.software
    }

    OutlineCanvas {
        id: mask
        anchors.fill: parent
        visible: false
        fillColor: "white"
        path: Paths.topOutline(width, height, root.radius, root.margins, root.roundTopLeft, root.roundTopRight, true)
    }

    OpacityMask {
        anchors.fill: parent
        source: layerItem
        maskSource: mask
    }
}
