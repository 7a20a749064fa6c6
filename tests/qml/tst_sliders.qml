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

    function ticksOf(control) {
        var gauge = findChild(control, "gaugeItem");
        return Array.apply(null, Array(gauge.gaugeCount)).map(function(_, i) { return findChild(gauge, "tick" + i); });
    }

    function currentTicks(control) {
        return ticksOf(control).map(function(tick, i) { return tick.isCurrentValue ? i : -1; }).filter(function(i) { return i >= 0; });
    }

    // A tick whose value is not shown has no label at all.
    function shownLabels(control) {
        return ticksOf(control).map(function(tick) { return findChild(tick, "valueLabel"); })
            .filter(function(label) { return label && label.visible; }).map(function(label) { return label.text; });
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
            { tag: "from equals to", from: 0.5, to: 0.5, step: 0.1, count: 1 },
            { tag: "step larger than range", from: 0.0, to: 1.0, step: 5, count: 1 },
            { tag: "continuous", from: 0.0, to: 1.0, step: 0, count: 0 },
            { tag: "inverted range", from: 1.0, to: 0.0, step: 0.1, count: 0 },
            { tag: "not a number", from: 0.0, to: NaN, step: 0.1, count: 0 },
            { tag: "densest drawn", from: 0, to: 100, step: 0.1, count: 1001 },
            { tag: "too dense to draw", from: 0, to: 100, step: 0.01, count: 0 }
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

    // Steps by key add up to values off the ticks; a pointer lands on
    // 0.7 + 0.1 * 2 and marks that tick, while a typed 0.9 is another number.
    function test_keys_data() {
        return [
            { tag: "drift off the steps", component: hSliderComponent, start: 0.5, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right],
              value: 0.8999999999999999, current: [] },
            { tag: "up increases", component: vSliderComponent, start: 2.0, keys: [Qt.Key_Up], value: 2.1, current: [14] },
            { tag: "typed value", component: vSliderComponent, start: 0.9, keys: [], value: 0.9, current: [] }
        ];
    }

    function test_keys(data) {
        var control = createTemporaryObject(data.component, testCase, { gaugeValueVisible: true, value: data.start });
        data.keys.forEach(function(key) { pressKey(findChild(control, "slider"), key); });
        fuzzyCompare(control.value, data.value, 1e-12);
        compare(currentTicks(control), data.current);
        compare(shownLabels(control).length, 2 + data.current.length, "the end values and the current one show");
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
