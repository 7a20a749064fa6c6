import QtQuick 2.9
import ".."

// The raised face of the library's push buttons: a dark vertical gradient in
// a thin frame that turns to the accent, and grows, while highlighted.
Rectangle {
    id: face

    property bool highlighted: false
    property real borderWidth: 1
    property real highlightedBorderWidth: borderWidth + 1
    property color borderColor: ZelkDesign.raisedBorderColor
    property color topColor: ZelkDesign.raisedTopColor
    property color bottomColor: ZelkDesign.raisedBottomColor

    border.color: highlighted ? ZelkDesign.themeColor : borderColor
    border.width: highlighted ? highlightedBorderWidth : borderWidth
    gradient: Gradient {
        GradientStop { position: 0.0; color: face.topColor }
        GradientStop { position: 1.0; color: face.bottomColor }
    }
}
