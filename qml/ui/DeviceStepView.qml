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

    // The keys of a tab row: Left and Right step to the neighbour (not
    // round the ends), Home and End go to the ends. True when the key is one.
    function stepByKey(key) {
        var last = devices.length - 1;
        switch (key) {
        case Qt.Key_Left:
            currentStep = Math.max(currentStep - 1, 0);
            return true;
        case Qt.Key_Right:
            currentStep = Math.min(currentStep + 1, last);
            return true;
        case Qt.Key_Home:
            currentStep = 0;
            return true;
        case Qt.Key_End:
            currentStep = last;
            return true;
        }
        return false;
    }

    Component.onCompleted: console.log("devices:", devices)

    // The current tab is the row's one stop in the tab chain; whichever way
    // the current tab changes, the keyboard focus goes along with it.
    onCurrentStepChanged: {
        if (tabRow.activeFocus && tabs.itemAt(currentStep))
            tabs.itemAt(currentStep).forceActiveFocus();
    }

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

    // In the header item, which comes before the content in the tab chain as
    // it does on screen.
    FocusScope {
        id: tabRow
        parent: root.headerItem
        anchors.fill: parent

        Repeater {
            id: tabs
            model: root.devices

            Item {
                id: tab

                readonly property bool current: root.currentStep === index

                objectName: "deviceTab" + index
                activeFocusOnTab: tab.current
                Accessible.role: Accessible.PageTab
                Accessible.name: modelData
                Accessible.selectable: true
                Accessible.selected: tab.current
                Accessible.focusable: true
                Accessible.onPressAction: root.currentStep = index
                x: root.tabWidth * index
                y: 0
                width: root.tabWidth
                height: root.headerHeight

                Keys.onPressed: function(event) { event.accepted = root.stepByKey(event.key); }

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
                    leftPadding: 8
                    rightPadding: 8
                    text: modelData
                    elide: Text.ElideRight
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 20
                    color: tab.current ? ZelkDesign.themeColor : "#e5e5e5"
                    // The tab already says it.
                    Accessible.ignored: true
                }

                // Inside the tab, clear of its outline and of the neighbours.
                ZelkPrivate.FocusFrame {
                    objectName: "tabFocusFrame"
                    gap: -6
                    shown: tab.activeFocus
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: root.currentStep = index
                }
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
