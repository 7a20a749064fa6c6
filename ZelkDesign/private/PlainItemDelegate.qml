import QtQuick 2.9
import QtQuick.Templates 2.15 as T

// Qt Quick Controls' ItemDelegate as its Default style sets it up, whatever
// style the host application picks.
T.ItemDelegate {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)
    padding: 12
    spacing: 8
}
