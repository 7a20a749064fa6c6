import QtQuick 2.8
import QtQuick.Window 2.2

// The floor's window drawing one rectangle: the first thing drawn makes
// llvmpipe generate code, which the empty floor never does.
Window {
    visible: true
    width: 800
    height: 800

    Rectangle {
        width: 100
        height: 100
        color: "#2e91ed"
    }
}
