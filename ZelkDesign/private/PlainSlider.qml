import QtQuick 2.9
import QtQuick.Templates 2.15 as T

// Qt Quick Controls' Slider as its Default style sets it up, whatever
// style the host application picks.
T.Slider {
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitHandleWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitHandleHeight + topPadding + bottomPadding)
    padding: 6
}
