import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// Whoever holds `$app` may write anything into it: after each random, mostly hostile write the real
// window's overlays must show what it asks for, with no crash or warning. ORVANE_FUZZ_SEED and
// ORVANE_FUZZ_STEPS override the seed and the step count; a failure names the seed and step.
TestCase {
    id: testCase
    name: "BackendFuzz"
    when: windowShown

    property real seed: Number(TestSupport.environment("ORVANE_FUZZ_SEED", "20240611"))
    property int steps: Number(TestSupport.environment("ORVANE_FUZZ_STEPS", "10000"))
    property real state: seed | 0
    property var o

    Component { id: mainViewComponent; MainView {} }

    // Overlays still open when the window goes crash it, so they close even after a failed step.
    function cleanup() {
        $app.busy = { "status": false };
        $app.progressInfo = { "visible": false };
        tryVerify(function() { return !o || !o.busy.opened && !o.progress.opened; });
    }

    // mulberry32: small, fast and the same on every machine for a given seed.
    function random() {
        state = (state + 0x6D2B79F5) | 0;
        var t = Math.imul(state ^ (state >>> 15), state | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    }

    function pick(list) { return list[Math.floor(random() * list.length)]; }

    function oddString() {
        if (random() < 0.2)
            return new Array(2 + Math.floor(random() * 4000)).join(pick(["W", "word ", "\u0645\u0631\u062D\u0628\u0627 ", "\n", "\uD83D\uDE00"]));
        return pick(["", " ", "<b>bold</b>", "<img src=\"qrc:/images/none.png\">", "&amp;&lt;", "%1 %2", "line\nbreak\r\n",
                     "\u202Eevil\u202C", "\u200F\u05E9\u05DC\u05D5\u05DD", "nul\u0000byte", "\uD800", "\uDFFF\uD800",
                     "e\u0301\u0301\u0301", "\uFEFF\uFFFF", "qrc:/main.qml", "javascript:alert(1)"]);
    }

    function number() {
        return pick([0, -0, 1, -1, 42.7, 0.5, 100, 1e-40, 2147483648, -2147483649, 1e15, 3.5e38, -3.5e38, Number.MAX_VALUE,
                     -Number.MAX_VALUE, Number.MIN_VALUE, NaN, Infinity, -Infinity, random() * 200 - 50, random() * 1e9 - 5e8]);
    }

    function anyValue() {
        return pick([function() { return pick([true, false, "true", "false", "1", "0", null, undefined]); }, number, oddString,
                     function() { return pick([[], [true], ["a", null], {}, { "status": true }, { "nested": { "deep": [1] } }]); }])();
    }

    // A real boolean, mostly true, so that the overlays do open often.
    function flag() { return random() < 0.7; }

    // Any key may be missing or of any type, and a look-alike key comes along.
    function map(keys) {
        var m = {};
        Object.keys(keys).forEach(function(key) { if (random() < 0.9) m[key] = random() < 0.3 ? anyValue() : keys[key](); });
        m[pick(["extra", "Status", "VISIBLE", " status", "", "\u0000", "title "])] = anyValue();
        return m;
    }

    function shown(value) { return value === undefined || value === null ? "" : String(value); }

    function test_randomWrites() {
        verify(isFinite(seed) && steps > 0, "ORVANE_FUZZ_SEED and ORVANE_FUZZ_STEPS must be numbers");
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        o = { busy: findChild(window.contentItem, "busyIndicatorView"), progress: findChild(window.contentItem, "progressView") };
        var busyBar = findChild(o.busy.contentItem, "busyProgressBar"), segment = findChild(busyBar, "indicatorBack");
        var bar = findChild(o.progress.contentItem, "progressProgressBar"), fill = findChild(bar, "progressBarControl"), badge = findChild(bar, "valueText");
        var bothOpen = 0;
        waitForRendering(window.contentItem);
        for (var step = 1; step <= steps; ++step) {
            var where = "seed " + seed + ", step " + step + ": ";
            var r = random();
            if (r < 0.3)
                $app.busy = map({ status: flag, reason: oddString });
            else if (r < 0.6)
                $app.progressInfo = map({ visible: flag, title: oddString, from: number, to: number });
            else if (r < 0.9) {
                ignoreWarning("Floating point comparison needs context sanity check");
                $app.progressValue = random() < 0.5 ? number() : pick([NaN, Infinity, -Infinity, 1e300, -1e300, -5, 1e9]);
            } else
                compare($app.language = String(anyValue()), $app.language, where + "language");
            var busyOpen = $app.busy.status === true, progressOpen = $app.progressInfo.visible === true;
            compare([o.busy.visible, o.busy.opened, o.progress.visible, o.progress.opened, busyBar.title, bar.title],
                    [busyOpen, busyOpen, progressOpen, progressOpen, shown($app.busy.reason), shown($app.progressInfo.title)],
                    where + "overlays open and titled as asked");
            // Whatever the range and value: fill on the track, badge a whole percentage.
            verify(fill.fillLength >= 0 && fill.fillLength <= bar.backRectWidth && /^(\d+) %$/.test(badge.text) && parseInt(badge.text) <= 100
                   && isFinite(segment.y + segment.height), where + "fill " + fill.fillLength + ", badge " + badge.text);
            bothOpen += busyOpen && progressOpen;
            // Frames under the blurred backdrop cost; an unchanged window needs update() to draw one.
            if (step % 200 === 0) {
                window.update();
                waitForRendering(window.contentItem);
            }
        }
        // A run that never opened an overlay would prove nothing.
        verify(bothOpen > steps / 10, "seed " + seed + ": both overlays open in " + bothOpen + " steps");
    }
}
