import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    id: page

    // The step bar asks its host's `$app` to go back to a finished step; here
    // the page answers instead of the application backend.
    property QtObject $app: QtObject {
        function willGoBack(index) {
            stepBarCard.log("$app.willGoBack(" + index + ")");
            stepBar.currentStep = index;
        }
    }

    description: qsTr("Progress bar, busy indicator and step bar")

    Card {
        id: progressCard
        title: "ZelkProgressBar"
        note: "determinate or running segment"
        width: 1010
        demoHeight: 205

        ZelkProgressBar {
            id: progressBar
            anchors.horizontalCenter: parent.horizontalCenter
            title: qsTr("Copying scans")
            from: 0
            to: 100
            value: 42
        }

        editors: [
            RangeEditor { label: "value"; from: 0; to: 100; stepSize: 1; value: progressBar.value; onMoved: progressBar.value = value },
            TextEditor { label: "title"; text: progressBar.title; onTextEdited: progressBar.title = text },
            BoolEditor { text: "indeterminate"; checked: progressBar.indeterminate; onToggled: progressBar.indeterminate = checked },
            BoolEditor { text: "titleVisible"; checked: progressBar.titleVisible; onToggled: progressBar.titleVisible = checked },
            BoolEditor { text: "valueLabelVisible"; checked: progressBar.valueLabelVisible; onToggled: progressBar.valueLabelVisible = checked }
        ]
    }

    Card {
        id: busyCard
        title: "ZelkBusyIndicator"
        note: "BusyIndicator"
        width: 240
        demoHeight: 90

        ZelkBusyIndicator {
            id: busy
            anchors.centerIn: parent
            onRunningChanged: busyCard.log("running:", running)
        }

        editors: [
            BoolEditor { text: "running"; checked: busy.running; onToggled: busy.running = checked }
        ]
    }

    Card {
        id: stepBarCard
        title: "ZelkStepBar"
        note: "click a finished dot to go back"
        width: 754
        demoHeight: 140

        ListModel {
            id: steps
            property var all: [
                { "name": qsTr("Connect"), "info": qsTr("USB 3") },
                { "name": qsTr("Calibrate"), "info": qsTr("0.02 mm") },
                { "name": qsTr("Scan"), "info": qsTr("12 frames") },
                { "name": qsTr("Align"), "info": qsTr("done") },
                { "name": qsTr("Export"), "info": qsTr("PLY") }
            ]
            function resize(n) {
                while (count > n)
                    remove(count - 1);
                while (count < n)
                    append(all[count]);
            }
            Component.onCompleted: resize(4)
        }

        ZelkStepBar {
            id: stepBar
            y: 4
            width: parent.width
            margins: 10
            model: steps
            currentStep: 2
            onCurrentStepChanged: stepBarCard.log("currentStep:", currentStep)
        }

        editors: [
            RangeEditor { label: "currentStep"; from: 0; to: steps.count; stepSize: 1; value: stepBar.currentStep; onMoved: stepBar.currentStep = value },
            RangeEditor { label: "model size"; from: 1; to: 5; stepSize: 1; value: steps.count; onMoved: steps.resize(value) }
        ]
    }
}
