import QtQuick 2.9
import QtGraphicalEffects 1.0
import ".."

// The library's sunken field: a soft black glow around a framed well whose
// flat fill lies under an inner shadow. Children are drawn on the fill, so
// the shadow falls over them too.
Item {
    id: root

    default property alias marks: src.data
    // Drawn over the shadow but under the border, such as dividing lines.
    property alias overShadow: overShadowItem.data
    readonly property alias frame: boundaryRect
    property real frameMargins: 0
    property real radius: 0
    property color borderColor: ZelkDesign.frameColor
    property real borderWidth: 2
    property color fillColor: ZelkDesign.fieldColor
    property real glowRadius: 0
    property real glowCornerRadius: radius + glowRadius
    property real shadowHorizontalOffset: 2
    property real shadowVerticalOffset: 5
    property real shadowRadius: 10
    property color shadowColor: "#aa000000"

    RectangularGlow {
        anchors.fill: boundaryRect
        visible: root.glowRadius > 0
        glowRadius: root.glowRadius
        cornerRadius: root.glowCornerRadius
        spread: 0.2
        color: "black"
    }

    Item {
        id: src
        anchors.fill: boundaryRect

        Rectangle {
            anchors.centerIn: parent
            width: parent.width - 2
            height: parent.height - 2
            radius: root.radius
            color: root.fillColor
        }
    }

    InsetShadow {
        anchors.fill: src
        shapeInset: 1
        shapeRadius: root.radius
        samples: 32
        horizontalOffset: root.shadowHorizontalOffset
        verticalOffset: root.shadowVerticalOffset
        radius: root.shadowRadius
        color: root.shadowColor
    }

    Item {
        id: overShadowItem
        anchors.fill: boundaryRect
    }

    Rectangle {
        id: boundaryRect
        anchors.fill: parent
        anchors.margins: root.frameMargins
        color: "transparent"
        radius: root.radius
        border.color: root.borderColor
        border.width: root.borderWidth
    }
}
