import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/gaugeMath.js" as Gauge

TestCase {
    id: testCase
    name: "Sliders"
    when: windowShown
    visible: true
    width: 900
    height: 520

    Rectangle {
        anchors.fill: parent
        color: "#1a1a1a"
    }

    Component {
        id: hSliderComponent
        ZelkHSlider {}
    }

    Component {
        id: vSliderComponent
        ZelkVSlider {}
    }

    Component {
        id: pureSliderComponent
        ZelkHPureSlider {}
    }

    function ticksOf(control) {
        var gauge = findChild(control, "gaugeItem");
        var ticks = [];
        for (var i = 0; i < gauge.gaugeCount; ++i)
            ticks.push(findChild(gauge, "tick" + i));
        return ticks;
    }

    function currentTicks(control) {
        var current = [];
        var ticks = ticksOf(control);
        for (var i = 0; i < ticks.length; ++i) {
            if (ticks[i].isCurrentValue)
                current.push(i);
        }
        return current;
    }

    function shownLabels(control) {
        var shown = [];
        var ticks = ticksOf(control);
        for (var i = 0; i < ticks.length; ++i) {
            // A tick whose value is not shown has no label at all.
            var label = findChild(ticks[i], "valueLabel");
            if (label && label.visible)
                shown.push(label.text);
        }
        return shown;
    }

    // CTest runs test files side by side on one display, where another file's
    // window can take the focus (and with it the active focus item) away
    // between two keys: give it back before each.
    function pressKey(item, key) {
        item.forceActiveFocus();
        verify(item.activeFocus);
        keyClick(key);
    }

    // Centre of the handle in the control's own coordinates.
    function handleCentre(control) {
        var handle = findChild(control, "slider").handle;
        return handle.mapToItem(control, handle.width / 2, handle.height / 2);
    }

    function test_gaugeCount_data() {
        return [
            { tag: "horizontal defaults", from: 0.0, to: 1.0, step: 0.1, count: 11, last: "1.0" },
            { tag: "vertical defaults", from: 0.7, to: 3.0, step: 0.1, count: 24, last: "3.0" },
            { tag: "remainder dropped", from: 0.0, to: 1.0, step: 0.3, count: 4, last: "0.9" },
            { tag: "whole steps", from: -2, to: 2, step: 0.5, count: 9, last: "2.0" },
            { tag: "empty range", from: 0.5, to: 0.5, step: 0.1, count: 1, last: "0.5" },
            { tag: "step beyond range", from: 0.0, to: 1.0, step: 2, count: 1, last: "0.0" },
            { tag: "continuous", from: 0.0, to: 1.0, step: 0, count: 0 },
            { tag: "negative step", from: 0.0, to: 1.0, step: -0.1, count: 0 },
            { tag: "inverted range", from: 1.0, to: 0.0, step: 0.1, count: 0 },
            { tag: "densest drawn", from: 0, to: 100, step: 0.1, count: 1001, last: "100.0" },
            { tag: "too dense to draw", from: 0, to: 100, step: 0.01, count: 0 }
        ];
    }

    function test_gaugeCount(data) {
        compare(Gauge.tickCount(data.from, data.to, data.step), data.count);
        if (data.count > 0)
            compare(Gauge.stepValue(data.from, data.step, data.count - 1).toFixed(1), data.last);
    }

    // The gauge of a slider built with unusual settings still has finite
    // geometry, and its lone tick stands where the handle rests.
    function test_degenerateGauges_data() {
        return [
            { tag: "from equals to", from: 0.5, to: 0.5, step: 0.1, count: 1 },
            { tag: "step larger than range", from: 0.0, to: 1.0, step: 5, count: 1 },
            { tag: "step of zero", from: 0.0, to: 1.0, step: 0, count: 0 }
        ];
    }

    function test_degenerateGauges(data) {
        var pair = [createTemporaryObject(hSliderComponent, testCase, { gaugeValueVisible: true }),
                    createTemporaryObject(vSliderComponent, testCase)];
        for (var p = 0; p < pair.length; ++p) {
            var control = pair[p];
            control.stepSize = data.step;
            control.from = data.from;
            control.to = data.to;
            compare(findChild(control, "gaugeItem").gaugeCount, data.count);
            var ticks = ticksOf(control);
            for (var i = 0; i < ticks.length; ++i) {
                verify(isFinite(ticks[i].x) && isFinite(ticks[i].y), "tick " + i + " has finite geometry");
                compare(ticks[i].x, p === 0 ? -0.5 : 0);
            }
            var centre = handleCentre(control);
            verify(isFinite(centre.x) && isFinite(centre.y));
        }
    }

    function test_hSliderDefaults() {
        var control = createTemporaryObject(hSliderComponent, testCase, { gaugeValueVisible: true });
        compare(control.width, 860);
        compare(control.height, 50);
        var slider = findChild(control, "slider");
        var origin = slider.mapToItem(control, 0, 0);
        compare([origin.x, origin.y, slider.width, slider.height], [67, 19, 726, 12]);
        compare([slider.background.x, slider.background.width], [20, 686]);
        var handle = slider.handle.mapToItem(control, 0, 0);
        compare([handle.y, slider.handle.height], [10, 30]);
        var gauge = findChild(control, "gaugeItem");
        var gaugeOrigin = gauge.mapToItem(control, 0, 0);
        compare([gaugeOrigin.x, gaugeOrigin.y, gauge.width, gauge.height], [88, 37, 684, 13]);
        compare(currentTicks(control), [5]);
        compare(shownLabels(control), ["0.0", "0.5", "1.0"]);
        var label = findChild(ticksOf(control)[5], "valueLabel");
        verify(label.font.bold);
        compare(label.color, "#2e8fea");
        compare(label.mapToItem(control, 0, 0).y, 55);
        verify(!findChild(ticksOf(control)[0], "valueLabel").font.bold);
    }

    // Each tick stands under the handle's centre at its own step value.
    function test_ticksUnderHandle_data() {
        return [
            { tag: "horizontal", component: hSliderComponent, vertical: false },
            { tag: "vertical", component: vSliderComponent, vertical: true }
        ];
    }

    function test_ticksUnderHandle(data) {
        var control = createTemporaryObject(data.component, testCase);
        var ticks = ticksOf(control);
        for (var i = 0; i < ticks.length; ++i) {
            control.value = Gauge.stepValue(control.from, control.stepSize, i);
            var centre = handleCentre(control);
            var tick = ticks[i].mapToItem(control, ticks[i].width / 2, ticks[i].height / 2);
            if (data.vertical)
                fuzzyCompare(tick.y, centre.y, 0.01, "tick " + i);
            else
                fuzzyCompare(tick.x, centre.x, 0.01, "tick " + i);
        }
    }

    function test_vSliderGeometry() {
        var control = createTemporaryObject(vSliderComponent, testCase);
        compare([control.width, control.height], [83, 480]);
        var slider = findChild(control, "slider");
        compare([slider.x, slider.y, slider.width, slider.height], [10, 50, 30, 380]);
        compare([slider.background.x, slider.background.y, slider.background.width, slider.background.height],
                [9, 20, 12, 340]);
        var gauge = findChild(control, "gaugeItem");
        compare([gauge.x, gauge.y, gauge.width, gauge.height], [35, 71, 56, 338]);
        var ticks = ticksOf(control);
        compare(ticks.length, 24);
        // Upside down: the lowest value at the top, the handle there too.
        compare(findChild(ticks[0], "valueLabel").text, "0.7");
        compare(findChild(ticks[23], "valueLabel").text, "3.0");
        compare(shownLabels(control), ["0.7", "2.0", "3.0"]);
        compare(currentTicks(control), [13]);
        fuzzyCompare(handleCentre(control).y, 71 + 338 / 23 * 13, 0.01);
        control.value = control.from;
        fuzzyCompare(handleCentre(control).y, 71, 0.01);
        control.value = control.to;
        fuzzyCompare(handleCentre(control).y, 409, 0.01);
        // The handle turns back, so it is upright on screen.
        compare(slider.handle.rotation + slider.rotation, 0);
    }

    // A value set by the pointer lands on a step and marks exactly its tick.
    function test_pointerMarksTick_data() {
        return [
            { tag: "horizontal", component: hSliderComponent, vertical: false },
            { tag: "vertical", component: vSliderComponent, vertical: true }
        ];
    }

    function test_pointerMarksTick(data) {
        var control = createTemporaryObject(data.component, testCase);
        var ticks = ticksOf(control);
        waitForRendering(control);
        for (var i = 0; i < ticks.length; ++i) {
            var tick = ticks[i].mapToItem(control, ticks[i].width / 2, ticks[i].height / 2);
            // A little off the tick, so the step is reached by snapping.
            if (data.vertical)
                mouseClick(control, 25, tick.y + 4);
            else
                mouseClick(control, tick.x - 4, 25);
            compare(currentTicks(control), [i], "click near tick " + i + " gave " + control.value);
            var expected = control.from + Math.round((control.value - control.from) / control.stepSize) * control.stepSize;
            fuzzyCompare(control.value, expected, 1e-12);
        }
    }

    function test_pointerVersusTypedValue() {
        var control = createTemporaryObject(vSliderComponent, testCase);
        waitForRendering(control);
        var tick = ticksOf(control)[2];
        mouseClick(control, 25, tick.mapToItem(control, 0, 1).y);
        compare(control.value, 0.8999999999999999);
        compare(currentTicks(control), [2]);
        // The slider takes 0.9 for the value it holds (a fuzzy compare), so
        // assign it to a fresh one.
        control = createTemporaryObject(vSliderComponent, testCase, { value: 0.9 });
        compare(control.value, 0.9);
        compare(currentTicks(control), []);
        compare(shownLabels(control), ["0.7", "3.0"]);
    }

    function test_keys_data() {
        return [
            { tag: "right once", component: hSliderComponent, keys: [Qt.Key_Right], value: 0.6, current: [6] },
            { tag: "left once", component: hSliderComponent, keys: [Qt.Key_Left], value: 0.4, current: [4] },
            { tag: "right four times", component: hSliderComponent, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right],
              value: 0.8999999999999999, current: [] },
            { tag: "drift past the end", component: hSliderComponent, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right],
              value: 0.9999999999999999, current: [] },
            { tag: "up increases", component: vSliderComponent, keys: [Qt.Key_Up], value: 2.1, current: [14] },
            { tag: "held at from", component: hSliderComponent, keys: [Qt.Key_Left, Qt.Key_Left, Qt.Key_Left, Qt.Key_Left, Qt.Key_Left, Qt.Key_Left, Qt.Key_Left],
              value: 0, current: [0] },
            { tag: "down decreases", component: vSliderComponent, keys: [Qt.Key_Down], value: 1.9, current: [12] }
        ];
    }

    function test_keys(data) {
        var control = createTemporaryObject(data.component, testCase, { gaugeValueVisible: true });
        var slider = findChild(control, "slider");
        for (var i = 0; i < data.keys.length; ++i)
            pressKey(slider, data.keys[i]);
        fuzzyCompare(control.value, data.value, 1e-12);
        compare(currentTicks(control), data.current);
        if (data.current.length === 0)
            compare(shownLabels(control).length, 2, "only the end values show");
    }

    function test_keyAndPointerAccumulation() {
        var control = createTemporaryObject(hSliderComponent, testCase, { gaugeValueVisible: true });
        waitForRendering(control);
        for (var i = 0; i < 4; ++i)
            pressKey(findChild(control, "slider"), Qt.Key_Right);
        compare(control.value, 0.8999999999999999);
        compare(currentTicks(control), []);
        compare(shownLabels(control), ["0.0", "1.0"]);
        // A pointer move lands on an exact step again (on another step: the
        // slider takes the pointer's 0.9 for the value it already holds).
        var tick = ticksOf(control)[8];
        mouseClick(control, tick.mapToItem(control, 0, 0).x, 25);
        compare(currentTicks(control), [8]);
        compare(shownLabels(control), ["0.0", "0.8", "1.0"]);
    }

    function test_moved() {
        var control = createTemporaryObject(hSliderComponent, testCase);
        var spy = createTemporaryObject(signalSpyComponent, testCase, { target: control, signalName: "moved" });
        waitForRendering(control);
        control.value = 0.2;
        compare(spy.count, 0, "an assigned value is no move");
        mouseClick(control, 88 + 68.4 * 7, 25);
        compare(spy.count, 1);
        var slider = findChild(control, "slider");
        verify(slider.focus, "a click takes the focus");
        pressKey(slider, Qt.Key_Left);
        compare(spy.count, 2);
        fuzzyCompare(control.value, 0.6, 1e-12);
    }

    Component {
        id: signalSpyComponent
        SignalSpy {}
    }

    function test_visibilitySwitches_data() {
        return [
            { tag: "defaults", labelVisible: true, gaugeVisible: true, gaugeValueVisible: false, captions: true, ticks: true, values: 0 },
            { tag: "values", labelVisible: true, gaugeVisible: true, gaugeValueVisible: true, captions: true, ticks: true, values: 3 },
            { tag: "no captions", labelVisible: false, gaugeVisible: true, gaugeValueVisible: true, captions: false, ticks: true, values: 3 },
            { tag: "no gauge", labelVisible: true, gaugeVisible: false, gaugeValueVisible: true, captions: true, ticks: false, values: 0 }
        ];
    }

    function test_visibilitySwitches(data) {
        var control = createTemporaryObject(hSliderComponent, testCase, {
            labelVisible: data.labelVisible, gaugeVisible: data.gaugeVisible, gaugeValueVisible: data.gaugeValueVisible,
            leftLabel: "Soft", rightLabel: "Hard"
        });
        var gauge = findChild(control, "gaugeItem");
        compare(gauge.visible, data.ticks);
        var values = 0;
        var ticks = ticksOf(control);
        for (var i = 0; i < ticks.length; ++i) {
            var label = findChild(ticks[i], "valueLabel");
            values += label && label.visible ? 1 : 0;
        }
        compare(values, data.values);
        var slider = findChild(control, "slider");
        var captions = 0;
        for (var c = 0; c < control.children.length; ++c) {
            var child = control.children[c];
            if (child.text === "Soft" || child.text === "Hard") {
                compare(child.visible, data.captions);
                ++captions;
            }
        }
        compare(captions, 2);
    }

    function test_pureSlider() {
        var bare = createTemporaryObject(pureSliderComponent, testCase);
        compare(bare.width, 12, "without a width only the padding is left");
        var control = createTemporaryObject(pureSliderComponent, testCase, { width: 300, handleRadius: 10, backgroundRadius: 4 });
        compare(control.height, 12);
        compare([control.from, control.to, control.stepSize, control.value], [0, 1, 0.1, 0.5]);
        compare([control.handle.width, control.handle.height], [20, 20]);
        compare([control.background.height, control.background.width], [8, 300 - 20 - 12 + 2]);
        compare(control.handle.y, -4);
        var spy = createTemporaryObject(signalSpyComponent, testCase, { target: control, signalName: "moved" });
        mouseClick(control, 6 + 10 + 268 * 0.33, 6);
        compare(spy.count, 1);
        fuzzyCompare(control.value, 0.3, 1e-12);
    }

    // The fill runs from the groove's start to the handle, on screen too.
    function test_pixels() {
        var h = createTemporaryObject(hSliderComponent, testCase, { x: 10, y: 10 });
        var v = createTemporaryObject(vSliderComponent, testCase, { x: 10, y: 30 });
        var pure = createTemporaryObject(pureSliderComponent, testCase, { x: 200, y: 480, width: 300, value: 0.2 });
        waitForRendering(h);
        tryVerify(function() {
            TestSupport.grab(h);
            return TestSupport.near(TestSupport.pixel(h, 300, 25), "#4c96dc", 24);
        }, 5000, "horizontal fill left of the handle");
        verify(TestSupport.near(TestSupport.pixel(h, 600, 25), "#151515", 10), "empty groove right of the handle");
        verify(TestSupport.near(TestSupport.pixel(h, 430, 45), "#2e8fea", 24), "current tick line");
        // Middle of the grip between the bars: the dark handle, not the groove.
        verify(TestSupport.near(TestSupport.pixel(h, 430, 15), "#2a2a2a", 24), "handle body");

        verify(TestSupport.near(TestSupport.pixel(v, 25, 380), "#4c96dc", 24), "vertical fill below the handle");
        verify(TestSupport.near(TestSupport.pixel(v, 25, 120), "#151515", 10), "vertical groove above the handle is empty");
        // Lighter face at the top of the handle, even though the slider is turned.
        var top = TestSupport.pixel(v, 25, 252), bottom = TestSupport.pixel(v, 25, 272);
        verify(top.r > bottom.r, "handle lit from above: " + top + " over " + bottom);

        verify(TestSupport.near(TestSupport.pixel(pure, 30, 6), "#4c96dc", 24), "pure slider fill");
        verify(TestSupport.near(TestSupport.pixel(pure, 200, 6), "#151515", 10), "pure slider empty groove");
    }
}
