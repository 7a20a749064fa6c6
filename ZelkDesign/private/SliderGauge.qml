import QtQuick 2.9
import QtGraphicalEffects 1.0
import ".."
import "gaugeMath.js" as GaugeMath
import "accentShades.js" as AccentShades
import "mirroring.js" as Mirroring

// A tick per step beside a slider, spread over the travel of the handle's
// centre; the tick of the current value is blue and glows. Horizontal ticks
// hang down with their values below; vertical ones point right with their
// values at their ends. Where ticks would stand closer than a pixel, only
// every stride-th is drawn; the first, the last and the current always are.
Item {
    id: gauge

    property real from
    property real to
    property real stepSize
    property real value
    property bool vertical: false
    // Mirrored, horizontal ticks run from the right and vertical ones point left.
    property bool mirrored: false
    // Values are only ever shown for the first, the last and the current tick.
    property bool valuesVisible: true
    readonly property int gaugeCount: GaugeMath.tickCount(from, to, stepSize)
    // The tick whose step value is the value, -1 when there is none.
    readonly property int currentIndex: GaugeMath.currentIndex(value, from, stepSize, gaugeCount)
    readonly property int stride: GaugeMath.stride(vertical ? height : width, gaugeCount)
    readonly property int drawnCount: GaugeMath.drawnCount(gaugeCount, stride)

    // The drawn ticks, then one more place for the current tick: a value
    // change moves that one tick instead of restyling two.
    Repeater {
        model: gauge.gaugeCount > 0 ? gauge.drawnCount + 1 : 0

        Item {
            id: delegateRootItem

            readonly property bool isCurrentValue: index === gauge.drawnCount
            readonly property int tickIndex: isCurrentValue ? gauge.currentIndex
                                                            : GaugeMath.drawnTick(index, gauge.gaugeCount, gauge.stride)
            readonly property real stepValue: GaugeMath.stepValue(gauge.from, gauge.stepSize, tickIndex)
            readonly property real offset: GaugeMath.tickOffset(gauge.vertical ? gauge.height : gauge.width,
                                                                gauge.gaugeCount, tickIndex)

            objectName: isCurrentValue ? "currentTick" : "tick" + tickIndex
            x: gauge.vertical ? 0 : Mirroring.x(offset - 0.5, width, gauge.width, gauge.mirrored)
            y: gauge.vertical ? offset - 1 : 0
            width: gauge.vertical ? gauge.width : 1
            height: gauge.vertical ? 2 : gauge.height
            // The current tick draws itself over the plain one it replaces.
            visible: isCurrentValue ? tickIndex >= 0 : tickIndex !== gauge.currentIndex

            // Only the current tick glows; a glow is costly to create, so the
            // other ticks have none rather than a hidden one.
            Loader {
                anchors.fill: gaugeLine
                active: delegateRootItem.isCurrentValue
                sourceComponent: RectangularGlow {
                    glowRadius: 10
                    spread: 0.2
                    color: ZelkDesign.semiTransparent(ZelkDesign.themeColor, 0x88 / 255)
                    cornerRadius: gaugeLine.radius + glowRadius
                }
            }

            Rectangle {
                id: gaugeLine
                objectName: "gaugeLine"
                x: Mirroring.x(0, width, parent.width, gauge.mirrored)
                color: delegateRootItem.isCurrentValue ? AccentShades.follow(ZelkDesign.themeColor, "#2e8fea") : ZelkDesign.mutedTextColor
                width: gauge.vertical ? (delegateRootItem.isCurrentValue ? 25 : 12)
                                      : (delegateRootItem.isCurrentValue ? 2 : 1)
                height: gauge.vertical ? 2
                                       : (delegateRootItem.isCurrentValue ? parent.height * 1.2 : parent.height)
            }

            // Values show at three ticks at most; the others get no label at
            // all, since text is what a gauge of many ticks spends most on.
            Loader {
                active: gauge.valuesVisible && delegateRootItem.visible
                        && (delegateRootItem.isCurrentValue || delegateRootItem.tickIndex === 0
                            || delegateRootItem.tickIndex === gauge.gaugeCount - 1)
                sourceComponent: PlainLabel {
                    objectName: "valueLabel"
                    x: gauge.vertical ? Mirroring.x(delegateRootItem.width - width, width, delegateRootItem.width, gauge.mirrored)
                                      : (delegateRootItem.width - width) / 2
                    y: gauge.vertical ? (delegateRootItem.height - height) / 2 : delegateRootItem.height + 5
                    width: gauge.vertical ? 27 : implicitWidth
                    text: delegateRootItem.stepValue.toFixed(1)
                    color: gaugeLine.color
                    horizontalAlignment: Text.AlignLeft
                    font.family: ZelkDesign.fontFamily
                    font.pixelSize: 15
                    font.bold: delegateRootItem.isCurrentValue
                }
            }
        }
    }
}
