import QtQuick 2.9

// A page of the gallery, built the first time it is shown (and `canBuild`),
// then kept with whatever its editors were set to, also when another page is
// chosen before it has finished building. Named by `source`, not declared in
// place, so that its document and the components on it are not even loaded
// before that.
Loader {
    id: loader

    property bool shown: false
    property bool canBuild: true
    property string title

    anchors.fill: parent
    visible: shown
    active: (shown && canBuild) || status !== Loader.Null

    Binding {
        target: loader.item
        when: loader.item !== null
        property: "title"
        value: loader.title
    }

    Binding {
        target: loader.item
        when: loader.item !== null
        property: "active"
        value: loader.shown
    }
}
