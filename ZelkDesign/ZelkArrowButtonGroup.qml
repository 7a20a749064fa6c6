import QtQuick 2.7
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/calloutPaths.js" as CalloutPaths
import "private/keyNavigation.js" as Nav
import "private/mirroring.js" as Mirroring
import "private/outlinePaths.js" as OutlinePaths

// One stop of the Tab key, on the current button. Left, Right, Home and End
// choose another button as a click on it does; Space or Return presses the
// current one again.
FocusScope {
    id: root

    property real buttonWidth: 206
    property real buttonHeight: 58
    property real arrowHeight: 15
    property real arrowWidth: 22
    property string currentButtonName: ""
    property ListModel model: null
    property int currentIndex: 0

    signal clicked(string buttonName)

    // Adds the plate's outline, inset by `margins`, to the context's path.
    function drawArrowBackground(ctx, margins) {
        OutlinePaths.trace(ctx, CalloutPaths.plate(width, height, margins, arrowHeight, arrowWidth));
    }

    width: buttonWidth * (model ? model.count : 0)
    height: buttonHeight + arrowHeight
    opacity: enabled ? 1 : 0.3
    // Dimmed as one picture, so that the glows do not show through the plates.
    layer.enabled: !enabled
    Accessible.role: Accessible.Grouping

    // The outline follows the size (a model often arrives after the first paint).
    onWidthChanged: { gradientBackMask.requestPaint(); frameCanvas.requestPaint(); }
    onHeightChanged: { gradientBackMask.requestPaint(); frameCanvas.requestPaint(); }
    onArrowWidthChanged: { gradientBackMask.requestPaint(); frameCanvas.requestPaint(); }
    onCurrentIndexChanged: {
        var button = activeFocus ? buttons.itemAt(currentIndex) : null;
        if (button)
            button.area.forceActiveFocus();
    }

    Rectangle {
        id: gradientBackgroundRect

        anchors.fill: parent
        visible: false
        color: "#202020"
    }

    Canvas {
        id: gradientBackMask

        anchors.fill: parent
        visible: false

        onPaint: {
            var ctx = getContext("2d");
            ctx.reset();
            root.drawArrowBackground(ctx, 0);
            ctx.fillStyle = "red";
            ctx.fill();
        }
    }

    OpacityMask {
        id: gradientOpacityMask

        anchors.fill: parent
        visible: false
        source: gradientBackgroundRect
        maskSource: gradientBackMask
    }

    InnerShadow {
        id: gradientBackInnerShadow

        anchors.fill: gradientOpacityMask
        visible: false
        source: gradientOpacityMask
        cached: true
        horizontalOffset: 5
        verticalOffset: 5
        radius: 16
        samples: 32
        color: "#000000"
        smooth: true
    }

    Glow {
        id: gradientGlow

        anchors.fill: parent
        source: gradientBackInnerShadow
        radius: 4
        spread: 0.1
        color: "black"
        smooth: true
        cached: true
    }

    // Where effects draw nothing, the plate's fill drawn plainly.
    Loader {
        anchors.fill: parent
        active: Renderer.software
        sourceComponent: OutlineCanvas {
            fillColor: gradientBackgroundRect.color
            path: CalloutPaths.plate(width, height, 0, root.arrowHeight, root.arrowWidth)
        }
    }

    Canvas {
        id: frameCanvas

        property color strokeColor: ZelkDesign.frameColor

        anchors.fill: parent

        onStrokeColorChanged: requestPaint()

        onPaint: {
            var ctx = getContext("2d");
            ctx.reset();
            root.drawArrowBackground(ctx, 2);
            ctx.strokeStyle = strokeColor;
            ctx.lineWidth = 2;
            ctx.stroke();
        }
    }

    TilePlate {
        id: currentBackRect

        objectName: "currentBackRect"
        x: Mirroring.x(root.buttonWidth * root.currentIndex, width, root.width, root.LayoutMirroring.enabled)
        y: root.arrowHeight
        width: root.buttonWidth
        height: root.buttonHeight
        glowRadius: 10
        topColor: "#202020"
        bottomColor: "#080808"

        Behavior on x { NumberAnimation { duration: 100 } }
    }

    Repeater {
        id: buttons
        model: root.model

        PlainLabel {
            id: delegateRoot

            objectName: "button" + index
            readonly property bool isCurrentItem: root.currentIndex === index
            readonly property alias area: buttonArea

            // The index is current before anyone hears of the click.
            function activate() {
                root.currentIndex = index;
                root.clicked(buttonName);
            }

            x: Mirroring.x(root.buttonWidth * index, width, root.width, root.LayoutMirroring.enabled)
            y: root.arrowHeight
            width: root.buttonWidth
            height: root.buttonHeight
            text: buttonLabel
            color: isCurrentItem ? ZelkDesign.themeColor : ZelkDesign.textColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            font.family: ZelkDesign.fontFamily
            font.pixelSize: 20
            font.weight: Font.DemiBold
            // A text item always reads as static text: the button below speaks for it.
            Accessible.ignored: true

            MouseArea {
                id: buttonArea
                objectName: "buttonArea" + index
                anchors.fill: parent
                activeFocusOnTab: index === Nav.tabStop(root.currentIndex, buttons.count)
                Accessible.role: Accessible.RadioButton
                Accessible.focusable: true
                Accessible.name: buttonLabel
                Accessible.checkable: true
                Accessible.checked: delegateRoot.isCurrentItem
                Accessible.onPressAction: delegateRoot.activate()
                Keys.onPressed: function(event) {
                    var next = Nav.isPress(event.key) ? index
                                                      : Nav.step(event.key, index, buttons.count, false, null, root.LayoutMirroring.enabled);
                    if (next === null)
                        return;
                    event.accepted = true;
                    // A key that finds no other button does nothing; a press presses again.
                    if (next !== index || Nav.isPress(event.key))
                        buttons.itemAt(next).activate();
                }
                onClicked: delegateRoot.activate()

                FocusFrame {
                    shown: buttonArea.activeFocus
                }
            }
        }
    }
}
