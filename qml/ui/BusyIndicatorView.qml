import QtQuick 2.8
import QtQuick.Controls 2.2
import QtQuick.Templates 2.3 as T
import ZelkDesign 1.0

Popup {
    id: root

    // The Default style's popup brings its own plain dimming; clearing it lets
    // the window's blurred backdrop show behind the bar.
    T.Overlay.modal: null
    modal: true

    background: Item {}

    ZelkProgressBar {
        id: progressBar
        objectName: "busyProgressBar"
        anchors.centerIn: parent
        valueLabelVisible: false
        indeterminate: true
        value: 0.3
        // A map without a reason (or with a null one) shows no title, and one of
        // another type (a number, a list) shows as text, rather than a warning.
        title: $app.busy.reason != null ? String($app.busy.reason) : ""
    }
}
