import QtQuick 2.9
import QtGraphicalEffects 1.0
import QtQuick.Layouts 1.3
import "."
import "private"

Item {
    id: root

    property real buttonWidth: 412
    property real buttonHeight: 412
    property real margins: 15
    property var model: []
    property real layoutVerticalCenterOffset: -20
    property alias spacing: bigButtonRowLayout.spacing

    signal buttonClicked(string buttonName)

    implicitWidth: 1920
    implicitHeight: 963

    BigButtonRow {
        id: bigButtonRowLayout
        anchors.centerIn: parent
        anchors.verticalCenterOffset: root.layoutVerticalCenterOffset
        buttonWidth: root.buttonWidth
        buttonHeight: root.buttonHeight
        margins: root.margins
        model: root.model
        onButtonClicked: root.buttonClicked(buttonName)
    }
}
