import QtQuick 2.9
import "."
import "private"
import "private/controlLook.js" as Look
import "private/defaultStyle.js" as DefaultStyle

PlainTextArea {
    id: control

    // The Default style's, with the placeholder counted.
    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth + leftInset + rightInset,
                            placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight + topInset + bottomInset,
                             placeholder.implicitHeight + topPadding + bottomPadding)
    // The application's default font, as under the Default style; users set their own.
    font: DefaultStyle.controlFont(Qt.application.font)
    placeholderText: qsTr("Enter description")
    opacity: enabled ? 1 : 0.3

    background: SunkenFrame {
        shadowColor: ZelkDesign.fieldShadowColor
        shadowHorizontalOffset: control.focus ? 0 : 2
        borderColor: control.focus ? ZelkDesign.themeColor : ZelkDesign.fieldBorderColor
    }

    FieldPlaceholder {
        id: placeholder
        field: control
    }

    FocusFrame {
        shown: Look.keyboardFocus(control)
    }
}
