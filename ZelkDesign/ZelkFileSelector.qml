import QtQuick 2.9
import QtQml 2.8
import "."
import "private"
import "private/controlLook.js" as Look
import "private/fileUrls.js" as FileUrls
import "private/defaultStyle.js" as DefaultStyle

Item {
    id: fileSelector

    property alias filePath: filePathTextField.text

    // What accepting the dialog does; callable with any list of file URLs.
    function acceptFiles(urls) {
        console.log(zelkLog, "You chose: " + urls);
        if (urls.length > 0)
            filePathTextField.text = FileUrls.toLocalPath(urls[0]);
    }

    implicitWidth: 693
    implicitHeight: 50

    LoggingCategory {
        id: zelkLog
        name: "zelkdesign"
    }

    PlainTextField {
        id: filePathTextField
        objectName: "filePathField"
        anchors.left: fileSelector.left
        anchors.top: fileSelector.top
        anchors.bottom: fileSelector.bottom
        anchors.right: selectFileBtn.right
        // The button covers the field's right end (its left end when mirrored);
        // keep the text and cursor clear of it. The other end keeps the text
        // field's own inset of padding + 4.
        leftPadding: (fileSelector.LayoutMirroring.enabled ? selectFileBtn.width : 0) + padding + 4
        rightPadding: (fileSelector.LayoutMirroring.enabled ? 0 : selectFileBtn.width) + padding + 4
        // The Default style's font, whatever the host's style.
        font: DefaultStyle.controlFont(Qt.application.font)

        background: SunkenFrame {
            fillColor: "#212121"
            shadowHorizontalOffset: 0
            shadowVerticalOffset: 0
            shadowRadius: 8
            shadowColor: "#000000"
            borderColor: "#444444"
        }

        FocusFrame {
            shown: Look.keyboardFocus(filePathTextField)
        }
    }

    LazyFileDialog {
        id: fileDialog
        title: "Please choose a file"
        onFilesChosen: fileSelector.acceptFiles(urls)
        onCanceled: console.log(zelkLog, "Canceled")
    }

    ZelkButton {
        id: selectFileBtn
        anchors.top: fileSelector.top
        anchors.bottom: fileSelector.bottom
        anchors.right: fileSelector.right
        width: 203
        text: "Browse"
        onClicked: fileDialog.open()
    }
}
