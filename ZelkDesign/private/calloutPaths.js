.pragma library

// Outline of a warning callout: a box inset by `margins` with a triangular
// pointer on its left side, `arrowHeight` deep and twice that high, its tip on
// the inset edge at mid-height. Points in drawing order, from the tip.
function calloutPoints(width, height, margins, arrowHeight) {
    var m = margins, a = arrowHeight;
    return [
        [m, height / 2],
        [m + a, height / 2 - a],
        [m + a, m],
        [width - m, m],
        [width - m, height - m],
        [m + a, height - m],
        [m + a, height / 2 + a]
    ];
}

// Outline of a plate whose top edge carries an upward pointer at its centre,
// `arrowWidth` wide at its base and `arrowHeight` high. Points in drawing
// order, from the top left corner.
function platePoints(width, height, margins, arrowHeight, arrowWidth) {
    var m = margins, a = arrowHeight, b = arrowWidth;
    return [
        [m, m + a],
        [width / 2 - b / 2, m + a],
        [width / 2, m],
        [width / 2 + b / 2, m + a],
        [width - m, m + a],
        [width - m, height - m],
        [m, height - m]
    ];
}

// Adds the closed polygon to the context's path; filling or stroking is the
// caller's.
function addPolygon(ctx, points) {
    ctx.beginPath();
    ctx.moveTo(points[0][0], points[0][1]);
    for (var i = 1; i < points.length; ++i)
        ctx.lineTo(points[i][0], points[i][1]);
    ctx.closePath();
}
