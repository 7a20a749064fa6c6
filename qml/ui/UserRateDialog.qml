import QtQuick 2.9
import QtQuick.Layouts 1.3
import ZelkDesign 1.0
import "formTexts.js" as FormTexts

Rectangle {
    id: root

    readonly property var industries: FormTexts.industries

    implicitWidth: 400
    implicitHeight: 250
    radius: 10
    border.color: ZelkDesign.panelFrameColor
    border.width: 2
    gradient: Gradient {
        GradientStop { position: 0.0; color: "#252525" }
        GradientStop { position: 1.0; color: "#1b1b1b" }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 30

        ZelkLabel {
            text: qsTr("Industry:%1").arg(FormTexts.requiredMark) + $app.langToken
            Layout.alignment: Qt.AlignLeft
        }

        ZelkChooseComboBox {
            objectName: "industryComboBox"
            model: root.industries
            implicitHeight: 50
            Layout.fillWidth: true
        }

        ZelkLabel {
            text: qsTr("Corvex User Evaluation: %1").arg(FormTexts.requiredMark) + $app.langToken
            Layout.alignment: Qt.AlignLeft
        }

        ZelkRating {
            objectName: "rating"
            levels: 5
            Layout.fillWidth: true
        }
    }
}
