import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    description: qsTr("Check box, radio buttons and the two switches")

    Card {
        id: checkBoxCard
        title: "ZelkCheckBox"
        note: "CheckBox"
        width: 330
        demoHeight: 60

        ZelkCheckBox {
            id: checkBox
            anchors.centerIn: parent
            text: "Orvane S1"
            checked: true
            onToggled: checkBoxCard.log("toggled()")
            onCheckedChanged: checkBoxCard.log("checked:", checked)
        }

        editors: [
            TextEditor { label: "text"; text: checkBox.text; onTextEdited: checkBox.text = text },
            BoolEditor { text: "checked"; checked: checkBox.checked; onToggled: checkBox.checked = checked },
            BoolEditor { text: "enabled"; checked: checkBox.enabled; onToggled: checkBox.enabled = checked }
        ]
    }

    Card {
        id: radioCard
        title: "ZelkRadioButton"
        note: "RadioButton, exclusive"
        width: 330
        demoHeight: 60

        Row {
            id: radios
            property bool radiosEnabled: true
            anchors.centerIn: parent
            spacing: 90

            Repeater {
                model: [qsTr("Fine"), qsTr("Coarse")]

                ZelkRadioButton {
                    text: modelData
                    checked: index === 0
                    enabled: radios.radiosEnabled
                    onToggled: radioCard.log("toggled():", text)
                }
            }
        }

        editors: [
            BoolEditor { text: "enabled"; checked: radios.radiosEnabled; onToggled: radios.radiosEnabled = checked }
        ]
    }

    Card {
        id: switchCard
        title: "ZelkSwitch"
        note: "Switch"
        width: 330
        demoHeight: 60

        ZelkSwitch {
            id: zelkSwitch
            anchors.centerIn: parent
            text: qsTr("Auto align")
            onToggled: switchCard.log("toggled()")
            onCheckedChanged: switchCard.log("checked:", checked)
        }

        editors: [
            TextEditor { label: "text"; text: zelkSwitch.text; onTextEdited: zelkSwitch.text = text },
            BoolEditor { text: "checked"; checked: zelkSwitch.checked; onToggled: zelkSwitch.checked = checked },
            BoolEditor { text: "enabled"; checked: zelkSwitch.enabled; onToggled: zelkSwitch.enabled = checked }
        ]
    }

    Card {
        id: bigSwitchCard
        title: "ZelkBigSwitch"
        note: "Switch"
        width: 330
        demoHeight: 90

        ZelkBigSwitch {
            id: bigSwitch
            anchors.centerIn: parent
            text: qsTr("Turntable")
            checked: true
            onToggled: bigSwitchCard.log("toggled()")
            onCheckedChanged: bigSwitchCard.log("checked:", checked)
        }

        editors: [
            TextEditor { label: "text"; text: bigSwitch.text; onTextEdited: bigSwitch.text = text },
            BoolEditor { text: "checked"; checked: bigSwitch.checked; onToggled: bigSwitch.checked = checked },
            BoolEditor { text: "enabled"; checked: bigSwitch.enabled; onToggled: bigSwitch.enabled = checked }
        ]
    }
}
