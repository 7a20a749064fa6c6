import QtQuick 2.8
import "qrc:/ui"

// The application's main window at the size of Qt's Gallery's window (its
// minimum size lifted): what remains of the difference from that peer once
// the window's area, which every buffer of the window and each frame's fill
// grow with, is the same.
MainView {
    width: 360
    height: 520
    minimumWidth: 0
    minimumHeight: 0
}
