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

    Rectangle {
        anchors.fill: parent
        color: "#1a1a1a"
    }

    ListModel {
        id: threeSteps
        ListElement { name: "Scan"; info: "Done" }
        ListElement { name: "Align"; info: "" }
        ListElement { name: "Export"; info: "12 files" }
    }

    ListModel {
        id: noSteps
    }

    // A host whose `$app` offers the operation the bar calls: a property of the
    // object the bar is declared in shadows the application's `$app`.
    Component {
        id: hostComponent
        Item {
            property QtObject $app: QtObject {
                property var calls: []
                property var onCall: function() {}
                function willGoBack(index) {
                    onCall();
                    calls = calls.concat([index]);
                }
            }
            property alias bar: bar
            width: 1000
            height: 160

            ZelkStepBar {
                id: bar
                width: 1000
                margins: 100
                model: threeSteps
            }
        }
    }

    Component {
        id: plainBarComponent
        ZelkStepBar {
            width: 1000
            margins: 100
            model: threeSteps
        }
    }

    // The step columns, first to last.
    function stepItems(bar) {
        var content = findChild(bar, "stepListView").contentItem;
        var items = [];
        for (var c = 0; c < content.children.length; ++c) {
            if (content.children[c].finished !== undefined)
                items.push(content.children[c]);
        }
        items.sort(function(a, b) { return a.x - b.x; });
        return items;
    }

    function stateOf(item) {
        var shown = [];
        ["finishedStepIndicator", "currentStepIndicator", "newStepIndicator"].forEach(function(name) {
            if (findChild(item, name).visible)
                shown.push(name);
        });
        compare(shown.length, 1, "one dot at a time");
        return { "finishedStepIndicator": "finished", "currentStepIndicator": "current", "newStepIndicator": "pending" }[shown[0]];
    }

    // The list keeps no current item of its own: its invisible highlight would
    // animate to every new width of the steps, syncing frames for nothing.
    function test_noHiddenHighlight() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 1 });
        var list = findChild(bar, "stepListView");
        bar.width = 600;
        compare(list.currentIndex, -1);
        verify(!list.highlightItem);
    }

    function test_states_data() {
        return [
            { tag: "before the first", currentStep: -1, states: ["pending", "pending", "pending"], texts: ["-", "-", "-"], track: 100 - 400 / 3 },
            { tag: "first", currentStep: 0, states: ["current", "pending", "pending"], texts: ["In Progress", "-", "-"], track: 100 + 800 / 6 },
            { tag: "second", currentStep: 1, states: ["finished", "current", "pending"], texts: ["Done", "In Progress", "-"], track: 100 + 800 / 3 * 1.5 },
            { tag: "all finished", currentStep: 3, states: ["finished", "finished", "finished"], texts: ["Done", "", "12 files"], track: 900 + 400 / 3 }
        ];
    }

    function test_states(data) {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: data.currentStep });
        fuzzyCompare(bar.itemWidth, 800 / 3, 1e-9);
        fuzzyCompare(findChild(bar, "hLineFront").width, data.track, 1e-9);
        var items = stepItems(bar);
        compare(items.length, 3);
        for (var k = 0; k < 3; ++k) {
            compare(stateOf(items[k]), data.states[k], "step " + k);
            var status = findChild(items[k], "statusText");
            compare(status.text, data.texts[k], "status of step " + k);
            compare(status.visible, data.states[k] !== "current", "the current status is drawn by its glow");
            fuzzyCompare(items[k].mapToItem(bar, items[k].width / 2, 0).x, 100 + 800 / 3 * (k + 0.5), 1e-9);
        }
    }

    function test_dotGeometry() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 1 });
        var items = stepItems(bar);
        var box = findChild(items[0], "dotBox");
        compare(box.mapToItem(bar, 0, 0).y, 87.5);
        compare(findChild(items[0], "finishedStepIndicator").width, 23);
        compare(findChild(items[1], "currentStepIndicator").border.width, 7);
        compare(findChild(items[2], "newStepIndicator").width, 24);
    }

    function test_hoverGrowsFinishedDot() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 2, y: 20 });
        waitForRendering(bar);
        var dot = findChild(stepItems(bar)[0], "finishedStepIndicator");
        mouseMove(dot, dot.width / 2, dot.height / 2);
        tryCompare(dot, "width", 38, 1000);
        tryCompare(dot.border, "width", 7, 1000);
        mouseMove(bar, 500, 20);
        tryCompare(dot, "width", 23, 1000);
        tryCompare(dot.border, "width", 5, 1000);
        // Hovered when its step becomes current again: at rest when shown next.
        mouseMove(dot, dot.width / 2, dot.height / 2);
        tryCompare(dot, "width", 38, 1000);
        bar.currentStep = 0;
        verify(!dot.visible);
        tryCompare(dot, "width", 23, 1000);
        compare(dot.border.width, 5);
    }

    // Only a finished dot reacts; the host hears the index after the log line.
    function test_clicks_data() {
        return [
            { tag: "finished first", step: 2, x: 100 + 800 / 6, y: 106.5, calls: [0] },
            { tag: "finished second", step: 2, x: 100 + 800 / 2, y: 106.5, calls: [1] },
            { tag: "current dot", step: 2, x: 100 + 800 / 6 * 5, y: 106.5, calls: [] },
            { tag: "pending dot", step: 0, x: 100 + 800 / 2, y: 106.5, calls: [] },
            { tag: "a status text", step: 2, x: 100 + 800 / 6, y: 55, calls: [] },
            { tag: "the track", step: 2, x: 30, y: 106.5, calls: [] }
        ];
    }

    function test_clicks(data) {
        var host = createTemporaryObject(hostComponent, testCase);
        host.bar.currentStep = data.step;
        waitForRendering(host);
        var lines = [];
        host.$app.onCall = function() { lines = TestSupport.recordedMessages(); };
        TestSupport.recordMessages();
        mouseClick(host.bar, data.x, data.y);
        compare(host.$app.calls, data.calls);
        if (data.calls.length > 0)
            compare(lines, ["will go back to " + data.calls[0]], "logged before the call");
        else
            compare(TestSupport.recordedMessages(), []);
        compare(host.bar.currentStep, data.step, "the host, not the bar, moves the step");
    }

    // The application's own backend has no willGoBack: the click explains
    // itself once instead of failing.
    function test_hostWithoutOperation() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 1 });
        waitForRendering(bar);
        TestSupport.recordMessages();
        ignoreWarning(new RegExp("offers no willGoBack.*0$"));
        mouseClick(bar, 100 + 800 / 6, 106.5);
        compare(TestSupport.recordedMessages().length, 2);
        compare(TestSupport.recordedMessages()[0], "will go back to 0");
        compare(bar.currentStep, 1);
    }

    function test_emptyModel_data() {
        return [
            { tag: "empty", model: noSteps },
            { tag: "none", model: null }
        ];
    }

    function test_emptyModel(data) {
        var bar = createTemporaryObject(plainBarComponent, testCase, { model: data.model });
        compare(bar.itemWidth, 0);
        compare(findChild(bar, "hLineFront").width, 100);
        bar.currentStep = 4;
        compare(findChild(bar, "hLineFront").width, 100);
    }

    function test_assignedItemWidthMovesTrackOnly() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 1 });
        bar.itemWidth = 100;
        compare(findChild(bar, "hLineFront").width, 250);
        fuzzyCompare(stepItems(bar)[0].width, 800 / 3, 1e-9);
    }

    function test_pixels() {
        var bar = createTemporaryObject(plainBarComponent, testCase, { currentStep: 1, y: 10 });
        // The dots are canvases, painted a frame or two after the bar shows:
        // polled until every probe reads right; a timeout names those that do not.
        var probes = [
            [20, "#c2c2c2", 8, "light track before the current dot"],
            [980, "#525252", 8, "dark track after it"],
            [500, "#3ea2ff", 8, "current dot"],
            [100 + 800 / 6, "#1e1e1e", 8, "finished dot centre"],
            [100 + 800 / 6 + 9, "#c2c2c2", 24, "finished dot ring"],
            [100 + 800 / 6 * 5, "#525252", 8, "pending dot"]
        ];
        var look = {};
        Object.defineProperty(look, "wrong", { get: function() {
            TestSupport.grab(bar);
            return probes.filter(function(probe) {
                return !TestSupport.near(TestSupport.pixel(bar, probe[0], 106.5), probe[1], probe[2]);
            }).map(function(probe) { return probe[3]; }).join(", ");
        } });
        tryCompare(look, "wrong", "", 5000);
        // The glowing "In Progress" is drawn: blue appears under the current step's name.
        var status = findChild(stepItems(bar)[1], "statusText");
        var p = status.mapToItem(bar, 0, 0);
        tryVerify(function() {
            TestSupport.grab(bar);
            var c = TestSupport.average(bar, p.x, p.y, status.width, status.height);
            return c.b > c.r + 0.1;
        }, 5000, "blue status text");
    }
}
