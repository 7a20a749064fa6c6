import QtQuick 2.9
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/accentShades.js" as AccentShades
import "private/keyNavigation.js" as Nav

// One stop of the Tab key, on the rated star (the first while unrated). The
// focused star is the preview; the arrows, Home and End move it, Space or
// Return rates it.
ListView {
    id: root

    // Relative to this document, so the stars are found in the bundle and in an installed copy alike.
    property url fullImage: "../images/StarBlue.svg"
    property url emptyImage: "../images/StarWhite.svg"
    property alias levels: root.model
    property real imageWidth: 50
    property real imageHeight: 50
    property int currentHighlightedIndex: -1
    property int currentRate: -1

    implicitHeight: imageHeight
    opacity: enabled ? 1 : 0.3
    Accessible.role: Accessible.Grouping
    orientation: ListView.Horizontal
    interactive: false

    // The keys' preview ends with the focus; a pointer still on a star previews again as it moves.
    // The focus also goes when a parent is destroyed under it, after this document's ids are gone.
    onActiveFocusChanged: {
        if (!activeFocus && root)
            root.currentHighlightedIndex = -1;
    }

    delegate: Item {
        id: delegateRoot

        readonly property bool rated: index <= root.currentRate
        readonly property bool highlighted: index <= root.currentHighlightedIndex
        // The library's own stars, drawn in the stock accent; others are the user's to colour.
        // (Qt 6 keeps a url property as written, so both sides are resolved here.)
        readonly property bool ownStar: [String(Qt.resolvedUrl("../images/StarBlue.svg")),
                                         String(Qt.resolvedUrl("../images/StarWhite.svg"))].indexOf(String(Qt.resolvedUrl(imageCtrl.source))) >= 0

        objectName: "star" + index
        width: root.imageWidth
        height: root.imageHeight
        activeFocusOnTab: index === Nav.tabStop(root.currentRate, root.count)
        Accessible.role: Accessible.RadioButton
        Accessible.focusable: true
        Accessible.name: qsTr("Rating %1 of %2").arg(index + 1).arg(root.count)
        Accessible.checkable: true
        Accessible.checked: index === root.currentRate
        Accessible.onPressAction: root.currentRate = index

        Keys.onPressed: function(event) {
            if (Nav.isPress(event.key)) {
                event.accepted = true;
                root.currentRate = index;
                return;
            }
            var next = Nav.step(event.key, index, root.count, false, null, root.effectiveLayoutDirection === Qt.RightToLeft);
            if (next === null)
                return;
            event.accepted = true;
            root.itemAtIndex(next).forceActiveFocus();
        }
        onActiveFocusChanged: {
            if (activeFocus)
                root.currentHighlightedIndex = index;
        }

        Image {
            id: imageCtrl
            anchors.fill: parent
            sourceSize.width: width
            sourceSize.height: height
            source: delegateRoot.rated || delegateRoot.highlighted ? root.fullImage : root.emptyImage
            layer.enabled: delegateRoot.ownStar && !AccentShades.isStock(ZelkDesign.themeColor)
            layer.effect: ColorOverlay { color: ZelkDesign.themeColor }
        }

        MouseArea {
            anchors.fill: imageCtrl
            hoverEnabled: true
            onEntered: root.currentHighlightedIndex = index
            // Only clear our own preview: the star entered next may already have set its own.
            onExited: {
                if (root.currentHighlightedIndex === index)
                    root.currentHighlightedIndex = -1;
            }
            onClicked: root.currentRate = index
        }

        FocusFrame {
            shown: delegateRoot.activeFocus
        }
    }
}
