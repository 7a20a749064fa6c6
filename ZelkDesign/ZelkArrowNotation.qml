import QtQuick 2.7
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/calloutPaths.js" as CalloutPaths
import "private/outlinePaths.js" as OutlinePaths

Item {
    id: root

    property real margins: 10
    property real arrowHeight: 25
    property string iconSource: ""
    property string notationLarge: qsTr("Too Far")
    property string notationSmall: qsTr("pull down")
    property string notation: ""
    property real backgroundRotation: 0
    property color borderColor: "#f5a623"
    property color backgroundColor: "#362e23"
    property color glowColor: "#aab17c23"
    property color labelColor: "#f4a523"
    property real imageHorizontalOffset: -80
    property bool iconVisible: true
    property Component notationItem: null

    width: 330
    height: 134

    // Repainted when what it draws changes, so a later colour or size shows.
    onMarginsChanged: warnCanvas.requestPaint()
    onArrowHeightChanged: warnCanvas.requestPaint()
    onBorderColorChanged: warnCanvas.requestPaint()
    onBackgroundColorChanged: warnCanvas.requestPaint()
    LayoutMirroring.onEnabledChanged: warnCanvas.requestPaint()

    Canvas {
        id: warnCanvas

        anchors.fill: parent
        // Drawn by its glow, or by itself where effects draw nothing; the glow
        // takes it unturned.
        visible: Renderer.software
        rotation: warnCanvasEffect.rotation

        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d");
            ctx.reset();
            OutlinePaths.trace(ctx, CalloutPaths.callout(width, height, root.margins, root.arrowHeight, root.LayoutMirroring.enabled));
            ctx.lineWidth = 2;
            ctx.lineCap = "butt";
            ctx.strokeStyle = root.borderColor;
            ctx.lineJoin = "miter";
            ctx.stroke();
            // After the stroke, so the fill covers its inner half and the visible border is the outer one.
            ctx.fillStyle = root.backgroundColor;
            ctx.fill();
        }
    }

    Glow {
        id: warnCanvasEffect

        anchors.fill: warnCanvas
        source: warnCanvas
        radius: 10
        spread: 0.2
        color: root.glowColor
        smooth: true
        cached: true
        // Mirrored, the pointer starts on the right and turns the other way.
        rotation: root.LayoutMirroring.enabled ? -root.backgroundRotation : root.backgroundRotation
    }

    Loader {
        id: iconImageCtrlLoader

        objectName: "iconLoader"
        anchors.centerIn: warnCanvas
        anchors.horizontalCenterOffset: root.imageHorizontalOffset
        active: root.iconVisible
        sourceComponent: Image {
            source: root.iconSource
        }
    }

    Loader {
        objectName: "captionLoader"
        anchors.right: warnCanvas.right
        anchors.verticalCenter: warnCanvas.verticalCenter
        width: 200
        height: 90
        active: root.iconVisible && root.notationItem === null
        sourceComponent: Item {
            Text {
                anchors.top: parent.top
                anchors.left: parent.left
                text: root.notationLarge
                color: root.labelColor
                font.family: ZelkDesign.fontFamily
                font.bold: true
                font.pixelSize: 40
            }

            Text {
                anchors.bottom: parent.bottom
                anchors.left: parent.left
                anchors.leftMargin: 2
                text: root.notationSmall
                color: root.labelColor
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 30
            }
        }
    }

    Loader {
        id: messageLoader

        objectName: "messageLoader"
        anchors.fill: parent
        // The pointer's side gets the wider margin.
        anchors.leftMargin: root.backgroundRotation === 0 ? 50 : 25
        anchors.rightMargin: root.backgroundRotation === 180 ? 50 : 25
        anchors.topMargin: 25
        anchors.bottomMargin: 25
        active: !root.iconVisible && root.notationItem === null
        sourceComponent: PlainLabel {
            text: root.notation
            color: root.labelColor
            font.family: ZelkDesign.fontFamily
            font.pixelSize: 25
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    Loader {
        objectName: "customLoader"
        anchors.fill: messageLoader
        active: root.notationItem !== null
        sourceComponent: root.notationItem
    }
}
