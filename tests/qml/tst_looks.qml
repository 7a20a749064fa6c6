import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/outlinePaths.js" as Paths

// How controls look, read from the window's pixels, and how they measure.
TestCase {
    id: testCase
    name: "Looks"
    when: windowShown
    visible: true
    width: 800
    height: 700

    // Black, so a dimmed colour is simply the colour times its opacity.
    Rectangle { anchors.fill: parent; color: "black" }

    readonly property string blue: "#2e91ed"

    function make(declaration) {
        return createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + declaration, testCase);
    }

    // The controls that follow the highlight rule (focus flag or hover) or carry the sunken frame.
    // make and props: the type and what it is made with (at 20, 20, hover on); state: what then
    // happens to it (none: it is left alone); probes: [x, y, colour] in its coordinates.
    function test_look_data() {
        return [
            // Inside the blue edge, the face: the middle of the button's vertical gradient.
            { tag: "button hovered", make: "ZelkButton", state: "hovered", tolerance: 6, probes: [[1, 26, blue], [2, 26, "#2d2e2f"]] },
            // The focus flag, not active focus: the look stays after the pointer leaves.
            { tag: "button clicked, pointer gone", make: "ZelkButton", state: "clickedAway", tolerance: 6, probes: [[1, 26, blue], [2, 26, "#2d2e2f"]] },
            { tag: "text field focused", make: "ZelkTextField", props: "width: 150", state: "focused", tolerance: 6, probes: [[1, 21, blue], [75, 38, "#262626"]] },
            // The drop-down list's field follows focus only, its drop button focus and hover.
            { tag: "drop-down list hovered", make: "ZelkChooseComboBox", state: "hovered", tolerance: 10, probes: [[1, 25, "#484848"], [199, 25, blue]] },
            { tag: "drop-down list focused", make: "ZelkChooseComboBox", state: "focused", tolerance: 10, probes: [[1, 25, blue], [199, 25, blue]] },
            { tag: "check box unchecked has no hover look and no mark", make: "ZelkCheckBox", props: 'text: "Box"', state: "hovered", tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, "#262626"], [13.75, 22, "#262626"]] },
            // The blue fill shows darker under the inner shadow of a small field.
            { tag: "check box checked and disabled keeps its indicator", make: "ZelkCheckBox", props: 'text: "Box"; checked: true; enabled: false', tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, "#2980d1"], [13.75, 22, "#004d94"]] },
            { tag: "radio button checked", make: "ZelkRadioButton", props: "checked: true", tolerance: 16, probes: [[1, 22, "#676767"], [18, 28, blue], [12, 22, "#004d94"]] },
            { tag: "big switch on keeps its track", make: "ZelkBigSwitch", props: "checked: true", tolerance: 10, probes: [[36, 41, "#262626"], [139, 32, blue]] }
        ];
    }

    function test_look(data) {
        var control = make(data.make + " { x: 20; y: 20; hoverEnabled: true; " + (data.props || "") + " }");
        mouseMove(testCase, 395, 395);
        if (data.state === "focused")
            control.forceActiveFocus();
        else if (data.state) {
            mouseMove(control, control.width / 2, control.height / 2);
            tryCompare(control, "hovered", true);
            if (data.state === "clickedAway") {
                control.focusPolicy = Qt.StrongFocus;
                mouseClick(control);
                mouseMove(testCase, 395, 395);
                tryCompare(control, "hovered", false);
            }
        }
        // A few frames first: canvases paint a frame or two after they show,
        // and a probe for something absent must not pass before it could be drawn.
        var shown = TestSupport.frames(control);
        tryVerify(function() { return TestSupport.frames(control) >= shown + 3; });
        // Polled until it reads empty; on a timeout the failure shows what was seen.
        var look = { get mismatches() { return TestSupport.grab(control) && data.probes.filter(function(p) {
            return !TestSupport.near(TestSupport.pixel(control, p[0], p[1]), p[2], data.tolerance); })
            .map(function(p) { return p + " reads " + TestSupport.pixel(control, p[0], p[1]); }).join("; "); } };
        tryCompare(look, "mismatches", "", 3000);
    }

    function textWidth(text, pixelSize) {
        return make("Text { font.family: ZelkDesign.fontFamily; font.pixelSize: " + pixelSize + "; text: " + JSON.stringify(text) + " }").contentWidth;
    }

    // The check box widens by its text; the switch keeps its own width and
    // its label's own face whatever font is set on it, the track moved along by the label.
    function test_labelledWidths() {
        var box = make('ZelkCheckBox { text: "Corvex-A1"; font.pixelSize: 30 }');
        compare(box.width, 44 + textWidth(box.text, 30));
        box.text = "";
        compare(box.width, 44);
        var control = make('ZelkSwitch { text: "Longer label"; font.pixelSize: 40 }');
        compare(control.indicator.x, textWidth(control.text, 16) + 15);
        compare(control.implicitWidth, 115);
    }

    // Both arms of the tick at 45 degrees, falling to the vertex.
    function test_checkMark() {
        compare(Paths.checkMark(17.5, 14, 2).map(function(c) { return [c[1], c[2]]; }), [[15.5, 2], [5.5, 12], [2, 8.5]]);
    }

    // Hostile ranges and values, written one by one into a live progress bar
    // as a backend would, still give a whole percent in 0..100 and keep the
    // fill and the badge on the track.
    function test_progressBadgeAndFill_data() {
        return [
            { tag: "fraction dropped", from: 0, to: 1, value: 0.29, text: "28 %", fill: 0.29 * 696 },
            { tag: "value NaN", from: 0, to: 100, value: NaN, text: "0 %", fill: 0 },
            { tag: "value +Infinity", from: 0, to: 100, value: Infinity, text: "100 %", fill: 696 },
            { tag: "equal ends", from: 5, to: 5, value: 5, text: "0 %", fill: 0 },
            { tag: "reversed range", from: 100, to: 0, value: 30, text: "70 %", fill: 0.7 * 696 },
            { tag: "from NaN", from: NaN, to: 100, value: 50, text: "0 %", fill: 0 },
            { tag: "to +Infinity", from: 0, to: Infinity, value: 50, text: "0 %", fill: 0 }
        ];
    }

    function test_progressBadgeAndFill(data) {
        var bar = make("ZelkProgressBar {}");
        ["from", "to", "value"].forEach(function(key) { bar[key] = data[key]; });
        var control = findChild(bar, "progressBarControl"), fill = findChild(bar, "indicatorBack"), badge = findChild(bar, "valueLabel");
        compare(findChild(bar, "valueText").text, data.text);
        fuzzyCompare(fill.height, data.fill, 1e-9);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-9);
    }
}
