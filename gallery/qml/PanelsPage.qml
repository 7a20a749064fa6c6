import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    id: page

    description: qsTr("Dialog frame, page frame, tool bar and expandable panel")

    // The dialog shows in place on its card, non-modal, and only while this
    // page is shown; closing it with its cross sticks until it is reopened.
    onActiveChanged: dialog.follow()

    Column {
        spacing: 16

        Card {
            id: dialogCard
            title: "ZelkDialog"
            note: "Popup, draggable by its title"
            width: 440
            demoHeight: 196
            logLines: 2

            ZelkDialog {
                id: dialog

                property bool wanted: true

                function follow() {
                    if (page.active && wanted)
                        open();
                    else
                        close();
                }

                x: (parent.width - width) / 2
                y: 0
                dialogWidth: 400
                dialogHeight: 186
                title: qsTr("New Project")
                onOpened: dialogCard.log("opened()")
                onClosed: {
                    dialogCard.log("closed()");
                    if (page.active)
                        wanted = false;
                }
                Component.onCompleted: follow()

                ZelkLabel {
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 24
                    text: qsTr("Drag the title; Escape or the cross closes.")
                    font.pixelSize: 16
                }
            }
        }

        Card {
            id: paneCard
            title: "ZelkHeaderPane"
            note: "header band over a framed area"
            width: 440
            demoHeight: 150
            logLines: 1

            ZelkHeaderPane {
                id: pane
                anchors.horizontalCenter: parent.horizontalCenter
                width: 410
                height: 150
                headerHeight: 50
                onHeaderHeightChanged: paneCard.log("headerHeight:", headerHeight)

                Text {
                    parent: pane.headerItem
                    anchors.centerIn: parent
                    text: "Orvane S1"
                    color: ZelkDesign.themeColor
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 20
                }

                ZelkLabel {
                    parent: pane.contentItem
                    anchors.centerIn: parent
                    text: qsTr("Page content")
                }
            }

            editors: [
                RangeEditor { label: "headerHeight"; from: 30; to: 90; stepSize: 1; value: pane.headerHeight; onMoved: pane.headerHeight = value },
                RangeEditor { label: "radius"; from: 0; to: 25; stepSize: 1; value: pane.radius; onMoved: pane.radius = value }
            ]
        }
    }

    Card {
        id: panelCard
        title: "ZelkExpandableToolPanel"
        width: 374
        demoHeight: panel.height

        ZelkExpandableToolPanel {
            id: panel
            anchors.horizontalCenter: parent.horizontalCenter
            title: qsTr("Mesh Options")
            icon: "qrc:/images/ScanPause_Active Copy.png"
            expanded: true
            onExpandedChanged: panelCard.log("expanded:", expanded)

            Column {
                parent: panel.contentParent
                spacing: 4

                Repeater {
                    model: [qsTr("Fill holes"), qsTr("Smooth surface"), qsTr("Remove noise")]

                    ZelkCheckBox {
                        text: modelData
                        checked: index !== 1
                        onToggled: panelCard.log(text + ":", checked)
                    }
                }
            }
        }

        editors: [
            BoolEditor { text: "expanded"; checked: panel.expanded; onToggled: panel.expanded = checked },
            TextEditor { label: "title"; fieldWidth: 160; text: panel.title; onTextEdited: panel.title = text }
        ]
    }

    Card {
        id: toolBarCard
        title: "ZelkToolBar"
        width: 170
        demoHeight: toolBar.height
        logLines: 6

        ZelkToolBar {
            id: toolBar

            property int size: 4
            property bool firstActive: true
            readonly property var entries: [
                { "buttonName": "shade", "label": qsTr("Shade"), "normalImageSource": "qrc:/images/Shade_Medium.png",
                  "activeImageSource": "qrc:/images/Shade_Bright.png", "inactiveImageSource": "qrc:/images/Shade_Dark.png" },
                { "buttonName": "texture", "label": qsTr("Grain"), "normalImageSource": "qrc:/images/texture_coarse.png",
                  "activeImageSource": "qrc:/images/texture_fine.png", "inactiveImageSource": "qrc:/images/texture_coarse.png" },
                { "buttonName": "detail", "label": qsTr("Detail"), "normalImageSource": "qrc:/images/medium_detail.png",
                  "activeImageSource": "qrc:/images/high_detail.png", "inactiveImageSource": "qrc:/images/low_detail.png" },
                { "buttonName": "pause", "label": qsTr("Pause"), "normalImageSource": "qrc:/images/cross.png",
                  "activeImageSource": "qrc:/images/ScanPause_Active Copy.png", "inactiveImageSource": "qrc:/images/cross.png" }
            ]

            // The labels stand left of the bar, outside it.
            anchors.right: parent.right
            model: {
                var list = [];
                for (var i = 0; i < size; ++i) {
                    var entry = Object.assign({}, entries[i]);
                    entry.active = i > 0 || firstActive;
                    list.push(entry);
                }
                return list;
            }
            onClicked: toolBarCard.log("clicked(\"" + buttonName + "\")")
        }

        editors: [
            RangeEditor { label: "size"; labelWidth: 28; sliderWidth: 66; from: 1; to: 4; stepSize: 1; value: toolBar.size; onMoved: toolBar.size = value },
            BoolEditor { text: "1st active"; checked: toolBar.firstActive; onToggled: toolBar.firstActive = checked },
            BoolEditor { text: "showLabels"; checked: toolBar.showLabels; onToggled: toolBar.showLabels = checked }
        ]
    }
}
