import QtQuick 2.9
import "private"

SkinnedSlider {
    id: slider

    height: 12
    opacity: enabled ? 1 : 0.3
    from: 0.0
    to: 1.0
    stepSize: 0.1
    value: 0.5
}
