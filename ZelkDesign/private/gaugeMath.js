.pragma library

// Values meet their tick at the grain of hundredths, cut toward zero: a step
// value such as 0.7 + 0.1 * 2 (0.8999999999999999) and a pointer that lands
// on it agree, while a typed 0.9 does not. Math.trunc, not parseInt, so that
// numbers printed in exponent form (1e-7) are not misread.
function hundredths(x) {
    return Math.trunc(x * 100);
}

// Beyond this a gauge is denser than any screen can show and its ticks would
// only cost start-up time; such a gauge draws none.
var maxTicks = 1001;

// One tick per whole step of the range. A continuous slider (stepSize 0 or
// less), an inverted or non-finite range, or a gauge too dense to draw has no
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

function isCurrent(value, from, stepSize, index) {
    return hundredths(value) === hundredths(stepValue(from, stepSize, index));
}

// Distance of tick `index` from the gauge's start. A lone tick stands at the
// start, where the handle rests at `from`.
function tickOffset(length, count, index) {
    return count > 1 ? length / (count - 1) * index : 0;
}
