import QtQuick 2.9
import ".."

// The library's one sign of keyboard focus: a ring in the accent colour a
// little outside the item it is placed in. Controls bind `shown` to their
// `visualFocus` (drawn items to an active focus that only keys can give), so
// a click never shows it and every control keeps its mouse look.
Rectangle {
    property bool shown: false
    // How far the ring stands outside the framed item.
    property real gap: 3
    // Corner radius of the framed item; the ring follows it at its distance.
    property real shapeRadius: 0

    anchors.fill: parent
    anchors.margins: -gap
    visible: shown
    radius: shapeRadius > 0 ? shapeRadius + gap : 0
    color: "transparent"
    border.color: ZelkDesign.themeColor
    border.width: 2
}
