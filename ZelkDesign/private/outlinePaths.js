.pragma library

// Outline geometry for the library's canvases, as plain path commands so the
// shapes can be checked with numbers and replayed on any 2D context:
//   ["moveTo", x, y], ["lineTo", x, y], ["closePath"],
//   ["arc", centreX, centreY, radius, startAngle, endAngle] (clockwise on screen).

// A rectangle inset by `margins` whose top corners are optionally rounded by
// `radius`. It starts at the bottom-left corner and, when not closed, stays
// open along the bottom edge (a tab outline); closed, it is a panel shape.
function topOutline(width, height, radius, margins, roundLeft, roundRight, closed) {
    var m = margins;
    var r = radius;
    var path = [["moveTo", m, height - m]];
    if (roundLeft)
        path.push(["arc", r + m, r + m, r, Math.PI, 3 * Math.PI / 2]);
    else
        path.push(["lineTo", m, m]);
    if (roundRight)
        path.push(["arc", width - r - m, r + m, r, -Math.PI / 2, 0]);
    else
        path.push(["lineTo", width - m, m]);
    path.push(["lineTo", width - m, height - m]);
    if (closed)
        path.push(["closePath"]);
    return path;
}

// A tick with both arms at 45 degrees: the long arm from the upper right down
// to the vertex on the bottom margin, the short arm up to the left margin.
function checkMark(width, height, margins) {
    var m = margins;
    var vertexX = width - m - (height - 2 * m);
    return [["moveTo", width - m, m],
            ["lineTo", vertexX, height - m],
            ["lineTo", m, height - vertexX]];
}

// Two diagonals of the box inset by `margins`.
function cross(width, height, margins) {
    var m = margins;
    return [["moveTo", m, m], ["lineTo", width - m, height - m],
            ["moveTo", width - m, m], ["lineTo", m, height - m]];
}

// The highlight of button `index` of `count` stacked buttons, inset by
// `margins`: the outer ends of the stack take the rounded corners, so the
// first button is rounded at the top, the last at the bottom, a lone one all
// round and the middle ones not at all. The radius never exceeds half the
// button, and a button smaller than its margins shrinks to a point, so the
// path is always drawable.
function stackedHighlight(width, height, radius, margins, index, count) {
    var m = margins;
    var right = Math.max(width - m, m);
    var bottom = Math.max(height - m, m);
    var r = Math.max(0, Math.min(radius, (right - m) / 2, (bottom - m) / 2));
    var topArcs = [["arc", m + r, m + r, r, -Math.PI, -Math.PI / 2],
                   ["arc", right - r, m + r, r, -Math.PI / 2, 0]];
    var bottomArcs = [["arc", right - r, bottom - r, r, 0, Math.PI / 2],
                      ["arc", m + r, bottom - r, r, Math.PI / 2, Math.PI]];
    var path;
    if (count === 1)
        path = [["moveTo", m, m + r]].concat(topArcs, bottomArcs);
    else if (index === 0)
        path = [["moveTo", m, m + r]].concat(topArcs, [["lineTo", right, bottom], ["lineTo", m, bottom]]);
    else if (index === count - 1)
        path = [["moveTo", m, m], ["lineTo", right, m]].concat(bottomArcs);
    else
        path = [["moveTo", m, m], ["lineTo", right, m], ["lineTo", right, bottom], ["lineTo", m, bottom]];
    path.push(["closePath"]);
    return path;
}

// A chevron pointing left, open at its right ends; mirrored, it points right.
function chevronLeft(width, height, margins, mirrored) {
    var m = margins;
    var tip = mirrored ? width - m : m;
    var ends = mirrored ? m : width - m;
    return [["moveTo", ends, m], ["lineTo", tip, height / 2], ["lineTo", ends, height - m]];
}

// A closed polygon through `points` ({x, y} objects), as path commands.
function polygon(points) {
    var path = [];
    for (var i = 0; i < points.length; ++i)
        path.push([i === 0 ? "moveTo" : "lineTo", points[i].x, points[i].y]);
    if (points.length > 0)
        path.push(["closePath"]);
    return path;
}

function trace(ctx, path) {
    ctx.beginPath();
    for (var i = 0; i < path.length; ++i) {
        var c = path[i];
        switch (c[0]) {
        case "moveTo": ctx.moveTo(c[1], c[2]); break;
        case "lineTo": ctx.lineTo(c[1], c[2]); break;
        case "arc": ctx.arc(c[1], c[2], c[3], c[4], c[5], false); break;
        case "closePath": ctx.closePath(); break;
        }
    }
}
