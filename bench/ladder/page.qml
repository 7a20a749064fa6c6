import QtQuick 2.8
import QtQuick.Window 2.2
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import QtQuick.Dialogs 1.2
import QtGraphicalEffects 1.0
import ZelkDesign 1.0
import CppBackend 1.0
import "qrc:/ui"

// The same window holding the application's selection page and nothing else
// of the main window (no swipe view, page indicator or overlays).
ApplicationWindow {
    visible: true
    width: 800
    height: 800

    SelectDevicesView {
        anchors.fill: parent
        anchors.margins: 30
    }
}
