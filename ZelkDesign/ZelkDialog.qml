import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Templates 2.3 as T
import "."
import "private"
import "private/outlinePaths.js" as Paths
import "private/dragBounds.js" as DragBounds

Popup {
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
    closePolicy: Popup.CloseOnEscape
    // The Default style's popup brings its own plain dimming, which would hide
    // the window's blurred backdrop (its overlay.modal) behind this dialog.
    T.Overlay.modal: null

    background: Item {
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
                    GradientStop { position: 0.0; color: "#222222" }
                    GradientStop { position: 1.0; color: "#1a1a1a" }
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
                    GradientStop { position: 0.0; color: "#101010" }
                    GradientStop { position: 1.0; color: "#0d0d0d" }
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
                    strokeColor: hovered ? ZelkDesign.themeColor : "#b7b7b7"
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
            strokeColor: "#343434"
            path: Paths.topOutline(width, height, popup.radius, realBackgroundItem.margins, true, true, true)
        }

        Label {
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            text: popup.title
            font.family: ZelkDesign.fontFamily
            font.pixelSize: popup.titleFontSize
            font.bold: true
            color: "#f9f9f9"
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
        // the application.
        onPositionChanged: function(mouse) {
            var area = popup.parent;
            var x = popup.x + mouse.x - startPos.x;
            var y = popup.y + mouse.y - startPos.y;
            if (area) {
                var bounded = DragBounds.keepStripInside(x, y, popup.width, popup.titleHeight, area.width, area.height);
                x = bounded.x;
                y = bounded.y;
            }
            popup.x = x;
            popup.y = y;
        }
    }

    MouseArea {
        id: closeArea
        parent: popup.contentItem.parent
        x: popup.width - popup.boundaryMargins - width
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
