import QtQuick 2.9
import QtQuick.Controls 2.2
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths
import "qrc:/ZelkDesign/private/dragBounds.js" as DragBounds

TestCase {
    id: testCase
    name: "Geometry"
    when: windowShown
    visible: true
    width: 700
    height: 700

    Component { id: dialog; ZelkDialog {} }
    Component { id: bigButton; ZelkBigButton {} }
    Component { id: checkBox; ZelkCheckBox {} }
    Component { id: radioButton; ZelkRadioButton {} }
    Component { id: zelkSwitch; ZelkSwitch {} }
    Component { id: bigSwitch; ZelkBigSwitch {} }
    Component { id: headerPane; ZelkHeaderPane {} }
    Component { id: textMeasure; Text {} }

    function test_sizes_data() {
        return [
            { tag: "default dialog", make: dialog, props: {}, width: 476, height: 350 },
            { tag: "large dialog", make: dialog, props: { dialogWidth: 658, dialogHeight: 627 }, width: 668, height: 637 },
            { tag: "dialog with wider margins", make: dialog, props: { boundaryMargins: 10 }, width: 486, height: 360 },
            { tag: "default big button", make: bigButton, props: {}, width: 432, height: 432 },
            { tag: "big button 200 by 300", make: bigButton, props: { backgroundWidth: 200, backgroundHeight: 300 }, width: 220, height: 320 },
            { tag: "empty check box", make: checkBox, props: {}, width: 44, height: 44 },
            { tag: "check box with a larger indicator", make: checkBox, props: { indicatorItemWidth: 30, indicatorItemHeight: 40 }, width: 50, height: 60 },
            { tag: "radio button with a label", make: radioButton, props: { text: "A rather long label" }, width: 44, height: 44 },
            { tag: "switch", make: zelkSwitch, props: { text: "A rather long label" }, width: 115, height: 44 },
            { tag: "big switch", make: bigSwitch, props: {}, width: 153, height: 70 }
        ];
    }

    function test_sizes(data) {
        var control = createTemporaryObject(data.make, testCase, data.props);
        compare(control.width, data.width);
        compare(control.height, data.height);
    }

    function textWidth(text, font) {
        var t = createTemporaryObject(textMeasure, testCase, { text: text, font: font });
        return t.contentWidth;
    }

    function test_checkBoxGrowsByItsText() {
        var box = createTemporaryObject(checkBox, testCase, { text: "Corvex-A1" });
        var width = textWidth("Corvex-A1", box.font);
        verify(width > 40);
        compare(box.width, 44 + width);
        box.font.pixelSize = 30;
        compare(box.width, 44 + textWidth("Corvex-A1", box.font));
        box.text = "";
        compare(box.width, 44);
    }

    // The switch keeps its label's own face whatever font is set on it.
    function test_switchTrackFollowsItsLabel() {
        var control = createTemporaryObject(zelkSwitch, testCase);
        compare(control.indicator.x, 15);
        control.font.pixelSize = 40;
        control.text = "Longer label";
        var label = createTemporaryObject(textMeasure, testCase,
                                          { text: control.text, "font.family": ZelkDesign.fontFamily, "font.pixelSize": 16 });
        compare(control.indicator.x, label.contentWidth + 15);
        compare(control.implicitWidth, 115);
    }

    function test_knobPosition_data() {
        return [
            { tag: "switch", make: zelkSwitch, off: -2, on: 20 },
            { tag: "big switch", make: bigSwitch, off: 1, on: 64 }
        ];
    }

    function test_knobPosition(data) {
        var control = createTemporaryObject(data.make, testCase);
        var knob = findChild(control.indicator, "knob");
        verify(knob);
        compare(knob.x, data.off);
        control.checked = true;
        verify(knob.x < data.on, "the knob travels rather than jumps");
        tryCompare(knob, "x", data.on, 1000);
        control.checked = false;
        tryCompare(knob, "x", data.off, 1000);
    }

    function test_headerPaneBands() {
        var pane = createTemporaryObject(headerPane, testCase, { headerHeight: 80 });
        compare(pane.headerItem.height, 80);
        compare(pane.contentItem.y, 80);
        compare(pane.contentItem.height, pane.height - 80);
    }

    // Points a path passes through, arcs by their two ends.
    function vertices(path) {
        var points = [];
        path.forEach(function(c) {
            if (c[0] === "arc") {
                points.push([c[1] + c[3] * Math.cos(c[4]), c[2] + c[3] * Math.sin(c[4])]);
                points.push([c[1] + c[3] * Math.cos(c[5]), c[2] + c[3] * Math.sin(c[5])]);
            } else if (c[0] !== "closePath") {
                points.push([c[1], c[2]]);
            }
        });
        return points.map(function(p) { return [Math.round(p[0] * 1000) / 1000, Math.round(p[1] * 1000) / 1000]; });
    }

    function arcs(path) {
        return path.filter(function(c) { return c[0] === "arc"; });
    }

    function test_checkMark() {
        var path = Paths.checkMark(17.5, 14, 2);
        compare(vertices(path), [[15.5, 2], [5.5, 12], [2, 8.5]]);
        // Both arms at 45 degrees, falling to the vertex.
        var p = vertices(path);
        compare(p[1][1] - p[0][1], p[0][0] - p[1][0]);
        compare(p[1][1] - p[2][1], p[1][0] - p[2][0]);
    }

    function test_cross() {
        compare(vertices(Paths.cross(59, 59, 22)), [[22, 22], [37, 37], [37, 22], [22, 37]]);
    }

    // A tab 200 by 60 with radius 10 and inset 4: the rounded corners turn
    // from the vertical side into the top edge without a step.
    function test_topOutline_data() {
        return [
            { tag: "single tab", left: true, right: true, closed: false,
              points: [[4, 56], [4, 14], [14, 4], [186, 4], [196, 14], [196, 56]] },
            { tag: "first tab", left: true, right: false, closed: false,
              points: [[4, 56], [4, 14], [14, 4], [196, 4], [196, 56]] },
            { tag: "last tab", left: false, right: true, closed: false,
              points: [[4, 56], [4, 4], [186, 4], [196, 14], [196, 56]] },
            { tag: "middle tab", left: false, right: false, closed: false,
              points: [[4, 56], [4, 4], [196, 4], [196, 56]] },
            { tag: "panel", left: true, right: true, closed: true,
              points: [[4, 56], [4, 14], [14, 4], [186, 4], [196, 14], [196, 56]] }
        ];
    }

    function test_topOutline(data) {
        var path = Paths.topOutline(200, 60, 10, 4, data.left, data.right, data.closed);
        compare(vertices(path), data.points);
        compare(path[path.length - 1][0] === "closePath", data.closed);
        // Quarter turns, clockwise, of the given radius.
        arcs(path).forEach(function(arc) {
            compare(arc[3], 10);
            fuzzyCompare(arc[5] - arc[4], Math.PI / 2, 1e-9);
        });
    }

    function test_dragBounds_data() {
        // A 476 by 350 dialog with a 60 high strip in an 800 by 800 area.
        return [
            { tag: "inside", x: 100, y: 200, expected: [100, 200] },
            { tag: "past the left and top", x: -300, y: -40, expected: [0, 0] },
            { tag: "past the right", x: 500, y: 100, expected: [324, 100] },
            { tag: "body below the bottom is fine", x: 10, y: 700, expected: [10, 700] },
            { tag: "strip below the bottom", x: 10, y: 790, expected: [10, 740] }
        ];
    }

    function test_dragBounds(data) {
        var p = DragBounds.keepStripInside(data.x, data.y, 476, 60, 800, 800);
        compare([p.x, p.y], data.expected);
    }

    function test_dragBoundsWiderThanArea() {
        var p = DragBounds.keepStripInside(-500, 0, 476, 60, 300, 300);
        compare(p.x, -176);
        p = DragBounds.keepStripInside(20, 0, 476, 60, 300, 300);
        compare(p.x, 0);
    }
}
