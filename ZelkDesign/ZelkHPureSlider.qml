import QtQuick 2.9
import "."
import "private"

SkinnedSlider {
    id: slider

    // Qt's own default slider width; the height is the groove's, which the handle overhangs.
    implicitWidth: 200
    implicitHeight: 12
    opacity: enabled ? 1 : 0.3
    from: 0.0
    to: 1.0
    stepSize: 0.1
    value: 0.5
}
