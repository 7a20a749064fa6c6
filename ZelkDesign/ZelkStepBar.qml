import QtQuick 2.7
import QtQml 2.8
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/keyNavigation.js" as Nav

Item {
    id: root

    property alias model: stepListView.model
    property real margins: 400
    // Zero without steps, so that the light track then ends at the margin.
    property real itemWidth: stepListView.count > 0 ? (width - 2 * margins) / stepListView.count : 0
    property real hLineWidth: 7
    property url backgroundImageSource
    property int currentStep: 0
    property real stepDotBorderWidth: 5

    signal stepClicked(int index)

    // Room for every step's column at the widest status a step shows by itself.
    implicitWidth: 2 * margins + stepListView.count * (Math.ceil(statusMetrics.advanceWidth) + 40)
    implicitHeight: 110
    opacity: enabled ? 1 : 0.3

    LoggingCategory {
        id: zelkLog
        name: "zelkdesign"
    }

    TextMetrics {
        id: statusMetrics
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 23
        font.bold: true
        text: qsTr("In Progress")
    }

    Image {
        anchors.fill: parent
        source: root.backgroundImageSource
    }

    Rectangle {
        id: hLineBack

        anchors.left: root.left
        anchors.right: root.right
        anchors.bottom: root.bottom
        height: root.hLineWidth
        color: "#525252"

        Rectangle {
            id: hLineFront

            objectName: "hLineFront"
            // Anchored, so that in a mirrored bar it starts at the right, where the steps then begin.
            anchors.left: hLineBack.left
            anchors.verticalCenter: hLineBack.verticalCenter
            width: root.margins + root.itemWidth * (root.currentStep + 0.5)
            height: hLineBack.height
            color: "#c2c2c2"
        }
    }

    ListView {
        id: stepListView

        objectName: "stepListView"
        x: root.margins
        width: root.width - 2 * root.margins
        height: root.height
        orientation: ListView.Horizontal
        interactive: false
        // The bar keeps its own current step. A current item of the view's own
        // would bring an invisible highlight that animates to every new size of
        // the steps, syncing frames for nothing while the bar is laid out.
        currentIndex: -1
        Accessible.role: Accessible.List

        delegate: Item {
            id: stepItem

            // A step being removed (index -1) is neither: its row's roles are gone.
            readonly property bool finished: index >= 0 && index < root.currentStep
            readonly property bool current: index === root.currentStep

            function goBack() {
                console.log(zelkLog, "will go back to", index);
                root.stepClicked(index);
                // A host may answer the signal instead and publish no such operation.
                if (typeof $app !== "undefined" && $app && typeof $app.willGoBack === "function")
                    $app.willGoBack(index);
            }

            objectName: "step" + index
            width: stepListView.width / stepListView.count
            height: stepListView.height
            Accessible.role: Accessible.ListItem
            Accessible.name: name
            Accessible.description: statusText.text
            Accessible.selectable: true
            Accessible.selected: current

            Text {
                id: stepNameText

                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.top
                anchors.topMargin: 15
                text: name
                color: "#6c6c6c"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 21
            }

            Text {
                id: statusText

                objectName: "statusText"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: stepNameText.bottom
                visible: !stepItem.current || Renderer.software
                text: stepItem.finished ? info : stepItem.current ? qsTr("In Progress") : "-"
                color: stepItem.finished ? ZelkDesign.brightTextColor : stepItem.current ? ZelkDesign.lightAccentColor : "#808080"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 23
                font.bold: true
            }

            HighlightTextGlow {
                anchors.fill: statusText
                source: statusText
                visible: stepItem.current
                radius: 5
                color: ZelkDesign.semiTransparent(ZelkDesign.themeColor, 0.5)
            }

            Item {
                objectName: "dotBox"
                anchors.horizontalCenter: parent.horizontalCenter
                y: root.height - height / 2 - root.hLineWidth / 2
                width: 38
                height: 38

                RectangularGlow {
                    anchors.fill: finishedStepIndicator
                    visible: finishedStepIndicator.visible
                    glowRadius: 5
                    spread: 0.2
                    color: "#88000000"
                    cornerRadius: finishedStepIndicator.radius + glowRadius
                }

                Rectangle {
                    id: finishedStepIndicator

                    objectName: "finishedStepIndicator"
                    anchors.centerIn: parent
                    visible: stepItem.finished
                    // Bound to the pointer area rather than set on enter and
                    // leave: when the step stops being finished the area hides,
                    // loses the pointer, and the dot is at rest when it shows again.
                    width: dotMouseArea.containsMouse ? 38 : 23
                    height: width
                    radius: width / 2
                    color: "#1e1e1e"
                    border.color: "#c2c2c2"
                    border.width: dotMouseArea.containsMouse ? root.stepDotBorderWidth + 2 : root.stepDotBorderWidth

                    Behavior on width { NumberAnimation { duration: 50 } }
                    Behavior on border.width { NumberAnimation { duration: 50 } }

                    MouseArea {
                        id: dotMouseArea

                        objectName: "goBackArea" + index
                        anchors.fill: parent
                        visible: stepItem.finished
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        // Only a finished step's dot is shown, so only it is reached.
                        activeFocusOnTab: true
                        Accessible.role: Accessible.Button
                        Accessible.name: qsTr("Go back to %1").arg(name)
                        Accessible.focusable: true
                        Accessible.onPressAction: stepItem.goBack()

                        // A hidden dot keeps a focus it had: it must not go back then.
                        Keys.onPressed: function(event) {
                            if (!Nav.isPress(event.key))
                                return;
                            event.accepted = true;
                            if (stepItem.finished)
                                stepItem.goBack();
                        }
                        onClicked: stepItem.goBack()

                        FocusFrame {
                            shown: dotMouseArea.activeFocus
                            shapeRadius: dotMouseArea.width / 2
                        }
                    }
                }

                Rectangle {
                    id: currentStepIndicator

                    objectName: "currentStepIndicator"
                    anchors.fill: parent
                    visible: stepItem.current
                    radius: 19
                    color: ZelkDesign.lightAccentColor
                    border.color: "#c2c2c2"
                    border.width: root.stepDotBorderWidth + 2
                }

                Rectangle {
                    id: newStepIndicator

                    objectName: "newStepIndicator"
                    anchors.centerIn: parent
                    visible: !stepItem.finished && !stepItem.current
                    width: 24
                    height: 24
                    radius: 12
                    color: "#525252"
                }
            }
        }
    }
}
