import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    id: page

    readonly property var modes: [
        { "icon": "qrc:/images/scan_mode_fixed.png", "buttonText": qsTr("Fixed"), "buttonName": "fixed" },
        { "icon": "qrc:/images/scan_mode_handheld.png", "buttonText": qsTr("Handheld"), "buttonName": "handheld" },
        { "icon": "qrc:/images/scan_mode_turntable.png", "buttonText": qsTr("Turntable"), "buttonName": "turntable" }
    ]

    function chooserModel(size, secondEnabled) {
        var list = [];
        for (var i = 0; i < size; ++i) {
            var entry = Object.assign({}, modes[i]);
            entry.buttonEnabled = i !== 1 || secondEnabled;
            list.push(entry);
        }
        return list;
    }

    description: qsTr("Rows of big buttons: a page, and the same row as a popup (both shown at half size)")

    // Shown non-modal in place on its card, and only while this page is shown.
    onActiveChanged: popupChooser.follow()

    Card {
        id: pageCard
        title: "ZelkChoosePage"
        note: "Item filling a page"
        width: 1010
        demoHeight: 242
        logLines: 1

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: choosePage.width * choosePage.scale
            height: choosePage.height * choosePage.scale

            ZelkChoosePage {
                id: choosePage

                property int size: 3
                property bool secondEnabled: true

                width: 1800
                height: 484
                scale: 0.5
                transformOrigin: Item.TopLeft
                model: page.chooserModel(size, secondEnabled)
                onButtonClicked: pageCard.log("buttonClicked(\"" + buttonName + "\")")
            }
        }

        editors: [
            RangeEditor { label: "model size"; from: 0; to: 3; stepSize: 1; value: choosePage.size; onMoved: choosePage.size = value },
            RangeEditor { label: "spacing"; from: 0; to: 120; stepSize: 2; value: choosePage.spacing; onMoved: choosePage.spacing = value },
            BoolEditor { text: "2nd buttonEnabled"; checked: choosePage.secondEnabled; onToggled: choosePage.secondEnabled = checked }
        ]
    }

    Card {
        id: popupCard
        title: "ZelkPopupChooseView"
        note: "Popup, closes only when told"
        width: 1010
        demoHeight: 208
        logLines: 1

        ZelkPopupChooseView {
            id: popupChooser

            property bool wanted: true
            property int size: 3

            function follow() {
                if (page.active && wanted)
                    open();
                else
                    close();
            }

            x: (parent.width - width * scale) / 2
            y: 0
            width: 1400
            height: 416
            padding: 0
            scale: 0.5
            transformOrigin: Item.TopLeft
            model: page.chooserModel(size, true)
            onButtonClicked: popupCard.log("buttonClicked(\"" + buttonName + "\")")
            onOpened: popupCard.log("opened()")
            onClosed: popupCard.log("closed()")
            Component.onCompleted: follow()
        }

        editors: [
            BoolEditor {
                text: "open"
                checked: popupChooser.wanted
                onToggled: {
                    popupChooser.wanted = checked;
                    popupChooser.follow();
                }
            },
            RangeEditor { label: "model size"; from: 0; to: 3; stepSize: 1; value: popupChooser.size; onMoved: popupChooser.size = value }
        ]
    }
}
