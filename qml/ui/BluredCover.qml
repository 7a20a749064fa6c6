import QtQuick 2.8
import QtGraphicalEffects 1.0

Item {
    id: root

    property alias bluredTarget: blur.source

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    RecursiveBlur {
        id: blur
        objectName: "backdropBlur"
        anchors.fill: parent
        radius: 5
        loops: 25
        // Once the iterations have converged the result no longer changes (the
        // effect snapshots its source when it starts), yet uncached it is blurred
        // again on every frame an overlay animates. Cache it from then on;
        // caching during the iterations would only add a pass to each of them.
        cached: progress >= 1
    }

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.2
    }
}
