import QtQuick 2.9
import QtQuick.Templates 2.15 as T
import "defaultStyle.js" as DefaultStyle

// Qt Quick Controls' Label as its Default style sets it up, whatever style
// the host application picks: the captions inside the library's controls.
T.Label {
    color: DefaultStyle.windowTextColor(enabled)
    linkColor: DefaultStyle.linkColor
}
