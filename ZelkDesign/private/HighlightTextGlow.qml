import QtQuick 2.9
import QtGraphicalEffects 1.0
import ".."

// Draws a caption in its own colour on a blue halo; the caption itself is
// meant to be hidden while this shows it, except under Renderer.software,
// where no effect draws anything.
Glow {
    radius: 8
    spread: 0.1
    color: ZelkDesign.semiTransparent(ZelkDesign.themeColor, 0.8)
    smooth: true
    cached: true
}
