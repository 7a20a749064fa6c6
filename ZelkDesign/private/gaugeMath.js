.pragma library

// Hundredths cut toward zero, the grain of the tick count's formula.
// Math.trunc, not parseInt, so that numbers printed in exponent form (1e-7)
// are not misread.
function hundredths(x) {
    return Math.trunc(x * 100);
}

// The most ticks a gauge counts: what its int property holds.
var maxTicks = 2147483647;

// One tick per whole step of the range. A continuous slider (stepSize 0 or
// less), an inverted or non-finite range, or a count beyond an int has no
// ticks; a range of zero width has one.
function tickCount(from, to, stepSize) {
    if (!(stepSize > 0) || !isFinite(from) || !isFinite(to))
        return 0;
    var count = Math.trunc((hundredths(to) - hundredths(from)) / stepSize / 100) + 1;
    if (!isFinite(count) || count < 1 || count > maxTicks)
        return 0;
    return count;
}

function stepValue(from, stepSize, index) {
    return from + stepSize * index;
}

// The tick whose step value the value is, or -1. Key presses add stepSize to
// the value, so four steps from 0.5 give 0.8999999999999999, and a step value
// computed as 0.7 + 0.1 * 2 is not the 0.9 a document types: a thousandth of
// a step absorbs such noise and still tells neighbouring steps apart.
function currentIndex(value, from, stepSize, count) {
    if (!(count > 0) || !isFinite(value))
        return -1;
    var index = Math.round((value - from) / stepSize);
    if (!(index >= 0 && index < count))
        return -1;
    return Math.abs(value - stepValue(from, stepSize, index)) <= stepSize / 1000 ? index : -1;
}

// Distance of tick `index` from the gauge's start. A lone tick stands at the
// start, where the handle rests at `from`.
function tickOffset(length, count, index) {
    return count > 1 ? length / (count - 1) * index : 0;
}

// Ticks closer than a pixel would only smear into one another and cost their
// items: then only every stride-th tick is drawn, so drawn ticks stand at
// least a pixel apart.
function stride(length, count) {
    return count > 2 ? Math.max(1, Math.ceil((count - 1) / Math.max(length, 1))) : 1;
}

// How many ticks are drawn: every stride-th from the first, and the last.
function drawnCount(count, stride) {
    return count > 0 ? Math.ceil((count - 1) / stride) + 1 : 0;
}

// The tick drawn in place `slot` (0 to drawnCount - 1).
function drawnTick(slot, count, stride) {
    return Math.min(slot * stride, count - 1);
}
