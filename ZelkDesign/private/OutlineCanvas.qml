import QtQuick 2.9
import "outlinePaths.js" as Paths

// Paints one path of outlinePaths.js, filled, stroked or both.
Canvas {
    id: canvas

    property var path: []
    property color fillColor: "transparent"
    property color strokeColor: "transparent"
    property real lineWidth: 1

    onPathChanged: requestPaint()
    onFillColorChanged: requestPaint()
    onStrokeColorChanged: requestPaint()
    onLineWidthChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d");
        ctx.reset();
        Paths.trace(ctx, path);
        if (fillColor.a > 0) {
            ctx.fillStyle = fillColor;
            ctx.fill();
        }
        if (strokeColor.a > 0 && lineWidth > 0) {
            ctx.lineWidth = lineWidth;
            ctx.strokeStyle = strokeColor;
            ctx.stroke();
        }
    }
}
