import QtQuick 2.9
import QtGraphicalEffects 1.0
import ".."

// The blue halo of a highlighted or current shape. Unlit, it falls back to
// the rest radius and colour (none by default).
RectangularGlow {
    property bool lit: true
    property real litRadius: 10
    property real litAlpha: 0.5
    property real restRadius: 0
    property color restColor: "transparent"
    property real shapeRadius: 0

    glowRadius: lit ? litRadius : restRadius
    cornerRadius: shapeRadius + glowRadius
    spread: 0.2
    color: lit ? ZelkDesign.semiTransparent(ZelkDesign.themeColor, litAlpha) : restColor
}
