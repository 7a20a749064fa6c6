import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    description: qsTr("Note lines, warning callouts and the arrow button group")

    Card {
        id: arrowCard
        title: "ZelkArrowNotation"
        note: "callout with a pointer"
        width: 500
        demoHeight: 140

        ZelkArrowNotation {
            id: arrowNotation
            anchors.centerIn: parent
            iconSource: "qrc:/images/24x24_Attention.png"
            notation: qsTr("Move the scanner closer to the object")
        }

        editors: [
            TextEditor { label: "large"; fieldWidth: 150; text: arrowNotation.notationLarge; onTextEdited: arrowNotation.notationLarge = text },
            BoolEditor { text: "iconVisible"; checked: arrowNotation.iconVisible; onToggled: arrowNotation.iconVisible = checked },
            BoolEditor {
                text: "pointer right (backgroundRotation 180)"
                checked: arrowNotation.backgroundRotation === 180
                onToggled: arrowNotation.backgroundRotation = checked ? 180 : 0
            }
        ]
    }

    Card {
        id: rectCard
        title: "ZelkRectNotation"
        note: "callout in a box"
        width: 506
        demoHeight: 140

        ZelkRectNotation {
            id: rectNotation
            anchors.centerIn: parent
            iconSource: "qrc:/images/24x24_Attention.png"
            notationLarge: qsTr("Too Near")
            notationSmall: qsTr("pull up")
        }

        editors: [
            TextEditor { label: "large"; fieldWidth: 150; text: rectNotation.notationLarge; onTextEdited: rectNotation.notationLarge = text },
            TextEditor { label: "small"; fieldWidth: 150; text: rectNotation.notationSmall; onTextEdited: rectNotation.notationSmall = text },
            BoolEditor { text: "iconVisible"; checked: rectNotation.iconVisible; onToggled: rectNotation.iconVisible = checked }
        ]
    }

    Card {
        id: notationCard
        title: "ZelkNotation"
        note: "numbered note line"
        width: 500
        demoHeight: 80

        ZelkNotation {
            id: notation
            anchors.centerIn: parent
            width: parent.width
            order: "a."
            content: qsTr("Keep the turntable free of other objects while the scanner calibrates.")
        }

        editors: [
            TextEditor { label: "order"; fieldWidth: 60; text: notation.order; onTextEdited: notation.order = text },
            TextEditor { label: "content"; fieldWidth: 380; text: notation.content; onTextEdited: notation.content = text }
        ]
    }

    Card {
        id: groupCard
        title: "ZelkArrowButtonGroup"
        note: "ListModel of buttons"
        width: 506
        demoHeight: 90

        ListModel {
            id: groupModel
            property var all: [
                { "buttonLabel": qsTr("Fixed"), "buttonName": "fixed" },
                { "buttonLabel": qsTr("Handheld"), "buttonName": "handheld" },
                { "buttonLabel": qsTr("Turntable"), "buttonName": "turntable" },
                { "buttonLabel": qsTr("Auto"), "buttonName": "auto" }
            ]
            function resize(n) {
                while (count > n)
                    remove(count - 1);
                while (count < n)
                    append(all[count]);
            }
            Component.onCompleted: resize(3)
        }

        ZelkArrowButtonGroup {
            id: group
            anchors.centerIn: parent
            buttonWidth: 150
            model: groupModel
            onClicked: groupCard.log("clicked(\"" + buttonName + "\"), currentIndex:", currentIndex)
        }

        editors: [
            RangeEditor {
                label: "model size"; from: 1; to: 3; stepSize: 1; value: groupModel.count
                onMoved: {
                    group.currentIndex = Math.min(group.currentIndex, value - 1);
                    groupModel.resize(value);
                }
            },
            RangeEditor { label: "currentIndex"; from: 0; to: groupModel.count - 1; stepSize: 1; value: group.currentIndex; onMoved: group.currentIndex = value }
        ]
    }
}
