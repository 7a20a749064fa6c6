import QtQuick 2.7
import "ui"

// Only what this document names: every import here is loaded before the first
// frame, whether or not anything shown uses it.
QtObject {
    id: root

    property QtObject $viewer: MainView {}
}
