import QtQuick 2.9
import QtQuick.Window 2.2

// Gives the keyboard back, when a popup closes, to the item that had it
// before the popup opened. Qt 5.15 hands it to the window's content item:
// in an ApplicationWindow that finds the item again, but in a plain window,
// where content and popups share one focus scope, the item is forgotten.
// Place it in the popup's background, which is in the window while the
// popup is open.
Item {
    id: root

    property var popup: null

    property Item previous: null
    property var window: null

    Connections {
        target: root.popup

        function onAboutToShow() {
            root.window = root.Window.window;
            root.previous = root.window ? root.window.activeFocusItem : null;
        }

        // Only where Qt left the keyboard nowhere: not where it found the
        // item itself or went on to another popup still open.
        function onClosed() {
            // A popup torn down with its parent closes after this document's ids are gone.
            if (!root)
                return;
            var window = root.window;
            if (root.previous && window && (window.activeFocusItem === null || window.activeFocusItem === window.contentItem))
                root.previous.forceActiveFocus();
        }
    }
}
