.pragma library

// How much of a dragged dialog's title strip stays inside the window: enough
// to grab it again with the pointer.
var grip = 80;

// Where a dragged dialog may go, in the coordinates of the area it must stay
// reachable in (the window): the strip's full height stays inside, and so do
// at least `grip` pixels of the part of the strip that drags, which runs from
// `grabFrom` to `grabTo` measured from the dialog's left edge (a close button
// at the strip's end takes its own presses). The rest of the dialog may leave
// the area.
function keepStripReachable(x, y, grabFrom, grabTo, stripHeight, areaWidth, areaHeight) {
    var reach = Math.min(grip, grabTo - grabFrom);
    return {
        x: clamp(x, reach - grabTo, areaWidth - reach - grabFrom),
        y: clamp(y, 0, areaHeight - stripHeight)
    };
}

function clamp(value, bound1, bound2) {
    var low = Math.min(bound1, bound2);
    var high = Math.max(bound1, bound2);
    return Math.min(Math.max(value, low), high);
}
