.pragma library

// The accent the library's blue shades were drawn against.
var stockAccent = "#2e91ed";

// [alpha, red, green, blue], 0 to 255, of "#rrggbb", "#aarrggbb" or a colour value.
function channels(colour) {
    if (typeof colour === "string") {
        var hex = colour.charAt(0) === "#" ? colour.substring(1) : colour;
        var value = parseInt(hex, 16);
        var alpha = hex.length === 8 ? (value >>> 24) & 0xff : 255;
        return [alpha, (value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff];
    }
    return [Math.round(colour.a * 255), Math.round(colour.r * 255), Math.round(colour.g * 255), Math.round(colour.b * 255)];
}

function hexColour(argb) {
    function two(n) { return (n < 16 ? "0" : "") + n.toString(16); }
    return "#" + (argb[0] === 255 ? "" : two(argb[0])) + two(argb[1]) + two(argb[2]) + two(argb[3]);
}

// Hue in degrees (0 for a grey), saturation and value from 0 to 1.
function toHsv(r, g, b) {
    var max = Math.max(r, g, b);
    var min = Math.min(r, g, b);
    var chroma = max - min;
    var hue = 0;
    if (chroma > 0) {
        if (max === r)
            hue = 60 * (((g - b) / chroma) % 6);
        else if (max === g)
            hue = 60 * ((b - r) / chroma + 2);
        else
            hue = 60 * ((r - g) / chroma + 4);
    }
    return { h: (hue + 360) % 360, s: max > 0 ? chroma / max : 0, v: max / 255 };
}

function fromHsv(h, s, v) {
    var c = v * s;
    var x = c * (1 - Math.abs((h / 60) % 2 - 1));
    var m = v - c;
    var sector = Math.floor(h / 60) % 6;
    var rgb = [[c, x, 0], [x, c, 0], [0, c, x], [0, x, c], [x, 0, c], [c, 0, x]][sector];
    return rgb.map(function(part) { return Math.round((part + m) * 255); });
}

function clamp01(n) {
    return Math.min(Math.max(n, 0), 1);
}

function isStock(accent) {
    var a = channels(accent);
    var s = channels(stockAccent);
    return a[1] === s[1] && a[2] === s[2] && a[3] === s[3];
}

// The shade that stands to `accent` as `reference` stands to the stock
// accent: its hue turned as far, its saturation and value scaled alike, its
// alpha kept. With the stock accent it is `reference` itself, to the bit, so
// the library looks exactly as drawn until an application changes the accent.
function follow(accent, reference) {
    if (isStock(accent))
        return reference;
    var a = channels(accent);
    var r = channels(reference);
    var s = channels(stockAccent);
    var from = toHsv(s[1], s[2], s[3]);
    var to = toHsv(r[1], r[2], r[3]);
    var base = toHsv(a[1], a[2], a[3]);
    var hue = (base.h + to.h - from.h + 360) % 360;
    var rgb = fromHsv(hue, clamp01(base.s * to.s / from.s), clamp01(base.v * to.v / from.v));
    return hexColour([r[0]].concat(rgb));
}
