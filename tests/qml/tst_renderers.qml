import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ui"
import "catalogue.js" as Catalogue

// What must show whatever draws the scene. CTest runs this file on OpenGL and
// again under the software scene graph (QT_QUICK_BACKEND=software), where Qt
// Graphical Effects draw nothing: glows may go, but no text, handle, frame or
// fill. Each row reads the share of a rectangle in the colour of what is
// drawn there; the purple ground shows wherever nothing is.
TestCase {
    id: testCase
    name: "Renderers"
    when: windowShown
    visible: true
    width: 720
    height: 480

    readonly property string blue: "#2e91ed"
    readonly property string lightBlue: "#3ea2ff"

    Component { id: mainViewComponent; MainView {} }

    Rectangle {
        id: ground
        readonly property bool software: GraphicsInfo.api === GraphicsInfo.Software
        anchors.fill: parent
        color: "#602060"
    }

    // part(control): the item probed; probes: [x, y, width, height, colour,
    // least share] in its coordinates (a width or height of -1: the part's);
    // prepare(control): what is done first. Thin strokes of text fill a few
    // hundredths of their box, and nothing at all where they do not show.
    function test_shows_data() {
        var opened = function(popup) { popup.open(); tryCompare(popup, "opened", true); };
        return [
            // Above the groove, below the rim: the top of the disc's gradient.
            { tag: "slider handle", qml: "ZelkHPureSlider { width: 300 }", part: function(c) { return c.handle; },
              probes: [[11, 3, 8, 3, "#292929", 0.9]] },
            { tag: "highlighted big button's caption", qml: 'ZelkBigButton { text: "Fixed"; backgroundWidth: 200; backgroundHeight: 200; focus: true }',
              probes: [[20, 110, 180, 30, lightBlue, 0.02]] },
            { tag: "step bar's current status", qml: "ZelkStepBar { width: 400; margins: 20; currentStep: 1; model: " + Catalogue.listModel([{ name: "Connect", info: "USB 3" }, { name: "Scan", info: "" }]) + " }",
              part: function(c) { return findChild(findChild(c, "step1"), "statusText"); }, probes: [[0, 0, -1, -1, lightBlue, 0.02]] },
            { tag: "icon text button's icon", qml: 'ZelkIconTextButton { text: "Pause"; activeIcon: "qrc:/images/ScanPause_Active Copy.png" }',
              probes: [[28, 10, 32, 32, blue, 0.2]] },
            { tag: "callout's fill", qml: 'ZelkArrowNotation { iconVisible: false; notation: "" }', probes: [[45, 25, 30, 20, "#362e23", 0.9]] },
            // Right of the caption and clear of the inner shadow, which falls from the top left.
            { tag: "arrow group's plate", qml: "ZelkArrowButtonGroup { model: " + Catalogue.listModel([{ buttonLabel: "Fixed", buttonName: "fixed" }, { buttonLabel: "Handheld", buttonName: "handheld" }]) + " }",
              probes: [[380, 45, 20, 15, "#202020", 0.9]] },
            { tag: "open drop-down list's backing", qml: "ZelkChooseComboBox {}", part: function(c) { return c.popup.contentItem; },
              prepare: function(c) { opened(c.popup); }, probes: [[160, 100, 30, 20, "#000000", 0.9]] },
            { tag: "tool bar's highlight frame", qml: 'ZelkToolBar { model: [{ buttonName: "shade", active: true }] }',
              part: function(c) { return findChild(c, "toolButton0"); }, prepare: function(c) { findChild(c, "toolButton0").focus = true; },
              probes: [[-1, 15, 2, 30, blue, 0.4]] },
            { tag: "dialog's title band and cross", qml: 'ZelkDialog { title: "" }', part: function(c) { return c.background; },
              prepare: opened, probes: [[20, 30, 40, 30, "#1e1e1e", 0.9], [420, 10, 50, 60, "#b7b7b7", 0.02]] },
            { tag: "header pane's band", qml: "ZelkHeaderPane { width: 400; height: 200 }", probes: [[10, 20, 30, 20, "#191a1a", 0.9]] },
            // Right of the collapsed button, which stays beneath.
            { tag: "tool panel's title band and title", qml: 'ZelkExpandableToolPanel { title: "Mesh"; expanded: true }',
              probes: [[90, 20, 30, 40, "#1e1e1e", 0.9], [140, 30, 70, 25, "#f9f9f9", 0.02]] },
            { tag: "switch's knob", qml: "ZelkSwitch {}", part: function(c) { return findChild(c, "knob"); }, probes: [[8, 8, 8, 8, "#3f3f3f", 0.9]] },
            { tag: "tab bar's current label", qml: "ZelkTabBar {}", probes: [[20, 10, 300, 35, lightBlue, 0.02]] }
        ];
    }

    function test_shows(data) {
        var control = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + data.qml.replace("{", "{ x: 20; y: 20; "), testCase);
        if (data.prepare)
            data.prepare(control);
        var part = data.part ? data.part(control) : control;
        // Polled until it reads empty; on a timeout the failure shows what was seen.
        var look = { get mismatches() {
            return TestSupport.grab(part) && data.probes.map(function(p) {
                var share = TestSupport.share(part, p[0], p[1], p[2] < 0 ? part.width : p[2], p[3] < 0 ? part.height : p[3], p[4], 10);
                return share >= p[5] ? "" : p[4] + " covers " + share.toFixed(2) + " of (" + p.slice(0, 4) + "), not " + p[5];
            }).join("");
        } };
        tryCompare(look, "mismatches", "", 3000);
    }

    // The run meant for the software scene graph really has it.
    function test_renderer() {
        compare(ground.software, TestSupport.environment("QT_QUICK_BACKEND") === "software");
    }

    // Behind a modal popup the window stays in sight, dimmed: blurred where
    // shader effects draw, plainly under the software scene graph, and never
    // blank (white) or black there.
    function test_modalBackdropDims() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        var background = findChild(window.contentItem, "backgroundRect");
        mouseClick(findChild(window.contentItem, "selectNextButton"));
        var warning = findChild(findChild(window.contentItem, "selectDeviceView"), "warningDialog");
        tryCompare(warning, "opened", true);
        // Undimmed the ground reads 0.125; white or black would be far off.
        var look = { get reading() {
            TestSupport.grab(background);
            var ground = TestSupport.average(background, 300, 150, 200, 60).r, label = TestSupport.average(background, 30, 30, 130, 30).r;
            return [ground > 0.02 && ground < 0.11, label > ground];
        } };
        tryCompare(look, "reading", [true, true], 5000);
        warning.close();
        tryCompare(warning, "visible", false);
    }
}
