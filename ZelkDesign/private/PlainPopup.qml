import QtQuick 2.9
import QtQuick.Templates 2.15 as T
import "defaultStyle.js" as DefaultStyle

// Qt Quick Controls' Popup as its Default style sets it up, whatever style
// the host application picks. Its font is left to the host's style, so that
// controls a host puts in a popup keep the fonts of that style.
T.Popup {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)
    padding: 12

    T.Overlay.modal: Rectangle {
        color: DefaultStyle.modalDimColor
    }

    T.Overlay.modeless: Rectangle {
        color: DefaultStyle.modelessDimColor
    }
}
