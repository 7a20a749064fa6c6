import QtQuick 2.9
import QtQuick.Templates 2.15 as T

// Qt Quick Controls' Button as its Default style sets it up, whatever
// style the host application picks. The library's buttons are built on it
// and bring their own content and background.
T.Button {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    horizontalPadding: padding + 2
    spacing: 6
}
