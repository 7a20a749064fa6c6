import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private" as Shared
import "qrc:/ZelkDesign/private/fileUrls.js" as FileUrls
import "formTexts.js" as FormTexts

ZelkDialog {
    id: dialog

    readonly property var industries: FormTexts.industries
    property alias attachments: attachments

    // What accepting the file dialog does: each file not yet listed is added
    // in the order given; each one already listed raises the one warning box.
    function addFiles(urls) {
        for (var i = 0; i < urls.length; ++i) {
            var path = FileUrls.toLocalPath(urls[i]);
            if (attachmentIndex(path) >= 0)
                warningDialog.open();
            else
                attachments.append({ "path": path, "selected": false });
        }
    }

    function attachmentIndex(path) {
        for (var i = 0; i < attachments.count; ++i) {
            if (attachments.get(i).path === path)
                return i;
        }
        return -1;
    }

    function removeSelected() {
        for (var i = attachments.count - 1; i >= 0; --i) {
            if (attachments.get(i).selected)
                attachments.remove(i);
        }
    }

    function centredX() {
        return parent ? parent.width / 2 - width / 2 : 0;
    }

    function centredY() {
        return parent ? parent.height / 2 - height / 2 : 0;
    }

    dialogWidth: 658
    dialogHeight: 627
    title: qsTr("User Feedback") + $app.langToken
    modal: true
    x: centredX()
    y: centredY()

    // A drag replaces the centring bindings; each opening brings them back,
    // so the form never reopens where it was left (perhaps outside a window
    // made smaller since).
    onAboutToShow: {
        x = Qt.binding(centredX);
        y = Qt.binding(centredY);
    }

    ListModel {
        id: attachments
    }

    MessageBox {
        id: warningDialog
        objectName: "warningDialog"
        title: qsTr("Warning") + $app.langToken
        message: qsTr("The file has been attached!") + $app.langToken
        width: 400
        buttons: [
            ZelkButton {
                objectName: "warningOkButton"
                text: qsTr("OK") + $app.langToken
                onClicked: warningDialog.close()
            }
        ]
    }

    Shared.LazyFileDialog {
        id: fileDialog
        title: qsTr("Choose files to attach") + $app.langToken
        selectMultiple: true
        onFilesChosen: dialog.addFiles(urls)
        onCanceled: console.log("Canceled")
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 30
        anchors.topMargin: 70
        spacing: 20

        ZelkLabel {
            text: qsTr("Do you have any suggestions or ideas back to us?") + $app.langToken
        }

        GridLayout {
            columns: 2
            rowSpacing: 10
            columnSpacing: 10
            Layout.fillWidth: true
            Layout.fillHeight: true

            ZelkLabel {
                text: qsTr("My email: %1").arg(FormTexts.requiredMark) + $app.langToken
                Layout.alignment: Qt.AlignRight | Qt.AlignTop
            }

            ZelkTextField {
                id: emailTextField
                objectName: "emailTextField"
                implicitHeight: 50
                horizontalAlignment: TextInput.AlignLeft
                Layout.fillWidth: true
            }

            ZelkLabel {
                text: qsTr("Industry:%1").arg(FormTexts.requiredMark) + $app.langToken
                Layout.alignment: Qt.AlignRight | Qt.AlignTop
            }

            ZelkChooseComboBox {
                id: industryComboBox
                objectName: "industryComboBox"
                model: dialog.industries
                implicitHeight: 50
                Layout.fillWidth: true
            }

            ZelkLabel {
                text: qsTr("Content:%1").arg(FormTexts.requiredMark) + $app.langToken
                Layout.alignment: Qt.AlignRight | Qt.AlignTop
            }

            ZelkTextArea {
                id: contentTextArea
                objectName: "contentTextArea"
                implicitHeight: 100
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 20
                color: ZelkDesign.textColor
                Layout.fillWidth: true
                Layout.fillHeight: true

                // As in any form, Tab goes on to the next field; a tab
                // character has no place in the message.
                Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
            }

            ColumnLayout {
                Layout.alignment: Qt.AlignRight | Qt.AlignTop

                ZelkLabel {
                    text: qsTr("Attachments:") + $app.langToken
                }

                ZelkLabel {
                    text: qsTr("(< 50M)") + $app.langToken
                    font.pixelSize: 15
                    Layout.alignment: Qt.AlignHCenter
                }
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true

                Item {
                    Layout.fillWidth: true
                    Layout.fillHeight: true

                    Shared.SunkenFrame {
                        anchors.fill: parent
                        shadowColor: ZelkDesign.fieldShadowColor
                        borderColor: ZelkDesign.fieldBorderColor
                    }

                    // Inside the 2 px frame, which would otherwise cover the rows' edges.
                    // From the keyboard, Up and Down move the current row, Space
                    // selects or unselects it and Delete removes the selected rows.
                    ListView {
                        id: attachmentList
                        objectName: "attachmentList"
                        Accessible.role: Accessible.List
                        Accessible.name: qsTr("Attachments") + $app.langToken
                        Accessible.focusable: true
                        anchors.fill: parent
                        anchors.margins: 2
                        anchors.topMargin: 5
                        clip: true
                        activeFocusOnTab: true
                        model: attachments

                        Keys.onSpacePressed: {
                            if (currentIndex >= 0)
                                attachments.setProperty(currentIndex, "selected", !attachments.get(currentIndex).selected);
                        }
                        Keys.onDeletePressed: dialog.removeSelected()

                        delegate: Label {
                            id: row
                            width: ListView.view.width
                            leftPadding: 10
                            rightPadding: 10
                            text: FileUrls.displayPath(model.path)
                            // A file name is a name, never markup.
                            textFormat: Text.PlainText
                            elide: Text.ElideLeft
                            font.family: ZelkDesign.fontFamily
                            font.pixelSize: 15
                            color: rowArea.containsMouse || model.selected ? "white" : ZelkDesign.textColor
                            // A text item always reads as static text: the row's area speaks for it.
                            Accessible.ignored: true

                            background: Rectangle {
                                color: model.selected ? ZelkDesign.themeColor
                                                      : rowArea.containsMouse ? Qt.lighter(ZelkDesign.themeColor) : "transparent"
                            }

                            // The current row, while the list has the keyboard; white
                            // on a selected row, whose fill is the ring's own colour.
                            Shared.FocusFrame {
                                gap: 0
                                shown: row.ListView.isCurrentItem && row.ListView.view.activeFocus
                                border.color: model.selected ? "white" : ZelkDesign.themeColor
                            }

                            MouseArea {
                                id: rowArea
                                objectName: "attachmentRow" + index
                                anchors.fill: parent
                                hoverEnabled: true
                                Accessible.role: Accessible.ListItem
                                Accessible.name: model.path
                                Accessible.selectable: true
                                Accessible.selected: model.selected
                                Accessible.onPressAction: model.selected = !model.selected
                                onClicked: model.selected = !model.selected
                            }
                        }
                    }
                }

                ColumnLayout {
                    Layout.fillHeight: true

                    ZelkButton {
                        objectName: "addButton"
                        text: ZelkDesign.fa.plus
                        Accessible.name: qsTr("Add attachments") + $app.langToken
                        font.family: ZelkDesign.faSolid
                        font.pixelSize: 20
                        implicitWidth: 30
                        implicitHeight: 30
                        onClicked: fileDialog.open()
                    }

                    ZelkButton {
                        objectName: "removeButton"
                        text: ZelkDesign.fa.minus
                        Accessible.name: qsTr("Remove selected attachments") + $app.langToken
                        font.family: ZelkDesign.faSolid
                        font.pixelSize: 20
                        implicitWidth: 30
                        implicitHeight: 30
                        enabled: attachments.count > 0
                        onClicked: dialog.removeSelected()
                    }

                    Item {
                        Layout.fillHeight: true
                    }
                }
            }
        }

        ZelkButton {
            id: applylBtn
            objectName: "applylBtn"
            text: qsTr("Submit") + $app.langToken
            focus: true
            Layout.preferredHeight: 50
            Layout.alignment: Qt.AlignHCenter
            onClicked: dialog.close()
        }
    }
}
