import QtQuick 2.9
import QtQuick.Layouts 1.3
import ZelkDesign 1.0

// One component on show: its name, the live instance, editors for its main
// properties and the last signals it emitted.
Rectangle {
    id: card

    property string title
    property string note
    property real demoHeight: 60
    property int logLines: 2
    default property alias demo: demoArea.data
    property alias editors: editorFlow.data
    property alias logModel: logLinesModel

    function log() {
        var parts = [];
        for (var i = 0; i < arguments.length; ++i)
            parts.push(String(arguments[i]));
        logLinesModel.append({ "line": parts.join(" ") });
        while (logLinesModel.count > card.logLines)
            logLinesModel.remove(0);
    }

    width: 320
    implicitHeight: column.implicitHeight + 2 * column.anchors.margins
    height: implicitHeight
    radius: 6
    color: "#1c1c1c"
    border.color: "#303030"
    border.width: 1

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 12
        spacing: 8

        RowLayout {
            Layout.fillWidth: true

            Text {
                text: card.title
                color: "#e0e0e0"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 17
                font.bold: true
            }

            Text {
                Layout.fillWidth: true
                text: card.note
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignRight
                color: "#676767"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 13
            }
        }

        // The component itself: room around it for its glows.
        Item {
            id: demoArea
            Layout.fillWidth: true
            Layout.preferredHeight: card.demoHeight
        }

        Flow {
            id: editorFlow
            Layout.fillWidth: true
            spacing: 6
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: card.logLines * 16 + 6
            color: "#121212"
            radius: 3

            ListView {
                id: logView
                anchors.fill: parent
                anchors.margins: 3
                clip: true
                interactive: false
                // The list's invisible highlight would otherwise glide after the
                // current line at 400 px/s, syncing frames that draw nothing.
                highlightMoveDuration: 0
                highlightResizeDuration: 0
                model: ListModel { id: logLinesModel }
                delegate: Text {
                    width: logView.width
                    height: 16
                    text: "\u203a " + model.line
                    elide: Text.ElideRight
                    color: "#8fb8de"
                    font.family: "monospace"
                    font.pixelSize: 12
                }
            }

            Text {
                anchors.centerIn: parent
                visible: logLinesModel.count === 0
                text: qsTr("signals appear here")
                color: "#444444"
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 12
            }
        }
    }
}
