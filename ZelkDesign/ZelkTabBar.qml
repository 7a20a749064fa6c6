import QtQuick 2.6
import "."
import "private"
import "private/keyNavigation.js" as Nav
import "private/mirroring.js" as Mirroring

// One stop of the Tab key, on the current tab; the arrows, Home and End
// choose another tab, and the focus goes with it.
FocusScope {
    id: root

    property int currentIndex: 0
    property var tabs: ["Calibration", "Accuracy Diagnostic"]
    property int count: tabs.length
    property string currentTabName: currentIndex >= 0 && currentIndex < count ? tabs[currentIndex] : ""
    property real tabWidth: count > 0 ? width / count : 0
    property real tabHeight: height

    implicitWidth: 690
    implicitHeight: 55
    opacity: enabled ? 1 : 0.3
    // Dimmed as one picture, so that the glows do not show through the plates.
    layer.enabled: !enabled
    Accessible.role: Accessible.PageTabList

    onCurrentIndexChanged: {
        var tab = activeFocus ? repeater.itemAtIndex(currentIndex) : null;
        if (tab)
            tab.forceActiveFocus();
    }

    SunkenFrame {
        anchors.fill: parent
        glowRadius: 3
        shadowHorizontalOffset: 3
        shadowVerticalOffset: 3
        shadowRadius: 16
        shadowColor: "#000000"
        borderColor: ZelkDesign.frameColor
    }

    TilePlate {
        id: currentBackRect
        // Under the tab the list lays out, which runs from the right when mirrored.
        x: Mirroring.x(root.tabWidth * root.currentIndex, width, root.width, repeater.effectiveLayoutDirection === Qt.RightToLeft)
        width: root.tabWidth
        height: root.tabHeight
        glowRadius: 10

        Behavior on x {
            NumberAnimation { duration: 100 }
        }
    }

    ListView {
        id: repeater
        objectName: "tabListView"
        anchors.fill: parent
        orientation: ListView.Horizontal
        interactive: false
        // The bar keeps its own current index; a current item of the view's
        // own would only bring an invisible highlight animating to its size.
        currentIndex: -1
        model: root.tabs

        delegate: Item {
            id: delegateRoot

            readonly property bool isCurrentTab: root.currentIndex === index

            function choose() {
                if (root.currentIndex !== index)
                    root.currentIndex = index;
            }

            objectName: "tab" + index
            width: root.tabWidth
            height: root.tabHeight
            activeFocusOnTab: index === Nav.tabStop(root.currentIndex, root.count)
            Accessible.role: Accessible.PageTab
            Accessible.focusable: true
            Accessible.name: modelData
            Accessible.selectable: true
            Accessible.selected: isCurrentTab
            Accessible.onPressAction: choose()

            Keys.onPressed: function(event) {
                var next = Nav.isPress(event.key) ? index
                                                  : Nav.step(event.key, index, root.count, false, null,
                                                             repeater.effectiveLayoutDirection === Qt.RightToLeft);
                if (next === null)
                    return;
                event.accepted = true;
                root.currentIndex = next;
            }

            // Only the current tab glows; a glow is costly to create, so the
            // other tabs have none rather than a hidden one.
            Loader {
                anchors.fill: labelCtrl
                active: delegateRoot.isCurrentTab
                sourceComponent: HighlightTextGlow {
                    source: labelCtrl
                }
            }

            PlainLabel {
                id: labelCtrl
                anchors.fill: parent
                text: modelData
                font.family: ZelkDesign.fontFamily
                font.pixelSize: 23
                font.weight: Font.DemiBold
                color: delegateRoot.isCurrentTab ? ZelkDesign.lightAccentColor : "#8a8a8a"
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                // The tab already says it.
                Accessible.ignored: true
            }

            MouseArea {
                anchors.fill: parent
                onClicked: delegateRoot.choose()
            }

            FocusFrame {
                shown: delegateRoot.activeFocus
            }
        }
    }
}
