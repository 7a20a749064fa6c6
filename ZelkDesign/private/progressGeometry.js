.pragma library

// Geometry of ZelkProgressBar, kept free of items so it can be checked with numbers.

// The slide step of the indeterminate cycle has a fixed duration; the other
// two steps run at the speed it sets.
var slideDuration = 1000;

// Segment used when the value sits at an end of the range, where the cycle's
// own figures degenerate (no segment at all, or one that never moves).
var fallbackSegmentFraction = 0.3;

var maxEndsDuration = Math.floor((2147483647 - slideDuration) / 2);

// The bar's position as a fraction of the track. Qt's bar already clamps its
// value, but a range with a non-finite end still yields NaN, so the fill and
// the badge get this instead: 0 for anything that is not a number.
function fraction(position) {
    if (!(position > 0))
        return 0;
    return Math.min(position, 1);
}

// Integer percent, fraction dropped, as the badge reads it.
function percentText(position) {
    return Math.trunc(fraction(position) * 100) + " %";
}

// Outline of the value badge: a box with a pointer at its top centre whose tip
// touches the top margin. Points in drawing order; the path closes on the first.
function badgeOutline(width, height, margins, pointerWidth, pointerHeight) {
    var boxTop = margins + pointerHeight;
    var centre = width / 2;
    return [
        { x: margins, y: boxTop },
        { x: centre - pointerWidth / 2, y: boxTop },
        { x: centre, y: margins },
        { x: centre + pointerWidth / 2, y: boxTop },
        { x: width - margins, y: boxTop },
        { x: width - margins, y: height - margins },
        { x: margins, y: height - margins }
    ];
}

// Figures of one indeterminate cycle on a track `track` long for a bar whose
// position is `position`: the segment grows out of the left end, slides to the
// right end in `slideDuration`, then shrinks into it, all at one speed.
// Durations are whole milliseconds, finite and small enough for an int even
// when the segment all but fills the track, and the slide keeps every cycle at
// least `slideDuration` long, so it never spins on zero-length steps.
function indeterminateFigures(track, position) {
    var length = track > 0 ? track : 0;
    var part = fraction(position);
    if (part <= 0 || part >= 1)
        part = fallbackSegmentFraction;
    var segment = part * length;
    var speed = (length - segment) / slideDuration;
    var endsDuration = speed > 0 ? Math.min(Math.trunc(segment / speed), maxEndsDuration) : 0;
    return {
        segment: segment,
        speed: speed,
        endsDuration: endsDuration,
        cycleDuration: slideDuration + 2 * endsDuration
    };
}
