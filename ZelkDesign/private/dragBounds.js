.pragma library

// Where a dragged window-like item may go: its top strip (full width,
// `stripHeight` high) stays inside the area, so it can always be grabbed
// again. An item wider than the area may slide only as far as keeps both of
// its ends reachable.
function keepStripInside(x, y, width, stripHeight, areaWidth, areaHeight) {
    return { x: clamp(x, 0, areaWidth - width), y: clamp(y, 0, areaHeight - stripHeight) };
}

function clamp(value, bound1, bound2) {
    var low = Math.min(bound1, bound2);
    var high = Math.max(bound1, bound2);
    return Math.min(Math.max(value, low), high);
}
