import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    description: qsTr("Push buttons, picture tiles, labels and text inputs")

    Column {
        spacing: 16

        Card {
            id: buttonCard
            title: "ZelkButton"
            note: "Button"
            width: 243
            demoHeight: 64

            ZelkButton {
                id: button
                anchors.centerIn: parent
                text: qsTr("Next")
                onClicked: buttonCard.log("clicked()")
                onPressAndHold: buttonCard.log("pressAndHold()")
            }

            editors: [
                TextEditor { label: "text"; text: button.text; onTextEdited: button.text = text },
                BoolEditor { text: "enabled"; checked: button.enabled; onToggled: button.enabled = checked },
                RangeEditor {
                    label: "borderWidth"; from: 0; to: 4; stepSize: 1
                    value: button.borderWidth; onMoved: button.borderWidth = value
                }
            ]
        }

        Card {
            id: textFieldCard
            title: "ZelkTextField"
            note: "TextField"
            width: 243
            demoHeight: 56

            ZelkTextField {
                id: textField
                anchors.centerIn: parent
                width: 200
                text: "scanner-01"
                onTextEdited: textFieldCard.log("textEdited():", text)
                onAccepted: textFieldCard.log("accepted()")
                onEditingFinished: textFieldCard.log("editingFinished()")
            }

            editors: [
                BoolEditor { text: "enabled"; checked: textField.enabled; onToggled: textField.enabled = checked },
                BoolEditor { text: "readOnly"; checked: textField.readOnly; onToggled: textField.readOnly = checked }
            ]
        }
    }

    Card {
        id: bigButtonCard
        title: "ZelkBigButton"
        note: "Button"
        width: 243
        demoHeight: 224

        ZelkBigButton {
            id: bigButton
            anchors.centerIn: parent
            backgroundWidth: 200
            backgroundHeight: 200
            iconSource: "qrc:/images/high_detail.png"
            text: qsTr("High detail")
            onClicked: bigButtonCard.log("clicked()")
        }

        editors: [
            TextEditor { label: "text"; text: bigButton.text; onTextEdited: bigButton.text = text },
            BoolEditor { text: "enabled"; checked: bigButton.enabled; onToggled: bigButton.enabled = checked }
        ]
    }

    Column {
        spacing: 16

        Row {
            spacing: 16

            Column {
                spacing: 16

                Card {
                    id: iconTextButtonCard
                    title: "ZelkIconTextButton"
                    width: 243
                    demoHeight: 64

                    ZelkIconTextButton {
                        id: iconTextButton
                        anchors.centerIn: parent
                        width: 219
                        activeIcon: "qrc:/images/24x24_Attention.png"
                        inactiveIcon: "qrc:/images/cross.png"
                        text: qsTr("Check device")
                        onClicked: iconTextButtonCard.log("clicked()")
                    }

                    editors: [
                        TextEditor { label: "text"; text: iconTextButton.text; onTextEdited: iconTextButton.text = text },
                        BoolEditor { text: "enabled"; checked: iconTextButton.enabled; onToggled: iconTextButton.enabled = checked }
                    ]
                }

                Card {
                    id: labelCard
                    title: "ZelkLabel"
                    note: "Label, rich text"
                    width: 243
                    demoHeight: 44

                    ZelkLabel {
                        id: label
                        property string caption: qsTr("E-mail")
                        property bool required: true
                        anchors.centerIn: parent
                        text: caption + (required ? " <font color=\"#2e91ed\">*</font>" : "")
                    }

                    editors: [
                        TextEditor { label: "text"; text: label.caption; onTextEdited: label.caption = text },
                        BoolEditor { text: "required-field star"; checked: label.required; onToggled: label.required = checked }
                    ]
                }
            }

            Column {
                spacing: 16

                Card {
                    id: textAreaCard
                    title: "ZelkTextArea"
                    note: "TextArea"
                    width: 243
                    demoHeight: 96

                    ZelkTextArea {
                        id: textArea
                        anchors.centerIn: parent
                        width: 219
                        height: 90
                        wrapMode: TextEdit.Wrap
                        color: "#9b9b9b"
                        font.family: ZelkDesign.fontFamily
                        font.pixelSize: 16
                        onTextChanged: textAreaCard.log("text:", text.length, "characters")
                    }

                    editors: [
                        BoolEditor { text: "enabled"; checked: textArea.enabled; onToggled: textArea.enabled = checked }
                    ]
                }

                Card {
                    id: iconButtonCard
                    title: "ZelkIconButton"
                    note: "checkable"
                    width: 243
                    demoHeight: 56

                    ZelkIconButton {
                        id: iconButton
                        anchors.centerIn: parent
                        normalIconSource: "qrc:/images/RadioButton_Normal.svg"
                        activeIconSource: "qrc:/images/RadioButton_Selected.svg"
                        onClicked: iconButtonCard.log("clicked()")
                        onCheckedChanged: iconButtonCard.log("checked:", checked)
                    }

                    editors: [
                        BoolEditor { text: "checked"; checked: iconButton.checked; onToggled: iconButton.checked = checked },
                        BoolEditor { text: "enabled"; checked: iconButton.enabled; onToggled: iconButton.enabled = checked }
                    ]
                }
            }
        }

        Card {
            id: fileSelectorCard
            title: "ZelkFileSelector"
            note: "path field and Browse"
            width: 502
            demoHeight: 56

            ZelkFileSelector {
                id: fileSelector
                anchors.centerIn: parent
                width: 478
                filePath: "/home/user/scans/board.ply"
                onFilePathChanged: fileSelectorCard.log("filePath:", filePath)
            }

            editors: [
                TextEditor { label: "filePath"; fieldWidth: 260; text: fileSelector.filePath; onTextEdited: fileSelector.filePath = text },
                BoolEditor { text: "enabled"; checked: fileSelector.enabled; onToggled: fileSelector.enabled = checked }
            ]
        }
    }
}
