import QtQuick 2.9
import QtQuick.Window 2.3
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

ApplicationWindow {
    id: window

    property int currentPage: 0
    // File names of the snapshot images, one per page, in page order.
    readonly property var pageNames: ["buttons", "toggles", "selectors", "sliders", "progress", "panels", "notations", "choosers"]
    readonly property var pageTitles: [qsTr("Buttons and inputs"), qsTr("Toggles"), qsTr("Selectors"), qsTr("Sliders"),
        qsTr("Progress"), qsTr("Dialogs and panels"), qsTr("Notations"), qsTr("Choosers")]

    visible: true
    width: 1280
    height: 800
    title: qsTr("ZelkDesign Gallery")

    background: Rectangle {
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#222222" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: 210
            color: "#141414"

            Column {
                anchors.fill: parent
                anchors.topMargin: 20
                spacing: 4

                Text {
                    x: 20
                    height: 50
                    text: "ZelkDesign"
                    color: "#f9f9f9"
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 26
                    font.bold: true
                }

                Repeater {
                    model: window.pageTitles

                    ItemDelegate {
                        id: familyButton

                        readonly property bool current: window.currentPage === index

                        width: parent.width
                        height: 48
                        hoverEnabled: true
                        onClicked: window.currentPage = index

                        contentItem: Text {
                            leftPadding: 14
                            text: modelData
                            verticalAlignment: Text.AlignVCenter
                            color: familyButton.current ? ZelkDesign.themeColor
                                                        : familyButton.hovered ? "#c1c1c1" : "#9b9b9b"
                            font.family: ZelkDesign.fontFamily
                            font.pixelSize: 18
                            font.bold: familyButton.current
                        }

                        background: Rectangle {
                            gradient: Gradient {
                                GradientStop { position: 0.0; color: familyButton.current ? "#202020" : "#141414" }
                                GradientStop { position: 1.0; color: familyButton.current ? "#080808" : "#141414" }
                            }

                            Rectangle {
                                width: 4
                                height: parent.height
                                visible: familyButton.current
                                color: ZelkDesign.themeColor
                            }
                        }
                    }
                }
            }

            Text {
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: 20
                text: qsTr("%1 components").arg(publishedTypes.length)
                color: "#676767"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 14
            }
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: window.currentPage

            ButtonsPage { active: window.currentPage === 0; title: window.pageTitles[0] }
            TogglesPage { active: window.currentPage === 1; title: window.pageTitles[1] }
            SelectorsPage { active: window.currentPage === 2; title: window.pageTitles[2] }
            SlidersPage { active: window.currentPage === 3; title: window.pageTitles[3] }
            ProgressPage { active: window.currentPage === 4; title: window.pageTitles[4] }
            PanelsPage { active: window.currentPage === 5; title: window.pageTitles[5] }
            NotationsPage { active: window.currentPage === 6; title: window.pageTitles[6] }
            ChoosersPage { active: window.currentPage === 7; title: window.pageTitles[7] }
        }
    }
}
