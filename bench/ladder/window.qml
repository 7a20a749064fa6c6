import QtQuick 2.8
import QtQuick.Window 2.2
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import QtQuick.Dialogs 1.2
import QtGraphicalEffects 1.0
import ZelkDesign 1.0
import CppBackend 1.0

// The main window's imports and an empty ApplicationWindow: what Qt Quick
// Controls 2 and the modules cost before anything is shown.
ApplicationWindow {
    visible: true
    width: 800
    height: 800
}
