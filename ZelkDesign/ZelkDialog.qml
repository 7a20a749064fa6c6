import QtQuick 2.9
import QtQuick.Templates 2.3 as T
import QtQuick.Window 2.2
import "."
import "private"
import "private/outlinePaths.js" as Paths
import "private/dragBounds.js" as DragBounds

PlainPopup {
    id: popup

    property string title: "New Project"
    property real dialogWidth: 466
    property real dialogHeight: 340
    property real boundaryMargins: 5
    property real titleHeight: 60
    property real radius: 15
    property real titleFontSize: 23
    property bool closeButtonVisible: true

    width: dialogWidth + 2 * boundaryMargins
    height: dialogHeight + 2 * boundaryMargins
    closePolicy: T.Popup.CloseOnEscape
    // Modal or not, a dialog expects input: it takes the keyboard when it
    // opens, keeps Tab inside itself and hands focus back when it closes,
    // so no key reaches what lies behind it.
    focus: true
    // The Default style's popup brings its own plain dimming, which would hide
    // the window's blurred backdrop (its overlay.modal) behind this dialog.
    T.Overlay.modal: null

    background: Item {
        FocusReturn {
            popup: popup
        }

        RoundedOutlineMask {
            id: realBackgroundItem
            anchors.fill: parent
            anchors.margins: popup.boundaryMargins
            radius: popup.radius
            margins: 5

            Rectangle {
                id: realBackTitle
                width: parent.width
                height: popup.titleHeight
                gradient: Gradient {
                    GradientStop { position: 0.0; color: ZelkDesign.titleBandTopColor }
                    GradientStop { position: 1.0; color: ZelkDesign.titleBandBottomColor }
                }
            }

            Rectangle {
                id: closeBtn
                anchors.right: parent.right
                width: 54 + popup.boundaryMargins
                height: popup.titleHeight
                visible: popup.closeButtonVisible
                border.color: "#313131"
                border.width: 2
                gradient: Gradient {
                    GradientStop { position: 0.0; color: ZelkDesign.titleButtonTopColor }
                    GradientStop { position: 1.0; color: ZelkDesign.titleButtonBottomColor }
                }

                // Shifted by 2 to sit in the middle of the part the outline leaves visible.
                OutlineCanvas {
                    id: closeBtnCanvas

                    property real margins: 22
                    property bool hovered: closeArea.containsMouse

                    anchors.centerIn: parent
                    anchors.horizontalCenterOffset: -2
                    anchors.verticalCenterOffset: 2
                    width: 59
                    height: 59
                    lineWidth: 4
                    strokeColor: hovered ? ZelkDesign.themeColor : ZelkDesign.symbolColor
                    path: Paths.cross(width, height, margins)
                }
            }

            Rectangle {
                id: realBackGradient
                y: popup.titleHeight
                width: parent.width
                height: parent.height - y
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#252525" }
                    GradientStop { position: 1.0; color: "#1b1b1b" }
                }
            }
        }

        OutlineCanvas {
            id: realBackgroundFrame
            anchors.fill: realBackgroundItem
            smooth: true
            lineWidth: 2
            strokeColor: ZelkDesign.panelFrameColor
            path: Paths.topOutline(width, height, popup.radius, realBackgroundItem.margins, true, true, true)
        }

        PlainLabel {
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            text: popup.title
            font.family: ZelkDesign.fontFamily
            font.pixelSize: popup.titleFontSize
            font.bold: true
            color: ZelkDesign.titleTextColor
        }
    }

    // The title strip's mouse areas sit on the popup's own item, above the
    // background: Qt 6 offers a press to a modal popup's item, which takes it,
    // before the items beneath it, and a background is beneath.
    MouseArea {
        id: dragArea

        property point startPos

        parent: popup.contentItem.parent
        z: 1
        width: popup.width
        height: popup.titleHeight

        onPressed: function(mouse) { startPos = Qt.point(mouse.x, mouse.y); }
        // Bounded, unlike a free drag: a modal dialog whose title strip
        // left the window could never be grabbed back and would block
        // the application. The bounds are the window's, wherever the
        // dialog was declared.
        onPositionChanged: function(mouse) {
            var dx = mouse.x - startPos.x;
            var dy = mouse.y - startPos.y;
            var window = Window.window;
            if (window) {
                var at = mapToItem(null, 0, 0);
                // The part of the strip that drags: all of it but the close button.
                var grabFrom = popup.closeButtonVisible && popup.mirrored ? closeArea.x + closeArea.width : 0;
                var grabTo = popup.closeButtonVisible && !popup.mirrored ? closeArea.x : width;
                var bounded = DragBounds.keepStripReachable(at.x + dx, at.y + dy, grabFrom, grabTo, height, window.width, window.height);
                dx = bounded.x - at.x;
                dy = bounded.y - at.y;
            }
            popup.x += dx;
            popup.y += dy;
        }
    }

    MouseArea {
        id: closeArea
        parent: popup.contentItem.parent
        // Over the close button, which the background mirrors with the window.
        x: popup.mirrored ? popup.boundaryMargins : popup.width - popup.boundaryMargins - width
        y: popup.boundaryMargins
        z: 2
        width: closeBtn.width
        height: closeBtn.height
        objectName: "closeArea"
        hoverEnabled: true
        enabled: popup.closeButtonVisible
        Accessible.ignored: !popup.closeButtonVisible
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Close")
        Accessible.onPressAction: {
            if (enabled)
                popup.close();
        }
        onClicked: popup.close()
    }
}
