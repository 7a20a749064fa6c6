import QtQuick 2.9
import QtGraphicalEffects 1.0
import QtQuick.Layouts 1.3
import "."
import "private"
import "private/keyNavigation.js" as Nav
import "private/mirroring.js" as Mirroring
import "private/outlinePaths.js" as Paths

Item {
    id: root

    property string title: qsTr("Additional Options")
    property real titleHeight: 64
    property real radius: 15
    property real titleFontSize: 16
    property url icon
    property real shrinkStateWidth: 64
    property real shrinkStateHeight: 64
    property bool expanded: false
    property color expanedFrameColor: ZelkDesign.panelFrameColor
    // The name above is misspelt; kept for the users who set it.
    property alias expandedFrameColor: root.expanedFrameColor
    property real margins: 10
    property real contentMargins: 22
    property alias contentParent: contentArea

    width: 330 + 2 * margins
    height: 455 + 2 * margins

    // The tile and the back button take turns as the panel's stop of the Tab
    // key; whichever had the focus hands it to the other.
    onExpandedChanged: {
        if (expandMouseArea.activeFocus || shrinkArea.activeFocus)
            (expanded ? shrinkArea : expandMouseArea).forceActiveFocus();
    }

    Item {
        id: shrinkedItem
        // In the top corner on the side the panel grows from: the right one when mirrored.
        x: Mirroring.x(root.margins, width, root.width, root.LayoutMirroring.enabled)
        y: root.margins
        width: root.shrinkStateWidth
        height: root.shrinkStateHeight
        opacity: root.enabled ? 1 : 0.3

        ToolFrame {
            anchors.fill: parent
            radius: root.radius
        }

        MouseArea {
            id: expandMouseArea
            objectName: "expandArea"
            anchors.fill: parent
            // Still under the open panel, but no longer a thing to press.
            activeFocusOnTab: !root.expanded
            Accessible.ignored: root.expanded
            Accessible.role: Accessible.Button
            Accessible.name: root.title
            Accessible.focusable: true
            Accessible.onPressAction: root.expanded = true
            Keys.onPressed: function(event) {
                if (Nav.isPress(event.key)) {
                    event.accepted = true;
                    root.expanded = true;
                }
            }
            onClicked: root.expanded = true

            FocusFrame {
                shown: expandMouseArea.activeFocus
                shapeRadius: root.radius
            }
        }
    }

    Item {
        id: expandedItem
        objectName: "expandedItem"
        x: Mirroring.x(0, width, root.width, root.LayoutMirroring.enabled)
        width: root.shrinkStateWidth
        height: root.shrinkStateHeight
        visible: false

        Item {
            id: realBackgroundItem
            anchors.fill: parent
            anchors.margins: root.margins
            // Shown through the mask, or by itself, fading as the mask does and
            // with square corners, where effects draw nothing.
            visible: Renderer.software
            opacity: realBackgroundOpacityMask.opacity

            Rectangle {
                id: realBackTitle
                width: parent.width
                height: root.titleHeight
                gradient: Gradient {
                    GradientStop { position: 0.0; color: ZelkDesign.titleBandTopColor }
                    GradientStop { position: 1.0; color: ZelkDesign.titleBandBottomColor }
                }
            }

            PlainLabel {
                id: dialogTitleLabel
                anchors.centerIn: realBackTitle
                anchors.horizontalCenterOffset: -10
                text: root.title
                font.family: ZelkDesign.fontFamily
                font.pixelSize: root.titleFontSize
                font.bold: true
                color: ZelkDesign.titleTextColor
            }

            Rectangle {
                id: shrinkBtn
                anchors.right: realBackgroundItem.right
                width: 54 + root.margins
                height: root.titleHeight
                gradient: Gradient {
                    GradientStop { position: 0.0; color: ZelkDesign.titleButtonTopColor }
                    GradientStop { position: 1.0; color: ZelkDesign.titleButtonBottomColor }
                }

                OutlineCanvas {
                    id: shrinkIconCanvas

                    property real margins: 4

                    anchors.centerIn: parent
                    height: parent.height * 0.4
                    width: height / 2 + 5
                    lineWidth: 4
                    strokeColor: ZelkDesign.symbolColor
                    opacity: root.enabled ? 1 : 0.3
                    // Toward the tile, whichever side the panel grew from.
                    path: Paths.chevronLeft(width, height, margins, root.LayoutMirroring.enabled)
                }
            }

            Rectangle {
                id: realBackGradient
                y: root.titleHeight
                width: parent.width
                height: parent.height - y
                smooth: true
                gradient: Gradient {
                    GradientStop { position: 0.0; color: "#252525" }
                    GradientStop { position: 1.0; color: "#1d1d1d" }
                }
            }
        }

        Rectangle {
            id: realBackgroundMask
            anchors.fill: realBackgroundItem
            radius: root.radius
            visible: false
        }

        RectangularGlow {
            id: rectGlow
            anchors.fill: realBackgroundFrame
            glowRadius: 3
            spread: 0.2
            color: "black"
            cornerRadius: realBackgroundFrame.radius + glowRadius
        }

        OpacityMask {
            id: realBackgroundOpacityMask
            objectName: "realBackgroundOpacityMask"
            anchors.fill: realBackgroundItem
            source: realBackgroundItem
            maskSource: realBackgroundMask
            opacity: 0
        }

        Rectangle {
            id: realBackgroundFrame
            anchors.fill: realBackgroundItem
            smooth: true
            color: "transparent"
            radius: root.radius
            border.color: root.expanedFrameColor
            border.width: 2
        }

        MouseArea {
            id: shrinkArea
            anchors.top: realBackgroundFrame.top
            anchors.right: realBackgroundFrame.right
            objectName: "shrinkArea"
            width: shrinkBtn.width
            height: shrinkBtn.height
            activeFocusOnTab: root.expanded
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Collapse")
            Accessible.focusable: true
            Accessible.onPressAction: root.expanded = false
            Keys.onPressed: function(event) {
                if (Nav.isPress(event.key)) {
                    event.accepted = true;
                    root.expanded = false;
                }
            }
            onClicked: root.expanded = false

            // Inside the back button, clear of the panel's rounded corner.
            FocusFrame {
                shown: shrinkArea.activeFocus
                gap: -8
            }
        }

        Item {
            id: contentArea
            objectName: "contentArea"
            anchors.fill: realBackgroundItem
            anchors.margins: root.contentMargins
            anchors.topMargin: root.titleHeight + root.contentMargins
            opacity: 0
        }
    }

    Image {
        id: iconImage
        anchors.centerIn: shrinkedItem
        source: root.icon
        opacity: root.enabled ? 1 : 0.3
    }

    // The end values live in the state so that a panel created expanded
    // shows expanded and an expanded one follows a change of its size; the
    // transitions only pace the way there and back.
    states: State {
        name: "expanded"
        when: root.expanded

        PropertyChanges { target: expandedItem; visible: true; width: root.width; height: root.height }
        PropertyChanges { target: realBackgroundOpacityMask; opacity: 1.0 }
        PropertyChanges { target: contentArea; opacity: 1.0 }
    }

    transitions: [
        Transition {
            to: "expanded"

            SequentialAnimation {
                PropertyAction { target: expandedItem; property: "visible" }
                NumberAnimation { target: expandedItem; properties: "width,height"; duration: 200 }
                ParallelAnimation {
                    NumberAnimation { target: realBackgroundOpacityMask; property: "opacity"; duration: 100 }
                    NumberAnimation { target: contentArea; property: "opacity"; duration: 100 }
                }
            }
        },
        Transition {
            to: ""

            SequentialAnimation {
                ParallelAnimation {
                    NumberAnimation { target: realBackgroundOpacityMask; property: "opacity"; duration: 100 }
                    NumberAnimation { target: contentArea; property: "opacity"; duration: 100 }
                }
                NumberAnimation { target: expandedItem; properties: "width,height"; duration: 200 }
                PropertyAction { target: expandedItem; property: "visible" }
            }
        }
    ]
}
