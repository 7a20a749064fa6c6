pragma Singleton
import QtQuick 2.9
import QtQuick.Window 2.2

// Which scene graph draws the library. Qt Graphical Effects draw nothing
// under the software one (QT_QUICK_BACKEND=software, on machines without
// OpenGL), so an item hidden because an effect draws it would vanish with the
// effect; there the controls show such items plainly and go without glows.
// The backend is one for the whole process, so a window that is never shown
// tells it for every window.
QtObject {
    readonly property bool software: probe.api === GraphicsInfo.Software

    readonly property Window probeWindow: Window {
        Item {
            id: probe
            readonly property int api: GraphicsInfo.api
        }
    }
}
