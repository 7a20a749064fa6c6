import QtQuick 2.8
import QtQuick.Controls 2.3
import ZelkDesign 1.0
import CppBackend 1.0

ApplicationWindow {
    id: window

    visible: true
    width: 800
    height: 800
    // Below this the overlays' bar (776 px, its badge a little beyond either
    // end) or page 0's column of models would be cut off.
    minimumWidth: 790
    minimumHeight: 480
    title: qsTr("Orvane Tool")
    // Laid out left to right only; controls would mirror for a locale written right to left.
    locale: Qt.locale().textDirection === Qt.RightToLeft ? Qt.locale("en") : Qt.locale()

    // The backdrop behind modal popups, set on the window's overlay through
    // the attached Overlay: Qt 6 has no ApplicationWindow.overlay.
    Binding {
        target: backgroundRect.Overlay.overlay
        property: "modal"
        value: blurredBackdrop
    }

    Component {
        id: blurredBackdrop
        BluredCover {
            objectName: "backdropBlur"
            bluredTarget: backgroundRect
        }
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
            // Not a stop of its own in the tab chain, where it would only hand
            // focus back to whatever its page last had: Tab goes from the
            // page's last control round to its first.
            activeFocusOnTab: false

            // A page out of view takes no focus and no keys: Tab never reaches
            // the models left behind, and their ticks stay as they are.
            SelectDevicesView {
                id: selectDeviceView
                objectName: "selectDeviceView"
                enabled: SwipeView.isCurrentItem
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
    // Both open at once, the progress overlay stands above the busy one and
    // only the busy one draws the backdrop, so both bars show over it, the
    // busy bar above, the progress bar (whose badge hangs lower) below.
    BusyIndicatorView {
        id: busyIndicatorView
        objectName: "busyIndicatorView"
        width: parent.width
        height: parent.height
        visible: $app.busy.status === true
        barOffset: progressView.visible ? -80 : 0
    }

    ProgressView {
        id: progressView
        objectName: "progressView"
        z: 1
        width: parent.width
        height: parent.height
        visible: $app.progressInfo.visible === true
        dim: !busyIndicatorView.visible
        barOffset: busyIndicatorView.visible ? 70 : 0
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
