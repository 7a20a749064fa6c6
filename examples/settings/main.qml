import QtQuick 2.9
import QtQuick.Controls 2.3
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

ApplicationWindow {
    width: 800
    height: 600
    visible: true
    title: qsTr("Scan settings")
    color: "#1e1e1e"

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 30
        spacing: 24

        ZelkTabBar {
            id: tabBar
            Layout.fillWidth: true
            tabs: [qsTr("Capture"), qsTr("Output")]
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex

            GridLayout {
                columns: 2
                columnSpacing: 20
                rowSpacing: 18

                ZelkLabel { text: qsTr("Resolution") }
                ZelkChooseComboBox {
                    Layout.preferredWidth: 260
                    model: [qsTr("Draft"), qsTr("Standard"), qsTr("Fine")]
                    currentIndex: 1
                }

                ZelkLabel { text: qsTr("Exposure") }
                ZelkHSlider {
                    Layout.fillWidth: true
                    enabled: !autoExposure.checked
                    leftLabel: qsTr("Short")
                    rightLabel: qsTr("Long")
                    value: 0.4
                }

                ZelkLabel { text: qsTr("Gain") }
                ZelkHSlider {
                    Layout.fillWidth: true
                    leftLabel: qsTr("Low")
                    rightLabel: qsTr("High")
                    gaugeVisible: false
                    value: 0.2
                }

                ZelkLabel { text: qsTr("Auto exposure") }
                ZelkSwitch { id: autoExposure }

                ZelkLabel { text: qsTr("Turntable") }
                ZelkSwitch { checked: true }

                Item { Layout.fillHeight: true }
            }

            GridLayout {
                columns: 2
                columnSpacing: 20
                rowSpacing: 18

                ZelkLabel { text: qsTr("Mesh density") }
                ZelkHSlider {
                    Layout.fillWidth: true
                    leftLabel: qsTr("Coarse")
                    rightLabel: qsTr("Fine")
                    from: 1
                    to: 5
                    stepSize: 1
                    value: 3
                    gaugeValueVisible: true
                }

                ZelkLabel { text: qsTr("Texture") }
                ZelkSwitch { checked: true }

                ZelkLabel { text: qsTr("Fill holes") }
                ZelkSwitch {}

                Item { Layout.fillHeight: true }
            }
        }

        ZelkButton {
            Layout.alignment: Qt.AlignRight
            text: qsTr("Save preset…")
            onClicked: saveDialog.open()
        }
    }

    ZelkDialog {
        id: saveDialog

        parent: Overlay.overlay
        x: (parent.width - width) / 2
        y: (parent.height - height) / 2
        modal: true
        focus: true
        title: qsTr("Save preset")
        dialogHeight: 240

        ColumnLayout {
            anchors.fill: parent
            anchors.topMargin: 70
            anchors.margins: 25
            spacing: 20

            ZelkTextField {
                id: presetName
                Layout.fillWidth: true
                focus: true
                placeholderText: qsTr("Preset name")
            }
            ZelkButton {
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Save")
                enabled: presetName.text.length > 0
                onClicked: saveDialog.close()
            }
        }
    }
}
