import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "StepBar"
    when: windowShown
    visible: true
    width: 1000
    height: 160

    Rectangle { anchors.fill: parent; color: "#1a1a1a" }

    // Its own `$app` shadows the application's; its calls: each one's index, and how many lines had been printed by then.
    // Its own three steps too, which a row may change.
    Component { id: barComponent; ZelkStepBar {
            property QtObject $app: QtObject {
                property var calls: []
                function willGoBack(index) { calls = calls.concat([[index, TestSupport.recordedMessages().length]]); }
            }
            width: 1000; margins: 100
            model: ListModel { ListElement { name: "Scan"; info: "Done" } ListElement { name: "Align"; info: "" } ListElement { name: "Export"; info: "12 files" } } } }

    function cleanup() {
        TestSupport.setAnimationStep(0);
        TestSupport.setLoggingRules("");
    }

    function test_states_data() {
        return [
            { tag: "before the first", props: { currentStep: -1 }, states: ["new", "new", "new"], texts: ["-", "-", "-"], track: 100 - 400 / 3 },
            // probes: [x, colour] along the track: light, dark, a finished dot's centre, the current dot's blue, a pending dot.
            { tag: "second", props: { currentStep: 1 }, states: ["finished", "current", "new"], texts: ["Done", "In Progress", "-"], track: 100 + 800 / 3 * 1.5,
              probes: [[20, "#c2c2c2"], [980, "#525252"], [100 + 800 / 6, "#1e1e1e"], [500, "#3ea2ff"], [100 + 800 / 6 * 5, "#525252"]] },
            { tag: "all finished", props: { currentStep: 3 }, states: ["finished", "finished", "finished"], texts: ["Done", "", "12 files"], track: 900 + 400 / 3 },
            // The steps a host removes go without a trace, the current one among them.
            { tag: "current step removed", props: { currentStep: 1 }, change: function(bar) { bar.model.remove(1, 2); },
              states: ["finished"], texts: ["Done"], track: 100 + 800 * 1.5 },
            // Without steps the light track ends at the margin.
            { tag: "no model", props: { model: null, currentStep: 4 }, states: [], texts: [], track: 100 }
        ];
    }

    function test_states(data) {
        var bar = createTemporaryObject(barComponent, testCase, data.props);
        if (data.change) {
            data.change(bar);
            // The list takes in the change when it next lays out.
            tryCompare(bar, "itemWidth", 800 / data.states.length);
        }
        fuzzyCompare(findChild(bar, "hLineFront").width, data.track, 1e-9);
        compare(findChild(bar, "step" + data.states.length), null, "no more steps than the model's");
        data.states.forEach(function(state, k) {
            var item = findChild(bar, "step" + k), status = findChild(item, "statusText");
            var dots = ["finished", "current", "new"].filter(function(kind) { return findChild(item, kind + "StepIndicator").visible; });
            // The current status is drawn by its glow instead.
            compare([dots, status.text, status.visible], [[state], data.texts[k], state !== "current"], "step " + k);
            fuzzyCompare(item.mapToItem(bar, item.width / 2, 0).x, 100 + 800 / data.states.length * (k + 0.5), 1e-9);
        });
        // The dots are canvases, painted a frame or two after the bar shows. (The current status's glow: tst_renderers.)
        tryVerify(function() {
            return TestSupport.grab(bar) && (data.probes || []).every(function(probe) { return TestSupport.near(TestSupport.pixel(bar, probe[0], 106.5), probe[1], 8); });
        }, 5000, "track and dots");
    }

    // A finished dot grows under the pointer in 50 ms, counted in frames of
    // 16 ms; hovered when its step becomes current again, it is at rest when
    // shown next.
    function test_hoverGrowsFinishedDot() {
        var bar = createTemporaryObject(barComponent, testCase, { currentStep: 2, y: 20 });
        verify(TestSupport.grab(bar), "drawn");
        var dot = findChild(findChild(bar, "step0"), "finishedStepIndicator"), frames = 0;
        dot.widthChanged.connect(function() { ++frames; });
        TestSupport.setAnimationStep(16);
        mouseMove(dot, dot.width / 2, dot.height / 2);
        tryCompare(dot, "width", 38);
        compare(frames, Math.ceil(50 / 16));
        bar.currentStep = 0;
        tryCompare(dot, "width", 23);
        compare(dot.border.width, 5);
    }

    // Only a finished dot reacts: the bar signals its index, then the host's
    // willGoBack hears it, after the log line, which the host's logging rules govern.
    function test_clicks_data() {
        var dot = 106.5;
        return [
            { tag: "finished dot", x: 100 + 800 / 6, y: dot, lines: ["will go back to 0"], signals: [0], calls: [[0, 1]] },
            { tag: "current dot", x: 100 + 800 / 6 * 5, y: dot, lines: [], signals: [], calls: [] },
            { tag: "a status text", x: 100 + 800 / 6, y: 55, lines: [], signals: [], calls: [] },
            // The application's own backend (here the test itself) has no willGoBack: the signal alone serves, without a warning.
            { tag: "host without the operation", plain: true, x: 100 + 800 / 6, y: dot, lines: ["will go back to 0"], signals: [0] },
            { tag: "line silenced by the host", rules: "zelkdesign.debug=false", x: 100 + 800 / 6, y: dot, lines: [], signals: [0], calls: [[0, 0]] }
        ];
    }

    function test_clicks(data) {
        var bar = createTemporaryObject(barComponent, testCase, data.plain ? { currentStep: 2, $app: testCase } : { currentStep: 2 }), signals = [];
        bar.stepClicked.connect(function(index) { signals.push(index); });
        verify(TestSupport.grab(bar), "drawn");
        TestSupport.setLoggingRules(data.rules || "");
        TestSupport.recordMessages();
        mouseClick(bar, data.x, data.y);
        compare([TestSupport.recordedMessages(), signals, bar.$app.calls], [data.lines, data.signals, data.calls]);
        compare(bar.currentStep, 2, "the bar leaves moving the step to its host");
    }
}
