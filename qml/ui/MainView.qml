import QtQuick 2.8
import QtQuick.Window 2.2
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import QtQuick.Dialogs 1.2
import QtGraphicalEffects 1.0
import ZelkDesign 1.0
import CppBackend 1.0

ApplicationWindow {
    id: window

    visible: true
    width: 800
    height: 800
    title: qsTr("Orvane Tool")

    overlay.modal: BluredCover {
        objectName: "backdropBlur"
        bluredTarget: backgroundRect
    }

    Rectangle {
        id: backgroundRect
        objectName: "backgroundRect"
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#222222" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }

        SwipeView {
            id: swipeView
            objectName: "swipeView"
            anchors.fill: parent
            anchors.margins: 30
            interactive: false

            SelectDevicesView {
                id: selectDeviceView
                objectName: "selectDeviceView"
                onNextClicked: swipeView.currentIndex = 1
            }

            // Created only once the selection is made, from the list it built.
            Loader {
                id: deviceStepPage
                objectName: "deviceStepPage"
                active: SwipeView.isCurrentItem
                sourceComponent: Component {
                    DeviceStepView {
                        objectName: "deviceStepView"
                        devices: selectDeviceView.selectedDevices
                    }
                }
            }
        }

        // The swipe view's list keeps an invisible highlight item, which grows
        // to the page's size at 400 px/s: for two seconds after start and after
        // every resize the window would sync a frame 60 times a second for
        // nothing. Nothing shows it, so it takes its size at once.
        Binding {
            target: swipeView.contentItem
            property: "highlightResizeDuration"
            value: 0
        }

        PageIndicator {
            id: indicator
            objectName: "indicator"
            count: swipeView.count
            currentIndex: swipeView.currentIndex
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            anchors.horizontalCenter: parent.horizontalCenter
        }
    }

    // Missing keys of the backend's maps read as undefined; the guards turn them
    // into a closed overlay, an empty title and the backend's default range,
    // and a title of another type shows as text, instead of assignment warnings.
    BusyIndicatorView {
        id: busyIndicatorView
        objectName: "busyIndicatorView"
        width: parent.width
        height: parent.height
        visible: $app.busy.status === true
    }

    ProgressView {
        id: progressView
        objectName: "progressView"
        width: parent.width
        height: parent.height
        visible: $app.progressInfo.visible === true
        from: typeof $app.progressInfo.from === "number" ? $app.progressInfo.from : 0
        to: typeof $app.progressInfo.to === "number" ? $app.progressInfo.to : 100
        value: {
            // Applied again whenever the range changes: the bar clamps what it is
            // given, so a value written before its range widened would otherwise
            // stay cut short.
            progressView.from;
            progressView.to;
            return $app.progressValue;
        }
        title: $app.progressInfo.title != null ? String($app.progressInfo.title) : ""
    }
}
