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

    Rectangle { anchors.fill: parent; color: "#1a1a1a" }

    Component { id: hSliderComponent; ZelkHSlider {} }
    Component { id: vSliderComponent; ZelkVSlider {} }

    // Every tick of a gauge drawn tick by tick, in order.
    function ticksOf(control) {
        var gauge = findChild(control, "gaugeItem");
        return Array.apply(null, Array(gauge.gaugeCount)).map(function(_, i) { return findChild(gauge, "tick" + i); });
    }

    // The ticks on screen, the current one included.
    function shownTicks(control) {
        var children = findChild(control, "gaugeItem").children, ticks = [];
        for (var i = 0; i < children.length; ++i) {
            if (children[i].visible && children[i].objectName !== "")
                ticks.push(children[i]);
        }
        return ticks;
    }

    function currentTicks(control) {
        return shownTicks(control).filter(function(tick) { return tick.isCurrentValue; }).map(function(tick) { return tick.tickIndex; });
    }

    // A tick whose value is not shown has no label at all.
    function shownLabels(control) {
        return shownTicks(control).map(function(tick) { return findChild(tick, "valueLabel"); })
            .filter(function(label) { return label && label.visible; }).map(function(label) { return label.text; }).sort();
    }

    // CTest runs test files side by side on one display, where another file's
    // window can take the focus away between two keys: give it back before each.
    function pressKey(item, key) {
        item.forceActiveFocus();
        verify(item.activeFocus);
        keyClick(key);
    }

    function handleCentre(control) {
        var handle = findChild(control, "slider").handle;
        return handle.mapToItem(control, handle.width / 2, handle.height / 2);
    }

    function test_gauge_data() {
        return [
            { tag: "float steps", from: 0.7, to: 3.0, step: 0.1, count: 24 },
            { tag: "range not a whole number of steps", from: 0.0, to: 1.0, step: 0.3, count: 4 },
            { tag: "from equals to", from: 0.5, to: 0.5, step: 0.1, count: 1 },
            { tag: "step larger than range", from: 0.0, to: 1.0, step: 5, count: 1 },
            { tag: "continuous", from: 0.0, to: 1.0, step: 0, count: 0 },
            { tag: "inverted range", from: 1.0, to: 0.0, step: 0.1, count: 0 },
            { tag: "not a number", from: 0.0, to: NaN, step: 0.1, count: 0 },
            { tag: "a thousand steps", from: 0, to: 100, step: 0.1, count: 1001 },
            { tag: "ten thousand steps", from: 0, to: 100, step: 0.01, count: 10001 },
            { tag: "more steps than an int holds", from: 0, to: 1e9, step: 1e-4, count: 0 }
        ];
    }

    // Unusual settings still give finite geometry, a lone tick where the handle rests.
    function test_gauge(data) {
        compare(Gauge.tickCount(data.from, data.to, data.step), data.count);
        [hSliderComponent, vSliderComponent].forEach(function(component, vertical) {
            var control = createTemporaryObject(component, testCase, { gaugeValueVisible: true, stepSize: data.step, from: data.from, to: data.to });
            compare(findChild(control, "gaugeItem").gaugeCount, data.count);
            var centre = handleCentre(control);
            verify(isFinite(centre.x) && isFinite(centre.y), "finite handle");
            if (data.count === 1)
                compare(ticksOf(control)[0].x, vertical ? 0 : -0.5);
            // However many, the ticks spread over the whole travel.
            var gauge = findChild(control, "gaugeItem"), last = findChild(gauge, "tick" + (data.count - 1));
            if (data.count > 1)
                compare(vertical ? last.y + 1 : last.x + 0.5, vertical ? gauge.height : gauge.width);
        });
    }

    // A click a little off each tick snaps onto its step: the handle's centre
    // stands over that tick and exactly that tick is marked.
    function test_pointerOnTicks() {
        [hSliderComponent, vSliderComponent].forEach(function(component, vertical) {
            var control = createTemporaryObject(component, testCase);
            var ticks = ticksOf(control);
            waitForRendering(control);
            for (var i = 0; i < ticks.length; ++i) {
                var tick = ticks[i].mapToItem(control, ticks[i].width / 2, ticks[i].height / 2);
                mouseClick(control, vertical ? 25 : tick.x - 4, vertical ? tick.y + 4 : 25);
                compare(currentTicks(control), [i], "click near tick " + i + " gave " + control.value);
                var centre = handleCentre(control);
                fuzzyCompare(vertical ? centre.y : centre.x, vertical ? tick.y : tick.x, 0.01, "handle over tick " + i);
            }
            verify(findChild(control, "slider").focus, "a click takes the focus");
        });
    }

    // Steps by key add up to values a little off the step values
    // (0.8999999999999999 after four from 0.5), and 0.7 + 0.1 * 2 is not the
    // 0.9 a document types: both still mark their tick and show its value.
    function test_keys_data() {
        return [
            { tag: "four steps from 0.5", component: hSliderComponent, start: 0.5, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right],
              value: 0.8999999999999999, current: [9], labels: ["0.0", "0.9", "1.0"] },
            { tag: "up increases", component: vSliderComponent, start: 2.0, keys: [Qt.Key_Up], value: 2.1, current: [14], labels: ["0.7", "2.1", "3.0"] },
            { tag: "typed value", component: vSliderComponent, start: 0.9, keys: [], value: 0.9, current: [2], labels: ["0.7", "0.9", "3.0"] },
            { tag: "steps of a hundredth", component: hSliderComponent, to: 20, step: 0.01, start: 5, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right],
              value: 5.03, current: [503], labels: ["0.0", "20.0", "5.0"] },
            { tag: "range not a whole number of steps", component: hSliderComponent, step: 0.3, start: 0.3, keys: [Qt.Key_Right, Qt.Key_Right],
              value: 0.9, current: [3], labels: ["0.0", "0.9"] }
        ];
    }

    function test_keys(data) {
        var control = createTemporaryObject(data.component, testCase, { gaugeValueVisible: true, to: data.to || (data.component === hSliderComponent ? 1 : 3),
                                                                         stepSize: data.step || 0.1, value: data.start });
        data.keys.forEach(function(key) { pressKey(findChild(control, "slider"), key); });
        fuzzyCompare(control.value, data.value, 1e-9);
        compare(currentTicks(control), data.current);
        compare(shownLabels(control), data.labels);
    }

    // The numbers behind the marking: the nearest step, if the value is on it
    // up to a thousandth of a step.
    function test_currentIndex_data() {
        return [
            { tag: "four key steps", value: 0.5 + 0.1 + 0.1 + 0.1 + 0.1, from: 0, step: 0.1, count: 11, index: 9 },
            { tag: "typed step value", value: 0.9, from: 0.7, step: 0.1, count: 24, index: 2 },
            { tag: "noise of a float", value: 0.8999999761581421, from: 0, step: 0.1, count: 11, index: 9 },
            { tag: "between steps", value: 0.55, from: 0, step: 0.1, count: 11, index: -1 },
            { tag: "half a thousandth off", value: 0.50005, from: 0, step: 0.1, count: 11, index: 5 },
            { tag: "two thousandths off", value: 0.5002, from: 0, step: 0.1, count: 11, index: -1 },
            { tag: "below the range", value: -0.1, from: 0, step: 0.1, count: 11, index: -1 },
            { tag: "past the last tick", value: 1.2, from: 0, step: 0.3, count: 4, index: -1 },
            { tag: "a thousandth steps", value: 0.0015, from: 0, step: 0.001, count: 1001, index: -1 },
            { tag: "hundredths", value: 5.37, from: 0, step: 0.01, count: 2001, index: 537 },
            { tag: "not a number", value: NaN, from: 0, step: 0.1, count: 11, index: -1 },
            { tag: "no ticks", value: 0, from: 0, step: 0, count: 0, index: -1 }
        ];
    }

    function test_currentIndex(data) {
        compare(Gauge.currentIndex(data.value, data.from, data.step, data.count), data.index);
    }

    // Ticks closer than a pixel are thinned to every stride-th; the drawn ones
    // stand a pixel apart at least, the first and the last always among them.
    function test_stride_data() {
        return [
            { tag: "default gauge", length: 684, count: 11, stride: 1, drawn: 11 },
            { tag: "a pixel apart", length: 684, count: 685, stride: 1, drawn: 685 },
            { tag: "just under a pixel", length: 684, count: 686, stride: 2, drawn: 344 },
            { tag: "0 to 20 by 0.01", length: 684, count: 2001, stride: 3, drawn: 668 },
            { tag: "vertical, 0 to 20 by 0.01", length: 338, count: 2001, stride: 6, drawn: 335 },
            { tag: "beyond an int's worth of pixels", length: 684, count: 2147483647, stride: 3139596, drawn: 685 },
            { tag: "not laid out", length: 0, count: 11, stride: 10, drawn: 2 },
            { tag: "one tick", length: 684, count: 1, stride: 1, drawn: 1 },
            { tag: "no ticks", length: 684, count: 0, stride: 1, drawn: 0 }
        ];
    }

    function test_stride(data) {
        var stride = Gauge.stride(data.length, data.count), drawn = Gauge.drawnCount(data.count, stride);
        compare([stride, drawn], [data.stride, data.drawn]);
        if (drawn === 0)
            return;
        compare([Gauge.drawnTick(0, data.count, stride), Gauge.drawnTick(drawn - 1, data.count, stride)], [0, data.count - 1]);
        if (drawn > 2 && data.length > 0) {
            var gap = Gauge.tickOffset(data.length, data.count, Gauge.drawnTick(1, data.count, stride));
            verify(gap >= 1, "drawn ticks " + gap + " px apart");
        }
    }

    // 0 to 20 by 0.01: 2001 ticks, drawn as every third (every sixth upright),
    // with the first, the last and the current tick and their values.
    function test_denseGauge() {
        [hSliderComponent, vSliderComponent].forEach(function(component, vertical) {
            var control = createTemporaryObject(component, testCase, { x: 10, y: 10, gaugeValueVisible: true, from: 0, to: 20, stepSize: 0.01, value: 5.37 });
            var gauge = findChild(control, "gaugeItem");
            compare(gauge.gaugeCount, 2001);
            var ticks = shownTicks(control);
            verify(ticks.length > 300 && ticks.length <= (vertical ? gauge.height : gauge.width) + 2, ticks.length + " ticks drawn");
            compare(currentTicks(control), [537]);
            compare(shownLabels(control), ["0.0", "20.0", "5.4"]);
            var current = findChild(gauge, "currentTick"), centre = handleCentre(control);
            var point = current.mapToItem(control, current.width / 2, current.height / 2);
            fuzzyCompare(vertical ? point.y : point.x, vertical ? centre.y : centre.x, 0.5, "current tick under the handle");
            var last = findChild(gauge, "tick2000").mapToItem(control, 0, 0);
            fuzzyCompare(vertical ? last.y + 1 : last.x + 0.5, vertical ? gauge.mapToItem(control, 0, gauge.height).y
                                                                       : gauge.mapToItem(control, gauge.width, 0).x, 1e-6, "last tick at the end");
            waitForRendering(control);
            TestSupport.grab(control);
            var p = current.mapToItem(control, vertical ? 6 : 0.5, vertical ? 1 : 6);
            verify(TestSupport.near(TestSupport.pixel(control, p.x, p.y), "#2e8fea", 24), "current tick line is blue");
            var grey = vertical ? TestSupport.average(control, gauge.x + 2, gauge.y + 40, 8, 40) : TestSupport.average(control, gauge.x + 20, gauge.y + 4, 40, 6);
            verify(grey.r > 0.15 && grey.r < 0.45, "tick lines drawn: " + grey);
        });
    }

    // The fill runs from the groove's start to the handle, on screen too.
    function test_pixels() {
        var h = createTemporaryObject(hSliderComponent, testCase, { x: 10, y: 10 });
        var v = createTemporaryObject(vSliderComponent, testCase, { x: 10, y: 30 });
        waitForRendering(h);
        tryVerify(function() {
            TestSupport.grab(h);
            return TestSupport.near(TestSupport.pixel(h, 300, 25), "#4c96dc", 24);
        }, 5000, "horizontal fill left of the handle");
        verify(TestSupport.near(TestSupport.pixel(h, 600, 25), "#151515", 10), "empty groove right of the handle");
        verify(TestSupport.near(TestSupport.pixel(h, 430, 45), "#2e8fea", 24), "current tick line");
        verify(TestSupport.near(TestSupport.pixel(v, 25, 380), "#4c96dc", 24), "vertical fill below the handle");
        verify(TestSupport.near(TestSupport.pixel(v, 25, 120), "#151515", 10), "vertical groove above the handle is empty");
        // Lighter face at the top of the handle, even though the slider is turned.
        var top = TestSupport.pixel(v, 25, 252), bottom = TestSupport.pixel(v, 25, 272);
        verify(top.r > bottom.r, "handle lit from above: " + top + " over " + bottom);
    }
}
