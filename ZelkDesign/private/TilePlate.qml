import QtQuick 2.9
import ".."

// The glowing, blue-framed plate that marks the current tile or tab.
Item {
    id: root

    property real radius: 0
    property real glowRadius: 15
    property real glowAlpha: 0.5
    property color topColor: "#212121"
    property color bottomColor: "#090909"
    readonly property alias plate: currentBackRect
    readonly property alias glow: handleEffect

    HighlightGlow {
        id: handleEffect
        anchors.fill: currentBackRect
        litRadius: root.glowRadius
        litAlpha: root.glowAlpha
        shapeRadius: root.radius
    }

    Rectangle {
        id: currentBackRect
        anchors.fill: parent
        radius: root.radius
        border.color: ZelkDesign.themeColor
        border.width: 3
        gradient: Gradient {
            GradientStop { position: 0.0; color: root.topColor }
            GradientStop { position: 1.0; color: root.bottomColor }
        }
    }
}
