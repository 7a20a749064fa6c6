import QtQuick 2.9
import QtQuick.Controls 2.3
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

    // Set on the window's overlay through the attached Overlay: Qt 6 has no ApplicationWindow.overlay.
    Binding { target: backgroundRect.Overlay.overlay; property: "modal"; value: blurredBackdrop }
    Component { id: blurredBackdrop; BluredCover { bluredTarget: backgroundRect } }

    Rectangle {
        id: backgroundRect
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#222222" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }

        UserRateDialog { id: rating; x: 200; y: 40 }
        UserFeedbackDialog { id: feedback }
    }
}
