import QtQuick 2.8
import QtQuick.Window 2.2
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import QtQuick.Dialogs 1.2
import QtGraphicalEffects 1.0
import ZelkDesign 1.0
import CppBackend 1.0

// The same window with one line of text in the theme's font: the first text
// sets up the font database, glyph cache and text shader.
ApplicationWindow {
    visible: true
    width: 800
    height: 800

    Label {
        text: "Select devices:"
        font.family: ZelkDesign.fontFamily
    }
}
