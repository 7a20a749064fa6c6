import QtQuick 2.9
import "."
import "private"
import "private/keyNavigation.js" as Nav
import "private/mirroring.js" as Mirroring

// One stop of the Tab key, on the current tile; Up, Down, Home and End choose
// another tile, and the focus goes with it.
FocusScope {
    id: root

    property var model: listModel
    property real radius: 12
    property int currentIndex: 1
    property real itemWidth: 204
    property real itemHeight: 144
    property real margins: 10

    implicitWidth: itemWidth + 2 * margins
    implicitHeight: (model ? model.count : 0) * itemHeight + 2 * margins
    opacity: enabled ? 1 : 0.3
    // Dimmed as one picture, so that the glows do not show through the plates.
    layer.enabled: !enabled
    Accessible.role: Accessible.List

    onCurrentIndexChanged: {
        var tile = activeFocus ? tiles.itemAt(currentIndex) : null;
        if (tile)
            tile.forceActiveFocus();
    }

    // Picture paths are relative to this document, so they resolve inside the
    // application's bundle and in an installed copy of the module alike.
    ListModel {
        id: listModel
        ListElement { icon: "../images/high_detail.png"; label: "High Detail" }
        ListElement { icon: "../images/medium_detail.png"; label: "Medium Detail" }
        ListElement { icon: "../images/low_detail.png"; label: "Low Detail" }
    }

    SunkenFrame {
        id: tray
        anchors.fill: parent
        anchors.margins: root.margins
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
            x: Mirroring.x(root.margins, width, root.width, root.LayoutMirroring.enabled)
            y: root.margins + root.itemHeight * index
            width: root.itemWidth
            height: root.itemHeight
            activeFocusOnTab: index === Nav.tabStop(root.currentIndex, tiles.count)
            Accessible.role: Accessible.ListItem
            Accessible.focusable: true
            Accessible.name: model.label
            Accessible.selectable: true
            Accessible.selected: isCurrentItem
            Accessible.onPressAction: root.currentIndex = index

            Keys.onPressed: function(event) {
                var next = Nav.isPress(event.key) ? index : Nav.step(event.key, index, tiles.count, true);
                if (next === null)
                    return;
                event.accepted = true;
                root.currentIndex = next;
            }

            TilePlate {
                anchors.fill: parent
                visible: delegateRoot.isCurrentItem
                radius: root.radius
                glowAlpha: 0x88 / 255
                topColor: "#202020"
                bottomColor: "#090909"
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
                font.pointSize: 14
                color: delegateRoot.isCurrentItem ? ZelkDesign.selectedTextColor : ZelkDesign.textColor
                Accessible.ignored: true
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.currentIndex = index
            }

            FocusFrame {
                shown: delegateRoot.activeFocus
                shapeRadius: root.radius
            }
        }
    }
}
