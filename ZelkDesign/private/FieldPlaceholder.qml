import QtQuick 2.9

// The placeholder text of a text field or area, laid out and shown as the
// Default style does it. A field with an explicit horizontal alignment hands
// it on; an implicit one leaves the placeholder to its own text's direction.
Text {
    property Item field

    x: field.leftPadding
    y: field.topPadding
    width: field.width - (field.leftPadding + field.rightPadding)
    height: field.height - (field.topPadding + field.bottomPadding)
    text: field.placeholderText
    font: field.font
    color: field.placeholderTextColor
    verticalAlignment: field.verticalAlignment
    visible: !field.length && !field.preeditText && (!field.activeFocus || field.horizontalAlignment !== Qt.AlignHCenter)
    elide: Text.ElideRight
    renderType: field.renderType
}
