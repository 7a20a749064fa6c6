import QtQuick 2.7
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/mirroring.js" as Mirroring

Item {
    id: root

    property string iconSource: ""
    property string notationLarge: qsTr("Too Far")
    property string notationSmall: qsTr("pull down")
    // Accepted for symmetry with ZelkArrowNotation; a rectangle shows its captions instead.
    property string notation: ""
    property color borderColor: "#f5a623"
    property color backgroundColor: "#362e23"
    property color glowColor: "#aab17c23"
    property color labelColor: "#f4a523"
    property real imageHorizontalOffset: -90
    property bool iconVisible: true
    property Component notationItem: null
    property real notationLargeFontSize: 40
    property real notationSmallFontSize: 30

    implicitWidth: 295
    implicitHeight: 130

    RectangularGlow {
        id: contentRectGlowEffect

        anchors.fill: contentRect
        glowRadius: 10
        spread: 0.2
        color: root.glowColor
        cornerRadius: glowRadius
    }

    Rectangle {
        id: contentRect

        anchors.fill: parent
        color: root.backgroundColor
        border.color: root.borderColor
        border.width: 1
    }

    Loader {
        id: iconImageCtrlLoader

        objectName: "iconLoader"
        anchors.centerIn: contentRect
        anchors.horizontalCenterOffset: root.imageHorizontalOffset
        active: root.iconVisible
        sourceComponent: Image {
            source: root.iconSource
        }
    }

    Loader {
        objectName: "captionLoader"
        x: Mirroring.x(root.iconVisible ? contentRect.width - width : (contentRect.width - width) / 2, width, contentRect.width,
                       root.LayoutMirroring.enabled)
        anchors.verticalCenter: contentRect.verticalCenter
        width: 200
        height: 90
        active: root.notationItem === null
        sourceComponent: Item {
            Text {
                id: notationLargeCtrl

                anchors.top: parent.top
                anchors.left: parent.left
                anchors.right: parent.right
                text: root.notationLarge
                color: root.labelColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                font.family: ZelkDesign.fontFamily
                font.bold: true
                font.pixelSize: root.notationLargeFontSize
            }

            Text {
                anchors.top: notationLargeCtrl.bottom
                anchors.bottom: parent.bottom
                anchors.left: parent.left
                anchors.right: parent.right
                text: root.notationSmall
                color: root.labelColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                font.family: ZelkDesign.fontFamily
                font.pixelSize: root.notationSmallFontSize
            }
        }
    }

    Loader {
        objectName: "customLoader"
        anchors.fill: parent
        anchors.margins: 25
        active: root.notationItem !== null
        sourceComponent: root.notationItem
    }
}
