// Numbers behind InsetShadow: how wide its closed-form blur must be to match
// Graphical Effects' Gaussian inner shadow, and the corner the shape can hold.
.pragma library

// Graphical Effects blurs each direction with `samples` taps spread evenly
// over [-radius + 0.5, radius - 0.5], weighted by a normal density of
// deviation (radius + 1) / 3.3333 and normalised; each tap reads its texture
// with linear filtering, which widens the kernel by a one-texel tent. The
// closed form uses one normal distribution of the same variance.
function deviation(radius, samples) {
    var taps = Math.floor(samples / 2) * 2;
    if (!(radius > 0) || !(taps >= 2) || !isFinite(radius))
        return 0.3;
    var sigma = Math.max(0.1, (radius + 1) / 3.3333);
    var step = (2 * radius - 1) / (taps - 1);
    var sum = 0;
    var moment = 0;
    for (var i = 0; i < taps; ++i) {
        var d = -radius + 0.5 + i * step;
        var w = Math.exp(-d * d / (2 * sigma * sigma));
        sum += w;
        moment += w * d * d;
    }
    return Math.sqrt(moment / sum + 1 / 6);
}

// A rectangle's corner radius never exceeds half its shorter side; anything
// that is not a positive number (NaN from a binding, say) means square corners,
// since the shader would turn it into garbage.
function cornerRadius(width, height, inset, radius) {
    var limit = Math.min(width, height) / 2 - inset;
    if (!(radius > 0) || !(limit > 0))
        return 0;
    return Math.min(radius, limit);
}
