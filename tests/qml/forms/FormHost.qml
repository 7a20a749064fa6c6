import QtQuick 2.9
import QtQuick.Controls 2.2
import "qrc:/ui"

// A host view as an application would have one: a window with the app's
// blurred backdrop, showing the rating panel and owning the feedback dialog.
ApplicationWindow {
    id: window

    property alias feedback: feedback
    property alias rating: rating

    visible: true
    width: 800
    height: 800

    overlay.modal: BluredCover {
        bluredTarget: backgroundRect
    }

    Rectangle {
        id: backgroundRect
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#222222" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }

        UserRateDialog {
            id: rating
            x: 200
            y: 40
        }

        UserFeedbackDialog {
            id: feedback
        }
    }
}
