import QtQuick 2.9
import QtQuick.Templates 2.15 as T
import "defaultStyle.js" as DefaultStyle

// Qt Quick Controls' TextArea as its Default style sets it up, whatever
// style the host application picks. Its placeholder is the user's to add
// (FieldPlaceholder), where a placeholder text can be set.
T.TextArea {
    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth + leftInset + rightInset)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight + topInset + bottomInset)
    padding: 6
    leftPadding: padding + 4
    color: DefaultStyle.textColor(enabled)
    selectionColor: DefaultStyle.selectionColor(enabled)
    selectedTextColor: DefaultStyle.selectedTextColor
    placeholderTextColor: DefaultStyle.placeholderColor(color)
}
