import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import "qrc:/ZelkDesign/private/gaugeMath.js" as Gauge

TestCase {
    id: testCase
    name: "Sliders"
    when: windowShown
    visible: true
    width: 900
    height: 520

    Component { id: hSliderComponent; ZelkHSlider {} }
    Component { id: vSliderComponent; ZelkVSlider {} }

    // Unusual settings still give finite geometry, the ticks spread over the
    // whole travel (a lone tick where the handle rests).
    function test_gauge_data() {
        return [
            { tag: "float steps", from: 0.7, to: 3.0, step: 0.1, count: 24 },
            { tag: "range not a whole number of steps", from: 0.0, to: 1.0, step: 0.3, count: 4 },
            { tag: "from equals to", from: 0.5, to: 0.5, step: 0.1, count: 1 },
            { tag: "step larger than range", from: 0.0, to: 1.0, step: 5, count: 1 },
            { tag: "continuous", from: 0.0, to: 1.0, step: 0, count: 0 },
            { tag: "inverted range", from: 1.0, to: 0.0, step: 0.1, count: 0 },
            { tag: "not a number", from: 0.0, to: NaN, step: 0.1, count: 0 },
            { tag: "ten thousand steps", from: 0, to: 100, step: 0.01, count: 10001 },
            { tag: "more steps than an int holds", from: 0, to: 1e9, step: 1e-4, count: 0 }
        ];
    }

    function test_gauge(data) {
        [hSliderComponent, vSliderComponent].forEach(function(component, vertical) {
            var control = createTemporaryObject(component, testCase, { gaugeValueVisible: true, stepSize: data.step, from: data.from, to: data.to });
            var gauge = findChild(control, "gaugeItem"), handle = findChild(control, "slider").handle;
            var centre = handle.mapToItem(control, handle.width / 2, handle.height / 2), last = findChild(gauge, "tick" + (data.count - 1));
            compare(gauge.gaugeCount, data.count);
            verify(isFinite(centre.x) && isFinite(centre.y), "finite handle");
            if (data.count === 1)
                compare(last.x, vertical ? 0 : -0.5);
            else if (data.count > 1)
                compare(vertical ? last.y + 1 : last.x + 0.5, vertical ? gauge.height : gauge.width);
        });
    }

    // Steps by key add up to values a little off the step values
    // (0.8999999999999999 after four from 0.5), and 0.7 + 0.1 * 2 is not the
    // 0.9 a document types: both still mark their tick and show its value.
    function test_keys_data() {
        var right = Qt.Key_Right;
        return [
            { tag: "four steps from 0.5", component: hSliderComponent, start: 0.5, keys: [right, right, right, right],
              value: 0.8999999999999999, current: [9], labels: ["0.0", "0.9", "1.0"] },
            { tag: "up increases", component: vSliderComponent, start: 2.0, keys: [Qt.Key_Up], value: 2.1, current: [14], labels: ["0.7", "2.1", "3.0"] },
            { tag: "typed value", component: vSliderComponent, start: 0.9, keys: [], value: 0.9, current: [2], labels: ["0.7", "0.9", "3.0"] },
            // 2001 ticks, drawn as every third.
            { tag: "steps of a hundredth", component: hSliderComponent, to: 20, step: 0.01, start: 5, keys: [right, right, right],
              value: 5.03, current: [503], labels: ["0.0", "20.0", "5.0"] },
            { tag: "range not a whole number of steps", component: hSliderComponent, step: 0.3, start: 0.3, keys: [right, right],
              value: 0.9, current: [3], labels: ["0.0", "0.9"] }
        ];
    }

    function test_keys(data) {
        var control = createTemporaryObject(data.component, testCase, { gaugeValueVisible: true, to: data.to || (data.component === hSliderComponent ? 1 : 3),
                                                                         stepSize: data.step || 0.1, value: data.start });
        data.keys.forEach(function(key) {
            // Another test file's window on the shared display can take the focus between two keys.
            findChild(control, "slider").forceActiveFocus();
            keyClick(key);
        });
        fuzzyCompare(control.value, data.value, 1e-9);
        var ticks = Array.prototype.filter.call(findChild(control, "gaugeItem").children, function(c) { return c.visible && c.objectName !== ""; });
        compare(ticks.filter(function(t) { return t.isCurrentValue; }).map(function(t) { return t.tickIndex; }), data.current);
        compare(ticks.map(function(t) { return findChild(t, "valueLabel"); }).filter(function(l) { return l && l.visible; })
                .map(function(l) { return l.text; }).sort(), data.labels);
    }

    // Ticks closer than a pixel are thinned to every stride-th; the drawn ones
    // stand a pixel apart at least, the first and the last always among them.
    function test_stride_data() {
        return [
            { tag: "just under a pixel", length: 684, count: 686, stride: 2, drawn: 344 },
            { tag: "vertical, 0 to 20 by 0.01", length: 338, count: 2001, stride: 6, drawn: 335 },
            { tag: "beyond an int's worth of pixels", length: 684, count: 2147483647, stride: 3139596, drawn: 685 },
            { tag: "not laid out", length: 0, count: 11, stride: 10, drawn: 2 }
        ];
    }

    function test_stride(data) {
        var stride = Gauge.stride(data.length, data.count), drawn = Gauge.drawnCount(data.count, stride);
        compare([stride, drawn], [data.stride, data.drawn]);
        compare([Gauge.drawnTick(0, data.count, stride), Gauge.drawnTick(drawn - 1, data.count, stride)], [0, data.count - 1]);
        if (drawn > 2 && data.length > 0)
            verify(Gauge.tickOffset(data.length, data.count, Gauge.drawnTick(1, data.count, stride)) >= 1, "drawn ticks a pixel apart");
    }
}
