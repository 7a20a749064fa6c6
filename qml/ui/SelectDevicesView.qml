import QtQuick 2.8
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

Item {
    id: root

    property var selectedDevices: []

    signal nextClicked()

    function goNext() {
        var chosen = [];
        for (var i = 0; i < devicesListModel.count; ++i) {
            var row = devicesListModel.get(i);
            if (row.selected)
                chosen.push(row.device);
        }
        selectedDevices = chosen;
        console.log("selected:", selectedDevices);
        if (selectedDevices.length === 0)
            warningDialog.open();
        else
            root.nextClicked();
    }

    ListModel {
        id: devicesListModel
        ListElement { device: "Corvex-A1"; selected: false }
        ListElement { device: "Corvex-A2"; selected: false }
        ListElement { device: "Corvex-B1"; selected: false }
        ListElement { device: "Corvex-B2"; selected: false }
        ListElement { device: "Corvex-C1"; selected: false }
        ListElement { device: "Corvex-C2"; selected: false }
    }

    MessageBox {
        id: warningDialog
        objectName: "warningDialog"
        title: qsTr("Warning")
        message: qsTr("You haven't select any devices!")
        width: 400
        buttons: [
            ZelkButton {
                objectName: "warningOkButton"
                text: qsTr("OK")
                onClicked: warningDialog.close()
            }
        ]
    }

    ColumnLayout {
        anchors.fill: parent

        ZelkLabel {
            text: qsTr("Select devices:") + $app.langToken
        }

        ColumnLayout {
            id: devicesRowLayout
            Layout.alignment: Qt.AlignHCenter

            Repeater {
                model: devicesListModel

                ZelkCheckBox {
                    objectName: "deviceCheckBox" + index
                    text: model.device
                    checked: model.selected
                    onCheckedChanged: model.selected = checked
                }
            }
        }

        ZelkButton {
            objectName: "selectNextButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Next")
            onClicked: root.goNext()
        }
    }
}
