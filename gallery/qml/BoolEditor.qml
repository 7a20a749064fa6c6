import QtQuick 2.9
import ZelkDesign 1.0

// A boolean property of the component on show; the user of this editor binds
// `checked` to the property and writes it back in onToggled.
ZelkCheckBox {
    // Less than 8 and the label runs past the width the check box claims.
    margins: 8
    indicatorItemWidth: 20
    indicatorItemHeight: 20
    font.pixelSize: 14
}
