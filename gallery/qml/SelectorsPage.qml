import QtQuick 2.9
import QtQuick.Controls 2.2
import ZelkDesign 1.0

GalleryPage {
    description: qsTr("Drop-down list, picture selectors, tabs and rating")

    Column {
        spacing: 16

        Card {
            id: comboCard
            title: "ZelkChooseComboBox"
            note: "ComboBox"
            width: 243
            demoHeight: 64

            ZelkChooseComboBox {
                id: combo
                property int size: 4
                anchors.centerIn: parent
                width: 219
                model: {
                    var names = [];
                    for (var i = 0; i < size; ++i)
                        names.push(qsTr("Industry %1").arg(i + 1));
                    return names;
                }
                onActivated: comboCard.log("activated(" + index + "):", textAt(index))
            }

            editors: [
                RangeEditor { label: "model size"; from: 1; to: 8; stepSize: 1; value: combo.size; onMoved: combo.size = value },
                BoolEditor { text: "enabled"; checked: combo.enabled; onToggled: combo.enabled = checked }
            ]
        }

        Card {
            id: tabButtonCard
            title: "ZelkTabButton"
            note: "in a TabBar"
            width: 243
            demoHeight: 50

            TabBar {
                id: qtTabBar
                property bool tabsEnabled: true
                anchors.centerIn: parent
                width: 219
                height: 40
                background: Item {}
                onCurrentIndexChanged: tabButtonCard.log("TabBar.currentIndex:", currentIndex)

                ZelkTabButton { text: qsTr("Scan"); enabled: qtTabBar.tabsEnabled }
                ZelkTabButton { text: qsTr("Edit"); enabled: qtTabBar.tabsEnabled }
                ZelkTabButton { text: qsTr("Share"); enabled: qtTabBar.tabsEnabled }
            }

            editors: [
                BoolEditor { text: "enabled"; checked: qtTabBar.tabsEnabled; onToggled: qtTabBar.tabsEnabled = checked }
            ]
        }

        Card {
            id: ratingCard
            title: "ZelkRating"
            note: "ListView of stars"
            width: 243
            demoHeight: 50

            ZelkRating {
                id: rating
                anchors.centerIn: parent
                width: levels * imageWidth
                levels: 5
                imageWidth: 30
                imageHeight: 30
                currentRate: 2
                onCurrentRateChanged: ratingCard.log("currentRate:", currentRate, "(" + (currentRate + 1) + " stars)")
            }

            editors: [
                RangeEditor { label: "levels"; from: 1; to: 7; stepSize: 1; value: rating.levels; onMoved: rating.levels = value },
                ZelkButton {
                    width: 110; height: 30
                    font.pixelSize: 14
                    text: qsTr("Reset rate")
                    onClicked: rating.currentRate = -1
                }
            ]
        }
    }

    Column {
        spacing: 16

        Card {
            id: tabBarCard
            title: "ZelkTabBar"
            note: "self-drawn tabs"
            width: 502
            demoHeight: 64

            ZelkTabBar {
                id: tabBar
                property int size: 3
                anchors.centerIn: parent
                width: 478
                height: 55
                tabs: {
                    var names = [qsTr("Calibration"), qsTr("Accuracy"), qsTr("Alignment"), qsTr("Export"), qsTr("Report")];
                    return names.slice(0, size);
                }
                onCurrentIndexChanged: tabBarCard.log("currentIndex:", currentIndex, "currentTabName:", currentTabName)
            }

            editors: [
                RangeEditor {
                    label: "tabs"; from: 1; to: 5; stepSize: 1; value: tabBar.size
                    onMoved: {
                        tabBar.currentIndex = Math.min(tabBar.currentIndex, value - 1);
                        tabBar.size = value;
                    }
                },
                BoolEditor { text: "enabled"; checked: tabBar.enabled; onToggled: tabBar.enabled = checked }
            ]
        }

        Card {
            id: hComboCard
            title: "ZelkHComboBox"
            note: "picture row with descriptions"
            width: 502
            demoHeight: hCombo.height

            ListModel {
                id: hComboModel
                property var all: [
                    { "icon": "qrc:/images/texture_fine.png", "label": qsTr("Fine"), "description": qsTr("Small, dense features") },
                    { "icon": "qrc:/images/texture_coarse.png", "label": qsTr("Coarse"), "description": qsTr("Large, rough surfaces") },
                    { "icon": "qrc:/images/align_markers.png", "label": qsTr("Markers"), "description": qsTr("Align by the stuck markers") },
                    { "icon": "qrc:/images/align_features.png", "label": qsTr("Features"), "description": qsTr("Align by the shape") }
                ]
                function resize(n) {
                    while (count > n)
                        remove(count - 1);
                    while (count < n)
                        append(all[count]);
                }
                Component.onCompleted: resize(3)
            }

            ZelkHComboBox {
                id: hCombo
                anchors.horizontalCenter: parent.horizontalCenter
                model: hComboModel
                itemWidth: 118
                itemHeight: 130
                maxDescriptionHeight: 78
                onCurrentIndexChanged: hComboCard.log("currentIndex:", currentIndex)
            }

            editors: [
                RangeEditor {
                    label: "model size"; from: 1; to: 4; stepSize: 1; value: hComboModel.count
                    onMoved: {
                        hCombo.currentIndex = Math.min(hCombo.currentIndex, value - 1);
                        hComboModel.resize(value);
                    }
                },
                BoolEditor { text: "descriptionVisible"; checked: hCombo.descriptionVisible; onToggled: hCombo.descriptionVisible = checked }
            ]
        }
    }

    Card {
        id: vComboCard
        title: "ZelkVComboBox"
        note: "picture column"
        width: 243
        demoHeight: vCombo.height

        ZelkVComboBox {
            id: vCombo
            anchors.horizontalCenter: parent.horizontalCenter
            itemWidth: 196
            itemHeight: 100
            model: ListModel {
                ListElement { icon: "qrc:/images/high_detail.png"; label: "High Detail" }
                ListElement { icon: "qrc:/images/medium_detail.png"; label: "Medium Detail" }
                ListElement { icon: "qrc:/images/low_detail.png"; label: "Low Detail" }
            }
            onCurrentIndexChanged: vComboCard.log("currentIndex:", currentIndex)
        }

        editors: [
            RangeEditor { label: "currentIndex"; from: 0; to: 2; stepSize: 1; value: vCombo.currentIndex; onMoved: vCombo.currentIndex = value }
        ]
    }
}
