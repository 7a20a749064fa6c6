import QtQuick 2.9
import QtQuick.Dialogs 6.2
import QtCore 6.2

// Qt 6's file dialog behind the interface of the Qt 5 version beside this
// folder (its Dialogs API differs: fileMode, selectedFiles, currentFolder).
// Made on first use there too.
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
        currentFolder: StandardPaths.standardLocations(StandardPaths.HomeLocation)[0]
        fileMode: root.selectMultiple ? FileDialog.OpenFiles : FileDialog.OpenFile
        onAccepted: root.filesChosen(selectedFiles)
        onRejected: root.canceled()
    }
}
