import QtQuick 2.8
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private" as ZelkPrivate
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

ZelkHeaderPane {
    id: root

    property var devices
    property int currentStep: 0
    property real tabWidth: devices && devices.length > 0 ? width / devices.length : width

    signal finished()

    function next() {
        if (currentStep < devices.length - 1)
            ++currentStep;
        else
            root.finished();
    }

    Component.onCompleted: console.log("devices:", devices)

    // Part of the header background, so the pane's rounded outline cuts it.
    Rectangle {
        objectName: "currentTabShade"
        parent: root.realHeaderItem
        x: root.tabWidth * root.currentStep
        y: 0
        width: root.tabWidth
        height: root.headerHeight
        color: "transparent"

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#141414" }
                GradientStop { position: 1.0; color: "#070707" }
            }
        }
    }

    Repeater {
        id: tabs
        model: root.devices

        Item {
            id: tab

            readonly property bool current: root.currentStep === index

            objectName: "deviceTab" + index
            Accessible.role: Accessible.PageTab
            Accessible.name: modelData
            Accessible.selectable: true
            Accessible.selected: tab.current
            Accessible.onPressAction: root.currentStep = index
            x: root.tabWidth * index
            y: 0
            width: root.tabWidth
            height: root.headerHeight

            // Reaches a little past the tab so its rounded ends lie on the pane's own.
            ZelkPrivate.OutlineCanvas {
                objectName: "tabOutline"
                anchors.fill: parent
                anchors.leftMargin: -3.5
                anchors.topMargin: -3.5
                anchors.rightMargin: -3.5
                anchors.bottomMargin: -5
                visible: tab.current
                lineWidth: 2
                strokeColor: "#4c4c4c"
                path: Paths.topOutline(width, height, root.radius, 4, index === 0, index === tabs.count - 1, false)
            }

            Label {
                objectName: "tabLabel"
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: modelData
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 20
                color: tab.current ? ZelkDesign.themeColor : "#e5e5e5"
                // The tab already says it.
                Accessible.ignored: true
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.currentStep = index
            }
        }
    }

    ColumnLayout {
        parent: root.contentItem
        anchors.centerIn: parent

        Item {
            Layout.preferredHeight: 50
        }

        ZelkButton {
            objectName: "stepNextButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Next") + $app.langToken
            onClicked: root.next()
        }
    }
}
