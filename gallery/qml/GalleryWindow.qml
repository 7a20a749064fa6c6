import QtQuick 2.9
import QtQuick.Window 2.3
import QtQuick.Controls 2.2
import ZelkDesign 1.0

ApplicationWindow {
    id: window

    property int currentPage: 0
    // True once the window has shown its first frame.
    property bool started: false
    // File names of the snapshot images, one per page, in page order.
    readonly property var pageNames: ["buttons", "toggles", "selectors", "sliders", "progress", "panels", "notations", "choosers"]
    readonly property var pageTitles: [qsTr("Buttons and inputs"), qsTr("Toggles"), qsTr("Selectors"), qsTr("Sliders"),
        qsTr("Progress"), qsTr("Dialogs and panels"), qsTr("Notations"), qsTr("Choosers")]

    visible: true
    width: 1280
    height: 800
    // The count stays out of the pages' images, so that a new control changes
    // only the image of its own page.
    title: qsTr("ZelkDesign Gallery: %1 components").arg(publishedTypes.length)

    // Emitted on the render thread; the handler runs queued, on this one.
    onFrameSwapped: started = true

    background: Rectangle {
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#222222" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }
    }

    Rectangle {
        id: sidebar
        width: 210
        height: parent.height
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
    }

    Item {
        anchors.left: sidebar.right
        anchors.right: parent.right
        height: parent.height

        // Each page is built the first time it is shown, so start-up builds
        // only the one on screen, and that one once the window has shown
        // its first frame: the window appears at once and the cards follow.
        PageLoader { shown: window.currentPage === 0; canBuild: window.started; title: window.pageTitles[0]; source: "ButtonsPage.qml" }
        PageLoader { shown: window.currentPage === 1; title: window.pageTitles[1]; source: "TogglesPage.qml" }
        PageLoader { shown: window.currentPage === 2; title: window.pageTitles[2]; source: "SelectorsPage.qml" }
        PageLoader { shown: window.currentPage === 3; title: window.pageTitles[3]; source: "SlidersPage.qml" }
        PageLoader { shown: window.currentPage === 4; title: window.pageTitles[4]; source: "ProgressPage.qml" }
        PageLoader { shown: window.currentPage === 5; title: window.pageTitles[5]; source: "PanelsPage.qml" }
        PageLoader { shown: window.currentPage === 6; title: window.pageTitles[6]; source: "NotationsPage.qml" }
        PageLoader { shown: window.currentPage === 7; title: window.pageTitles[7]; source: "ChoosersPage.qml" }
    }
}
