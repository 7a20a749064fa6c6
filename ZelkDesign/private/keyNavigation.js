.pragma library

// What the library's keys do, as plain numbers, so the rules can be checked
// without a window. Each function returns null for a key it does not take,
// which the caller then leaves to its parent.

// The entry a row or column of `count` entries moves to from `index`: the
// axis keys step to the nearest usable neighbour (Left and Up back, Right and
// Down on), Home and End go to the first and the last usable entry. At either
// end, or with no usable entry that way, the key is taken and nothing moves.
// `usable(i)` leaves out inactive entries; without it every entry is usable.
// A `mirrored` row runs from the right, so there Left goes on and Right back:
// the arrows always move toward the entry on their side.
function step(key, index, count, vertical, usable, mirrored) {
    var ok = usable || function() { return true; };
    var back = vertical ? Qt.Key_Up : mirrored ? Qt.Key_Right : Qt.Key_Left;
    var on = vertical ? Qt.Key_Down : mirrored ? Qt.Key_Left : Qt.Key_Right;
    var from, delta;
    if (key === back || key === on) {
        delta = key === back ? -1 : 1;
        // From no entry at all, on starts at the first and back at the last.
        from = index < 0 || index >= count ? (delta > 0 ? -1 : count) : index;
    } else if (key === Qt.Key_Home) {
        from = -1;
        delta = 1;
    } else if (key === Qt.Key_End) {
        from = count;
        delta = -1;
    } else {
        return null;
    }
    for (var i = from + delta; i >= 0 && i < count; i += delta) {
        if (ok(i))
            return i;
    }
    return index;
}

// The entry Tab stops at in a chooser that is reached as one: the current
// one, or the first while none is current.
function tabStop(index, count) {
    return index >= 0 && index < count ? index : 0;
}

// The value a slider's Home, End, Page Up or Page Down key sets: the ends of
// the range, or a page of ten steps (a tenth of the range for a continuous
// slider) up or down, held within the range. The arrows are the slider's own.
function sliderValue(key, value, from, to, stepSize) {
    var page = stepSize > 0 ? 10 * stepSize : (to - from) / 10;
    var low = Math.min(from, to), high = Math.max(from, to);
    var target;
    if (key === Qt.Key_Home)
        target = from;
    else if (key === Qt.Key_End)
        target = to;
    else if (key === Qt.Key_PageUp)
        target = value + page;
    else if (key === Qt.Key_PageDown)
        target = value - page;
    else
        return null;
    return Math.max(low, Math.min(high, target));
}

// Whether a key presses what has the focus, as Space does a button.
function isPress(key) {
    return key === Qt.Key_Space || key === Qt.Key_Return || key === Qt.Key_Enter;
}
