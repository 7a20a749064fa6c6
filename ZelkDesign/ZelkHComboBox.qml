import QtQuick 2.9
import "."
import "private"
import "private/keyNavigation.js" as Nav
import "private/mirroring.js" as Mirroring

// One stop of the Tab key, on the current tile; the arrows along the row, Home
// and End choose another tile, and the focus goes with it.
FocusScope {
    id: root

    property var model
    property real radius: 12
    property int currentIndex: 1
    property real itemWidth: 206
    property real itemHeight: 206
    property real margins: 10
    property real maxDescriptionHeight: 100
    property real descriptionTopMargin: 18
    property bool descriptionVisible: true

    implicitWidth: (model ? model.count : 0) * itemWidth + 2 * margins
    implicitHeight: itemHeight + 2 * margins + (descriptionVisible ? maxDescriptionHeight + descriptionTopMargin : 0)
    opacity: enabled ? 1 : 0.3
    // Dimmed as one picture, so that the glows do not show through the plates.
    layer.enabled: !enabled
    Accessible.role: Accessible.List

    onCurrentIndexChanged: {
        var tile = activeFocus ? tiles.itemAt(currentIndex) : null;
        if (tile)
            tile.forceActiveFocus();
    }

    SunkenFrame {
        id: tray
        anchors.left: root.left
        anchors.right: root.right
        anchors.top: root.top
        anchors.margins: root.margins
        height: root.itemHeight
        radius: root.radius
        glowRadius: 3
        fillColor: ZelkDesign.trayColor
        shadowHorizontalOffset: 0
        shadowVerticalOffset: 0
        shadowRadius: 16
        shadowColor: "#000000"
        borderColor: ZelkDesign.trayBorderColor
    }

    Repeater {
        id: tiles
        model: root.model

        delegate: Item {
            id: delegateRoot

            readonly property bool isCurrentItem: root.currentIndex === index

            objectName: "tile" + index
            x: Mirroring.x(root.margins + root.itemWidth * index, width, root.width, root.LayoutMirroring.enabled)
            y: root.margins
            width: root.itemWidth
            height: root.itemHeight + root.descriptionTopMargin + root.maxDescriptionHeight
            activeFocusOnTab: index === Nav.tabStop(root.currentIndex, tiles.count)
            Accessible.role: Accessible.ListItem
            Accessible.focusable: true
            Accessible.name: model.label
            Accessible.description: root.descriptionVisible ? model.description : ""
            Accessible.selectable: true
            Accessible.selected: isCurrentItem
            Accessible.onPressAction: root.currentIndex = index

            Keys.onPressed: function(event) {
                var next = Nav.isPress(event.key) ? index
                                                  : Nav.step(event.key, index, tiles.count, false, null, root.LayoutMirroring.enabled);
                if (next === null)
                    return;
                event.accepted = true;
                root.currentIndex = next;
            }

            Item {
                id: iconItem
                width: parent.width
                height: root.itemHeight

                TilePlate {
                    id: plate
                    anchors.fill: parent
                    visible: false
                    opacity: 0
                    radius: root.radius
                    glowAlpha: 0x88 / 255
                    topColor: "#080808"
                    bottomColor: "#202020"
                }

                Image {
                    id: itemImage
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: -20
                    source: model.icon
                }

                PlainLabel {
                    id: itemLabel
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 35
                    text: model.label
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 20
                    color: ZelkDesign.textColor
                    Accessible.ignored: true
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: root.currentIndex = index
                }

                // Around the picture, not the description under it.
                FocusFrame {
                    shown: delegateRoot.activeFocus
                    shapeRadius: root.radius
                }
            }

            PlainLabel {
                id: descriptionLabel
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.top: iconItem.bottom
                anchors.bottom: parent.bottom
                anchors.leftMargin: 15
                anchors.rightMargin: 15
                anchors.topMargin: root.descriptionTopMargin
                visible: root.descriptionVisible
                text: model.description
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 18
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: ZelkDesign.mutedTextColor
                Accessible.ignored: true
            }

            states: State {
                name: "highlighted"
                when: delegateRoot.isCurrentItem
            }

            // Only end values are named, so a change in mid-fade carries on from where it stands.
            transitions: [
                Transition {
                    to: "highlighted"
                    SequentialAnimation {
                        ScriptAction { script: plate.visible = true }
                        ParallelAnimation {
                            NumberAnimation { target: plate; property: "opacity"; to: 1.0; duration: 200 }
                            ColorAnimation { target: itemLabel; property: "color"; to: ZelkDesign.selectedTextColor; duration: 200 }
                            ColorAnimation { target: descriptionLabel; property: "color"; to: ZelkDesign.selectedTextColor; duration: 200 }
                        }
                    }
                },
                Transition {
                    to: ""
                    SequentialAnimation {
                        ParallelAnimation {
                            NumberAnimation { target: plate; property: "opacity"; to: 0; duration: 200 }
                            ColorAnimation { target: itemLabel; property: "color"; to: ZelkDesign.textColor; duration: 200 }
                            ColorAnimation { target: descriptionLabel; property: "color"; to: ZelkDesign.textColor; duration: 200 }
                        }
                        ScriptAction { script: plate.visible = false }
                    }
                }
            ]
        }
    }
}
