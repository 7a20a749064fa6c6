import QtQuick 2.9
import QtQuick.Templates 2.3 as T
import QtGraphicalEffects 1.0
import QtQuick.Layouts 1.3
import "."
import "private"

PlainPopup {
    id: root

    property real buttonWidth: 412
    property real buttonHeight: 412
    property var model: []
    property real layoutVerticalCenterOffset: 0

    signal buttonClicked(string buttonName)

    margins: 0
    closePolicy: T.Popup.NoAutoClose
    // Takes the keyboard when it opens: Tab walks its buttons (and only
    // them), Space or Return presses one, and focus goes back on closing.
    focus: true
    // The Default style's popup brings its own plain dimming, which would hide
    // the window's blurred backdrop (its overlay.modal) should a user make
    // this chooser modal.
    T.Overlay.modal: null

    background: Item {
        FocusReturn {
            popup: root
        }
    }

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
