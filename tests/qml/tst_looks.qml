import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

// One table over the controls that follow the highlight rule (focus flag or
// hover) or carry the sunken frame: each row puts a control into a state and
// reads the window's pixels where the look shows it.
TestCase {
    id: testCase
    name: "Looks"
    when: windowShown
    visible: true
    width: 400
    height: 400

    // Black, so a dimmed colour is simply the colour times its opacity.
    Rectangle { anchors.fill: parent; color: "black" }

    readonly property string blue: "#2e91ed"
    // Middle of the button's vertical gradient.
    readonly property string face: "#2d2e2f"

    // make and props: the type and what it is made with (at 20, 20, hover on); state: what then happens to it
    // (none: it is left alone); probes: [x, y, colour] in its coordinates.
    function test_look_data() {
        return [
            { tag: "button hovered", make: "ZelkButton", state: "hovered", tolerance: 6, probes: [[1, 26, blue], [2, 26, face]] },
            // The focus flag, not active focus: the look stays after the pointer leaves.
            { tag: "button clicked, pointer gone", make: "ZelkButton", state: "clickedAway", tolerance: 6, probes: [[1, 26, blue], [2, 26, face]] },
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
        var control = createTemporaryQmlObject("import ZelkDesign 1.0; " + data.make + " { x: 20; y: 20; hoverEnabled: true; " + (data.props || "") + " }", testCase);
        mouseMove(testCase, 395, 395);
        if (data.state === "focused") {
            control.forceActiveFocus();
        } else if (data.state) {
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
}
