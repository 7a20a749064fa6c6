import QtQuick 2.9

// A page of the gallery's stack, built the first time it is shown and then
// kept, with whatever its editors were set to (also when another page is
// chosen before it has finished building).
Loader {
    property bool shown: false

    active: shown || status !== Loader.Null
}
