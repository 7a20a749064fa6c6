import QtQuick 2.9
import ".."
import "mirroring.js" as Mirroring

// One row of big picture buttons, a fixed 64 px apart whatever their
// margins, reporting the name of the one clicked.
Item {
    id: row

    property real spacing: 64 - 2 * margins
    property real buttonWidth: 412
    property real buttonHeight: 412
    property real margins: 0
    property var model: []
    // Anything but an array counts as no buttons.
    readonly property int count: Array.isArray(model) ? model.length : 0

    signal buttonClicked(string buttonName)

    width: count * buttonWidth + Math.max(count - 1, 0) * spacing + 2 * margins
    height: buttonHeight + 2 * margins

    Repeater {
        model: row.count > 0 ? row.model : []

        ZelkBigButton {
            readonly property var item: modelData ? modelData : ({})

            objectName: "bigButton" + index
            x: Mirroring.x((row.spacing + row.buttonWidth + 2 * row.margins) * index, width, row.width, row.LayoutMirroring.enabled)
            y: row.margins
            width: row.buttonWidth
            height: row.buttonHeight
            margins: row.margins
            iconSource: item.icon || ""
            text: item.buttonText || ""
            enabled: !!item.buttonEnabled

            onClicked: row.buttonClicked(item.buttonName)
        }
    }
}
