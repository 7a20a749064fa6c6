import QtQuick 2.9
import QtQuick.Dialogs 1.2

// The platform file dialog, made on first use. Where the platform has no
// native dialog, Qt's fallback reads and writes settings as soon as it
// exists; a form that is never used for choosing files should not do that.
Loader {
    id: root

    property string title
    property bool selectMultiple: false

    signal filesChosen(var urls)
    signal canceled()

    function open() {
        active = true;
        item.open();
    }

    active: false

    sourceComponent: FileDialog {
        title: root.title
        folder: shortcuts.home
        selectMultiple: root.selectMultiple
        onAccepted: root.filesChosen(fileUrls)
        onRejected: root.canceled()
    }
}
