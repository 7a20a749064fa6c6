import QtQuick 2.9
import QtGraphicalEffects 1.0
import QtQuick.Layouts 1.3
import "."
import "private"
import "private/controlLook.js" as Look
import "private/keyNavigation.js" as Nav
import "private/outlinePaths.js" as Paths

Item {
    id: toolBar

    property real itemWidth: 62
    property real itemHeight: 62
    property real radius: 12
    property real margins: 10
    property var model: []
    property bool showLabels: false

    signal clicked(string buttonName)

    width: 2 * margins + itemWidth
    height: 2 * margins + itemHeight * internal.count

    QtObject {
        id: internal
        // Anything but an array counts as no entries.
        readonly property int count: Array.isArray(toolBar.model) ? toolBar.model.length : 0
    }

    ToolFrame {
        id: frame
        anchors.fill: parent
        frameMargins: toolBar.margins
        radius: toolBar.radius
        // An empty bar has no well to show, only its margins.
        visible: internal.count > 0

        overShadow: Repeater {
            model: Math.max(internal.count - 1, 0)

            Rectangle {
                y: toolBar.itemHeight * (index + 1) - 1
                width: frame.frame.width
                height: 2
                color: "#434343"
            }
        }
    }

    Repeater {
        id: entries
        model: internal.count > 0 ? toolBar.model : []

        PlainButton {
            id: control

            readonly property var entry: modelData ? modelData : ({})
            readonly property bool active: entry.active === true

            x: toolBar.margins
            y: toolBar.margins + toolBar.itemHeight * index
            width: toolBar.itemWidth
            height: toolBar.itemHeight
            objectName: "toolButton" + index
            padding: 0
            leftPadding: 0
            rightPadding: 0
            enabled: active
            // The button shows only a picture; its name comes from the entry.
            Accessible.name: entry.label || entry.buttonName || ""
            // Said outright: Qt 6.4's attached Accessible takes the press and drops it.
            Accessible.onPressAction: clicked()

            // Up, Down, Home and End move the focus between the active
            // entries, the way a menu's keys do.
            Keys.onPressed: function(event) {
                var next = Nav.step(event.key, index, entries.count, true, function(i) { return entries.itemAt(i).active; });
                if (next === null)
                    return;
                event.accepted = true;
                if (next !== index)
                    entries.itemAt(next).forceActiveFocus(next > index ? Qt.TabFocusReason : Qt.BacktabFocusReason);
            }
            Keys.onReturnPressed: Look.pressByKey(control)
            Keys.onEnterPressed: Look.pressByKey(control)
            onClicked: {
                if (active)
                    toolBar.clicked(entry.buttonName);
            }

            contentItem: Item {
                Image {
                    id: iconImageCtrl
                    anchors.centerIn: parent
                    source: (!control.enabled ? control.entry.inactiveImageSource
                                             : Look.highlighted(control) ? control.entry.activeImageSource
                                                                         : control.entry.normalImageSource) || ""
                }

                PlainLabel {
                    id: labelCtrl
                    anchors.right: parent.left
                    anchors.rightMargin: 20
                    anchors.verticalCenter: parent.verticalCenter
                    visible: toolBar.showLabels
                    text: control.entry.label || ""
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 16
                    color: ZelkDesign.textColor
                    horizontalAlignment: Text.AlignHCenter
                    Accessible.ignored: true
                }
            }

            background: Item {
                clip: false
                visible: Look.highlighted(control)

                OutlineCanvas {
                    id: frameCanvas

                    property int itemCount: internal.count
                    property real margins: 10

                    anchors.fill: parent
                    anchors.margins: -margins
                    visible: Renderer.software
                    strokeColor: ZelkDesign.themeColor
                    lineWidth: 3
                    path: Paths.stackedHighlight(width, height, toolBar.radius, margins, index, itemCount)
                }

                Glow {
                    id: frameCanvasGlow
                    anchors.fill: frameCanvas
                    source: frameCanvas
                    radius: 8
                    spread: 0.2
                    color: ZelkDesign.semiTransparent(ZelkDesign.themeColor, 0xdd / 255)
                    smooth: true
                    cached: true
                }
            }

            // Inside the button: the highlight's outline already runs along its edge.
            FocusFrame {
                shown: Look.keyboardFocus(control)
                gap: -8
            }
        }
    }
}
