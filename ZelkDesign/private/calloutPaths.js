.pragma library

// Outlines of the callout and the pointed plate as plain path commands
// (["moveTo", x, y], ["lineTo", x, y], ["closePath"]), so the shapes can be
// checked with numbers and replayed on any 2D context.

function polygon(points) {
    var path = [["moveTo", points[0][0], points[0][1]]];
    for (var i = 1; i < points.length; ++i)
        path.push(["lineTo", points[i][0], points[i][1]]);
    path.push(["closePath"]);
    return path;
}

// A box inset by `margins` with a triangular pointer on its left side (its
// right side when mirrored), `arrowHeight` deep and twice that high, its tip
// on the inset edge at mid-height. Starts and ends at the tip.
function callout(width, height, margins, arrowHeight, mirrored) {
    var m = margins, a = arrowHeight;
    var points = [
        [m, height / 2],
        [m + a, height / 2 - a],
        [m + a, m],
        [width - m, m],
        [width - m, height - m],
        [m + a, height - m],
        [m + a, height / 2 + a]
    ];
    if (mirrored)
        points = points.map(function(p) { return [width - p[0], p[1]]; });
    return polygon(points);
}

// A plate inset by `margins` whose top edge carries an upward pointer at its
// centre, `arrowWidth` wide at its base and `arrowHeight` high. Starts at the
// top left corner.
function plate(width, height, margins, arrowHeight, arrowWidth) {
    var m = margins, a = arrowHeight, b = arrowWidth;
    return polygon([
        [m, m + a],
        [width / 2 - b / 2, m + a],
        [width / 2, m],
        [width / 2 + b / 2, m + a],
        [width - m, m + a],
        [width - m, height - m],
        [m, height - m]
    ]);
}
