import QtQuick 2.9
import QtQuick.Templates 2.15 as T
import QtGraphicalEffects 1.0
import "."
import "private"
import "private/controlLook.js" as Look
import "private/mirroring.js" as Mirroring

PlainComboBox {
    id: control

    model: ["First", "Second", "Third", "Fourth"]
    implicitWidth: 200
    implicitHeight: 50
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20

    delegate: PlainItemDelegate {
        id: itemDelegate
        width: control.width
        leftPadding: 0
        rightPadding: 0
        highlighted: control.highlightedIndex === index || itemDelegate.hovered

        contentItem: Text {
            // Callers pass their texts marked but untranslated; the open list
            // translates them here, the closed box shows them as given.
            text: qsTr(modelData)
            font: control.font
            color: itemDelegate.highlighted ? ZelkDesign.highlightedTextColor : ZelkDesign.textColor
            elide: Text.ElideRight
            leftPadding: itemDelegate.mirrored ? 0 : 15
            rightPadding: itemDelegate.mirrored ? 15 : 0
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignLeft
        }

        background: Rectangle {
            color: itemDelegate.highlighted ? ZelkDesign.themeColor : "transparent"
        }
    }

    contentItem: PlainTextField {
        text: control.displayText
        font: control.font
        color: control.enabled ? ZelkDesign.textColor : ZelkDesign.disabledTextColor
        // Mirrored, the drop button stands at the left end and the text at the right.
        leftPadding: control.mirrored ? control.indicator.width + control.spacing : 15
        rightPadding: control.mirrored ? 15 : control.indicator.width + control.spacing
        verticalAlignment: Text.AlignVCenter
        // Aligned by the box's own mirroring rather than the layout's: a text
        // input does not realign when the layout's mirroring changes later.
        horizontalAlignment: control.mirrored ? Text.AlignRight : Text.AlignLeft
        LayoutMirroring.enabled: false
        selectByMouse: false
        // Only an editable box takes typing; otherwise a press on the text
        // must open the list, and typed text would show a choice not made.
        enabled: control.editable

        // Spans the whole box, so the frame runs on under the drop button.
        background: SunkenFrame {
            x: -control.leftPadding
            width: control.width
            height: control.height
            shadowColor: ZelkDesign.fieldShadowColor
            borderColor: control.focus ? ZelkDesign.themeColor : ZelkDesign.fieldBorderColor
        }
    }

    indicator: RaisedFace {
        x: Mirroring.x(control.width - width, width, control.width, control.mirrored)
        y: control.topPadding + (control.availableHeight - height) / 2
        // Above the text field, whose frame runs on underneath.
        z: 1
        width: 50
        height: control.height
        opacity: control.enabled ? 1 : 0.3
        highlighted: Look.highlighted(control)
        borderWidth: 2

        Text {
            anchors.centerIn: parent
            text: ZelkDesign.fa.sortDown
            font.family: ZelkDesign.faSolid
            font.pixelSize: 20
            color: control.enabled ? ZelkDesign.raisedTextColor : ZelkDesign.raisedDisabledTextColor
            opacity: control.enabled ? 1.0 : 0.3
        }
    }

    background: Item {}

    popup: PlainPopup {
        y: control.height - 1
        width: control.width
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 1

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex

            T.ScrollIndicator.vertical: PlainScrollIndicator {}
        }

        background: Item {
            Rectangle {
                id: menuBackRect
                anchors.fill: parent
                color: "black"
                border.color: "#3f3f3f"
                visible: Renderer.software
            }

            DropShadow {
                anchors.fill: menuBackRect
                source: menuBackRect
                horizontalOffset: 3
                verticalOffset: 3
                radius: 8.0
                samples: 17
                color: "#80000000"
            }
        }
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
