import QtQuick 2.8
import QtQuick.Controls 2.2
import QtQuick.Templates 2.3 as T
import ZelkDesign 1.0

Popup {
    id: root

    property alias from: progressBar.from
    property alias to: progressBar.to
    property alias value: progressBar.value
    property alias title: progressBar.title
    // Moves the bar up or down from the middle, to make room for another overlay.
    property real barOffset: 0

    // The Default style's popup brings its own plain dimming; clearing it lets
    // the window's blurred backdrop show behind the bar.
    T.Overlay.modal: null
    modal: true
    // Only whoever drives the overlay closes it: no key and no press does.
    // It holds the keyboard while open, so no key reaches the window behind.
    closePolicy: Popup.NoAutoClose
    focus: true

    background: Item {}

    ZelkProgressBar {
        id: progressBar
        objectName: "progressProgressBar"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: root.barOffset
    }
}
