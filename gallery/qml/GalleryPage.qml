import QtQuick 2.9
import QtQuick.Controls 2.2
import ZelkDesign 1.0

// One family of components: a heading and the cards, scrollable when the
// window is smaller than the page.
Item {
    id: page

    property string title
    property string description
    property bool active: false
    default property alias cards: cardFlow.data

    Text {
        id: heading
        x: 24
        y: 18
        text: page.title
        color: "#f9f9f9"
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 24
        font.bold: true
    }

    Text {
        anchors.left: heading.right
        anchors.leftMargin: 16
        anchors.baseline: heading.baseline
        anchors.right: parent.right
        anchors.rightMargin: 24
        text: page.description
        elide: Text.ElideRight
        color: "#676767"
        font.family: ZelkDesign.fontFamily
        font.pixelSize: 15
    }

    Flickable {
        id: flickable
        anchors.fill: parent
        anchors.topMargin: 62
        anchors.leftMargin: 24
        anchors.rightMargin: 12
        contentWidth: width
        contentHeight: cardFlow.implicitHeight + 24
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Flow {
            id: cardFlow
            width: flickable.width - 12
            spacing: 16
        }
    }
}
