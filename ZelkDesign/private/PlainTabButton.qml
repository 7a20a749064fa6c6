import QtQuick 2.9
import QtQuick.Templates 2.15 as T

// Qt Quick Controls' TabButton as its Default style sets it up, whatever
// style the host application picks.
T.TabButton {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    spacing: 6
}
