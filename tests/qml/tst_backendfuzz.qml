import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// Whoever holds `$app` may write anything into it. A seeded run writes random,
// mostly hostile values into every writable property while the real window's
// overlays are bound to them; after each write the overlays must show exactly
// what the last write asks for, without a crash or a single QML warning.
//
// ORVANE_FUZZ_SEED and ORVANE_FUZZ_STEPS override the fixed seed and the
// number of steps; a failure names the seed and the step to replay it.
TestCase {
    id: testCase
    name: "BackendFuzz"
    when: windowShown

    readonly property string floatWarning: "Floating point comparison needs context sanity check"
    // Drawing a frame with the blurred backdrop is what costs; the state is
    // checked after every step, the pixels only every so often.
    readonly property int renderEvery: 500
    readonly property int eventsEvery: 100

    property real seed: Number(TestSupport.environment("ORVANE_FUZZ_SEED", "20240611"))
    property int steps: Number(TestSupport.environment("ORVANE_FUZZ_STEPS", "10000"))
    property real state: 0

    Component {
        id: mainViewComponent
        MainView {}
    }

    function cleanup() {
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        ignoreWarning(floatWarning);
        $app.progressValue = 0;
        $app.language = "en";
    }

    // mulberry32: small, fast and the same on every machine for a given seed.
    function random() {
        state = (state + 0x6D2B79F5) | 0;
        var t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    }

    function below(n) {
        return Math.floor(random() * n);
    }

    function pick(list) {
        return list[below(list.length)];
    }

    function longString(unit) {
        var s = "";
        var n = 1 + below(4000);
        while (s.length < n)
            s += unit;
        return s;
    }

    function oddString() {
        return pick([
            "", " ", "<b>bold</b>", "<img src=\"qrc:/images/none.png\">", "&amp;&lt;", "%1 %2",
            "line\nbreak\r\n", "tab\there", "\u202Eevil\u202C", "\u200F\u05E9\u05DC\u05D5\u05DD",
            "nul\u0000byte", "\uD800", "\uDFFF\uD800", "\uD83D\uDE00\uD83D\uDE00",
            "e\u0301\u0301\u0301\u0301", "\uFEFF", "\uFFFF", "qrc:/main.qml", "javascript:alert(1)",
            longString("W"), longString("word "), longString("\u0645\u0631\u062D\u0628\u0627 "),
            longString("\n"), longString("\uD83D\uDE00")
        ]);
    }

    function number() {
        return pick([
            0, -0, 1, -1, 42.7, 0.5, 100, 1e-40, -1e-40, 2147483647, 2147483648, -2147483649,
            1e15, -1e15, 1e38, 3.5e38, -3.5e38, 1e308, -1e308, Number.MAX_VALUE, Number.MIN_VALUE,
            NaN, Infinity, -Infinity, random() * 200 - 50, random() * 1e9 - 5e8
        ]);
    }

    function anyValue() {
        switch (below(9)) {
        case 0: return pick([true, false]);
        case 1: return pick(["true", "false", "1", "0", "yes", "TRUE"]);
        case 2: return number();
        case 3: return oddString();
        case 4: return null;
        case 5: return undefined;
        case 6: return pick([[], [true], [1, 2, 3], ["a", null]]);
        case 7: return pick([{}, { "status": true }, { "visible": true, "nested": { "deep": [1] } }]);
        default: return pick([1, 0, -1, NaN]);
        }
    }

    // A flag key: usually a real boolean, so the overlays do open often,
    // otherwise anything, including nothing at all.
    function flag() {
        var r = random();
        return r < 0.4 ? true : r < 0.6 ? false : anyValue();
    }

    function withExtras(map) {
        var n = below(4);
        for (var i = 0; i < n; ++i)
            map[pick(["extra", "Status", "VISIBLE", " status", "", "\u0000", "title ", "from", "reason"]) + below(3)] = anyValue();
        return map;
    }

    function busyMap() {
        var map = {};
        if (random() < 0.9)
            map.status = flag();
        if (random() < 0.8)
            map.reason = random() < 0.5 ? oddString() : anyValue();
        return withExtras(map);
    }

    function progressMap() {
        var map = {};
        if (random() < 0.9)
            map.visible = flag();
        if (random() < 0.8)
            map.title = random() < 0.5 ? oddString() : anyValue();
        var from = number();
        var to = number();
        switch (below(6)) {
        case 0: from = 0; to = 100; break;
        case 1: to = from; break;                              // equal
        case 2: var t = Math.min(from, to); from = Math.max(from, to); to = t; break;   // reversed
        case 3: from = anyValue(); break;                      // wrong types
        case 4: to = anyValue(); break;
        default: break;
        }
        if (random() < 0.9)
            map.from = from;
        if (random() < 0.9)
            map.to = to;
        return withExtras(map);
    }

    function progressValue() {
        return random() < 0.5 ? number() : pick([NaN, Infinity, -Infinity, 1e300, -1e300, -5, -1e9, 1e9]);
    }

    // What a text property shows for a map entry: nothing for a missing or
    // null one, the value as a string otherwise.
    function shownText(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function fillLength(bar) {
        return findChild(bar, "progressBarControl").fillLength;
    }

    function checkStep(o, step, what) {
        var where = "seed " + seed + ", step " + step + " (" + what + "): ";
        var busyOpen = $app.busy.status === true;
        var progressOpen = $app.progressInfo.visible === true;
        compare(o.busy.visible, busyOpen, where + "busy overlay visible");
        compare(o.busy.opened, busyOpen, where + "busy overlay opened");
        compare(o.progress.visible, progressOpen, where + "progress overlay visible");
        compare(o.progress.opened, progressOpen, where + "progress overlay opened");

        compare(o.busyBar.title, shownText($app.busy.reason), where + "busy title");
        compare(o.progressBar.title, shownText($app.progressInfo.title), where + "progress title");

        // Whatever the range and value, the fill stays on the track and the
        // badge reads a whole percentage from 0 to 100.
        var fill = fillLength(o.progressBar);
        verify(fill >= 0 && fill <= o.progressBar.backRectWidth, where + "fill length " + fill);
        var badge = /^(\d+) %$/.exec(findChild(o.progressBar, "valueText").text);
        verify(badge && Number(badge[1]) >= 0 && Number(badge[1]) <= 100, where + "badge " + findChild(o.progressBar, "valueText").text);
        var busyFill = findChild(o.busyBar, "indicatorBack");
        verify(isFinite(busyFill.y) && isFinite(busyFill.height), where + "busy segment");
    }

    function test_randomWrites() {
        verify(isFinite(seed) && steps > 0, "ORVANE_FUZZ_SEED and ORVANE_FUZZ_STEPS must be numbers");
        state = seed | 0;
        var window = createTemporaryObject(mainViewComponent, testCase);
        verify(window);
        tryCompare(window, "visible", true);
        var busy = findChild(window.contentItem, "busyIndicatorView");
        var progress = findChild(window.contentItem, "progressView");
        verify(busy && progress);
        var o = {
            busy: busy,
            busyBar: findChild(busy.contentItem, "busyProgressBar"),
            progress: progress,
            progressBar: findChild(progress.contentItem, "progressProgressBar")
        };
        waitForRendering(window.contentItem);

        var opened = { busy: 0, progress: 0 };
        for (var step = 1; step <= steps; ++step) {
            var what;
            var r = random();
            if (r < 0.3) {
                what = "busy";
                $app.busy = busyMap();
            } else if (r < 0.6) {
                what = "progressInfo";
                $app.progressInfo = progressMap();
            } else if (r < 0.9) {
                what = "progressValue";
                ignoreWarning(floatWarning);
                $app.progressValue = progressValue();
            } else {
                what = "language";
                var language = random() < 0.5 ? oddString() : String(anyValue());
                $app.language = language;
                compare($app.language, language, "seed " + seed + ", step " + step + ": language");
            }
            checkStep(o, step, what);
            opened.busy += busy.opened ? 1 : 0;
            opened.progress += progress.opened ? 1 : 0;

            if (step % renderEvery === 0) {
                // With nothing changed since the last frame none would come.
                window.update();
                waitForRendering(window.contentItem);
            }
            else if (step % eventsEvery === 0)
                wait(0);
        }
        // A run that never opened an overlay would prove nothing.
        verify(opened.busy > steps / 10 && opened.progress > steps / 10,
               "seed " + seed + ": overlays open in " + opened.busy + " and " + opened.progress + " steps");

        // Closed by the last writes, so the window can go.
        $app.busy = { "status": false };
        $app.progressInfo = { "visible": false };
        tryCompare(busy, "opened", false);
        tryCompare(progress, "opened", false);
    }
}
