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
    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Item {
        id: focusSink
        objectName: "focusSink"
    }

    Component { id: button; ZelkButton { x: 20; y: 20; hoverEnabled: true } }
    Component { id: iconTextButton; ZelkIconTextButton { x: 20; y: 20; hoverEnabled: true } }
    Component { id: bigButton; ZelkBigButton { x: 20; y: 20; backgroundWidth: 200; backgroundHeight: 300 } }
    Component { id: textField; ZelkTextField { x: 20; y: 20; width: 150; hoverEnabled: true } }
    Component { id: textArea; ZelkTextArea { x: 20; y: 20; width: 200; height: 80; hoverEnabled: true } }
    Component { id: checkBox; ZelkCheckBox { x: 20; y: 20; text: "Box"; hoverEnabled: true } }
    Component { id: radioButton; ZelkRadioButton { x: 20; y: 20; hoverEnabled: true } }
    Component { id: zelkSwitch; ZelkSwitch { x: 20; y: 20; hoverEnabled: true } }
    Component { id: bigSwitch; ZelkBigSwitch { x: 20; y: 20 } }

    readonly property string blue: "#2e91ed"
    // The blue fill as it shows under the inner shadow of a small field.
    readonly property string shadedBlue: "#2980d1"
    // Middle of the faces' vertical gradients.
    readonly property string buttonFace: "#2d2e2f"
    readonly property string bigFaceRest: "#212121"
    readonly property string bigFaceLit: "#161616"

    // probes: [x, y, colour] in the control's coordinates; tolerance per row.
    function test_look_data() {
        return [
            { tag: "button at rest", make: button, state: "rest", tolerance: 6,
              probes: [[0, 26, "#464748"], [1, 26, buttonFace]] },
            { tag: "button hovered", make: button, state: "hovered", tolerance: 6,
              probes: [[0, 26, blue], [1, 26, blue], [2, 26, buttonFace]] },
            { tag: "button focused", make: button, state: "focused", tolerance: 6,
              probes: [[0, 26, blue], [1, 26, blue], [2, 26, buttonFace]] },
            { tag: "button clicked, pointer gone", make: button, state: "clickedAway", tolerance: 6,
              probes: [[0, 26, blue], [1, 26, blue], [2, 26, buttonFace]] },
            { tag: "button disabled", make: button, state: "disabled", tolerance: 4,
              probes: [[0, 26, "#151516"], [1, 26, "#0e0e0e"]] },
            { tag: "button border 3 at rest", make: button, props: { borderWidth: 3 }, state: "rest", tolerance: 6,
              probes: [[2, 26, "#464748"], [3, 26, buttonFace]] },
            { tag: "button border 3 hovered", make: button, props: { borderWidth: 3 }, state: "hovered", tolerance: 6,
              probes: [[3, 26, blue], [4, 26, buttonFace]] },
            { tag: "icon text button at rest", make: iconTextButton, state: "rest", tolerance: 6,
              probes: [[0, 26, "#525354"], [1, 26, buttonFace]] },
            { tag: "icon text button hovered", make: iconTextButton, state: "hovered", tolerance: 6,
              probes: [[1, 26, blue], [2, 26, buttonFace]] },
            { tag: "icon text button disabled keeps its frame", make: iconTextButton, state: "disabled", tolerance: 6,
              probes: [[0, 26, "#525354"]] },
            { tag: "big button at rest", make: bigButton, state: "rest", tolerance: 8,
              probes: [[11, 160, "#676767"], [12, 160, bigFaceRest], [7, 160, "#0b0b0b"]] },
            { tag: "big button hovered", make: bigButton, state: "hovered", tolerance: 10,
              probes: [[12, 160, blue], [13, 160, bigFaceLit], [7, 160, "#0f2e4b"]] },
            { tag: "big button focused", make: bigButton, state: "focused", tolerance: 10,
              probes: [[12, 160, blue], [13, 160, bigFaceLit]] },
            { tag: "text field at rest", make: textField, state: "rest", tolerance: 6,
              probes: [[1, 21, "#484848"], [75, 38, "#262626"]] },
            { tag: "text field ignores hover", make: textField, state: "hovered", tolerance: 6,
              probes: [[1, 21, "#484848"]] },
            { tag: "text field focused", make: textField, state: "focused", tolerance: 6,
              probes: [[1, 21, blue], [75, 38, "#262626"]] },
            { tag: "text area at rest", make: textArea, state: "rest", tolerance: 6,
              probes: [[1, 40, "#484848"], [100, 76, "#262626"]] },
            { tag: "text area focused", make: textArea, state: "focused", tolerance: 6,
              probes: [[1, 40, blue], [100, 76, "#262626"]] },
            { tag: "check box unchecked", make: checkBox, state: "rest", tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, "#262626"]] },
            { tag: "check box checked", make: checkBox, state: "checked", tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, shadedBlue], [13.75, 22, "#004d94"]] },
            { tag: "check box has no hover look", make: checkBox, state: "hovered", tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, "#262626"]] },
            { tag: "check box disabled keeps its indicator", make: checkBox, props: { checked: true }, state: "disabled", tolerance: 10,
              probes: [[0, 20, "#676767"], [20, 31, shadedBlue]] },
            { tag: "radio button unchecked", make: radioButton, state: "rest", tolerance: 12,
              probes: [[1, 22, "#676767"], [18, 28, "#262626"]] },
            { tag: "radio button checked", make: radioButton, state: "checked", tolerance: 16,
              probes: [[1, 22, "#676767"], [18, 28, blue], [12, 22, "#004d94"]] },
            { tag: "switch off", make: zelkSwitch, state: "rest", tolerance: 10,
              probes: [[25, 22, "#3f3f3f"], [49, 26, "#262626"]] },
            { tag: "switch on", make: zelkSwitch, state: "checked", tolerance: 10,
              probes: [[47, 22, "#3f3f3f"], [25, 26, blue]] },
            { tag: "big switch off", make: bigSwitch, state: "rest", tolerance: 10,
              probes: [[106, 41, "#262626"], [8, 32, blue]] },
            { tag: "big switch on keeps its track", make: bigSwitch, state: "checked", tolerance: 10,
              probes: [[36, 41, "#262626"], [139, 32, blue]] }
        ];
    }

    function test_look(data) {
        var control = createTemporaryObject(data.make, testCase, data.props || {});
        verify(control);
        mouseMove(testCase, 395, 395);
        switch (data.state) {
        case "hovered":
            mouseMove(control, control.width / 2, control.height / 2);
            tryCompare(control, "hovered", true);
            break;
        case "focused":
            control.forceActiveFocus();
            break;
        case "clickedAway":
            control.focusPolicy = Qt.StrongFocus;
            mouseClick(control);
            mouseMove(testCase, 395, 395);
            tryCompare(control, "hovered", false);
            verify(control.focus);
            break;
        case "disabled":
            control.enabled = false;
            break;
        case "checked":
            control.checked = true;
            break;
        }
        // Polled until it reads empty; on a timeout the failure shows what was seen.
        var probes = data.probes;
        var look = {};
        Object.defineProperty(look, "mismatches", { get: function() {
            TestSupport.grab(control);
            var wrong = [];
            for (var i = 0; i < probes.length; ++i) {
                var seen = TestSupport.pixel(control, probes[i][0], probes[i][1]);
                if (!TestSupport.near(seen, probes[i][2], data.tolerance))
                    wrong.push("(" + probes[i][0] + ", " + probes[i][1] + ") " + seen + " instead of " + probes[i][2]);
            }
            return wrong.join("; ");
        } });
        tryCompare(look, "mismatches", "", 3000);
    }
}
