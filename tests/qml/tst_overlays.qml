import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "Overlays"
    when: windowShown

    Component { id: mainViewComponent; MainView {} }

    // Every function starts from the backend's defaults.
    function cleanup() {
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        $app.progressValue = 0;
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        var o = { window: window, background: findChild(window.contentItem, "backgroundRect"),
                  busy: findChild(window.contentItem, "busyIndicatorView"), progress: findChild(window.contentItem, "progressView") };
        o.busyBar = findChild(o.busy.contentItem, "busyProgressBar");
        o.cycle = findChild(o.busyBar, "indeterminateLoader").item;
        o.progressBar = findChild(o.progress.contentItem, "progressProgressBar");
        // A sharp white square, to tell a blurred backdrop from a sharp one.
        createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", o.background);
        waitForRendering(window.contentItem);
        return o;
    }

    // The busy overlay's cycle runs only while it is open, so a closed one
    // keeps nothing drawing; each overlay follows its own value only.
    function test_busyOverlay() {
        var o = createWindow();
        compare(o.cycle.running, false);
        $app.busy = { "status": true, "reason": "Scanning" };
        tryCompare(o.busy, "opened", true);
        verify(o.cycle.running);
        tryVerify(function() {
            TestSupport.grab(o.background);
            return TestSupport.pixel(o.background, 103, 200).r - TestSupport.pixel(o.background, 97, 200).r < 0.5;
        }, 5000, "the window behind the busy overlay is blurred");
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "Progress" };
        $app.busy = { "status": false, "reason": "Scanning" };
        tryCompare(o.busy, "opened", false);
        compare([o.cycle.running, o.progress.opened], [false, true]);
    }

    // The bar follows the value live without reopening; a value written
    // before the range it belongs to is applied again once the range arrives,
    // not left clamped to the old one.
    function test_progressOverlay() {
        var o = createWindow(), openings = 0;
        o.progress.aboutToShow.connect(function() { ++openings; });
        var badge = findChild(o.progressBar, "valueText");
        $app.progressInfo = { "visible": true, "from": 0, "to": 10, "title": "Scanning" };
        $app.progressValue = 5;
        tryCompare(o.progress, "opened", true);
        $app.progressValue = 50;
        compare([badge.text, openings], ["100 %", 1]);
        $app.progressInfo = { "visible": true, "from": 0, "to": 200, "title": "Scanning" };
        compare([badge.text, openings, o.progress.opened], ["25 %", 1, true]);
    }

    // Only whoever holds `$app` closes an overlay: neither Escape nor a press
    // anywhere does, and the backend's later writes keep driving it.
    function test_onlyTheBackendCloses_data() {
        return [
            { tag: "busy", overlay: "busy", show: function(on) { $app.busy = { "status": on, "reason": "Scanning" }; } },
            { tag: "progress", overlay: "progress", show: function(on) { $app.progressInfo = { "visible": on, "from": 0, "to": 100, "title": "Scanning" }; } }
        ];
    }

    function test_onlyTheBackendCloses(data) {
        var o = createWindow(), overlay = o[data.overlay];
        o.window.requestActivate();
        tryVerify(function() { return o.window.active && o.window.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        data.show(true);
        tryCompare(overlay, "opened", true);
        keyClick(Qt.Key_Escape);
        [[5, 5], [400, 400], [795, 795]].forEach(function(point) { mouseClick(o.window.contentItem, point[0], point[1]); });
        keyClick(Qt.Key_Escape);
        waitForRendering(o.window.contentItem);
        verify(overlay.opened, "closed by the user");
        $app.progressValue = 64;
        compare(findChild(o.progressBar, "valueText").text, "64 %");
        data.show(false);
        tryCompare(overlay, "visible", false);
        data.show(true);
        tryCompare(overlay, "opened", true);
    }

    // Both open: the progress overlay stands above the busy one, over one
    // backdrop, and both bars show whole and apart, titles readable, inside
    // the window.
    function test_bothOpen() {
        var o = createWindow();
        $app.busy = { "status": true, "reason": "Connecting to the scanner" };
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "Scanning the first side" };
        $app.progressValue = 40;
        tryVerify(function() { return o.busy.opened && o.progress.opened; });
        var busy = o.busyBar.mapToItem(o.window.contentItem, 0, 0), progress = o.progressBar.mapToItem(o.window.contentItem, 0, 0);
        // The busy bar has no badge: its track ends 106 px below its top;
        // the progress bar's badge ends 195 px below its top.
        verify(busy.y >= 0 && busy.y + 106 < progress.y && progress.y + 195 <= o.window.height, [busy.y, progress.y]);
        [o.busyBar, o.progressBar].forEach(function(bar) {
            tryVerify(function() {
                TestSupport.grab(bar);
                var title = TestSupport.average(bar, bar.width / 2 - 80, 4, 160, 24);
                var beside = TestSupport.average(bar, bar.width - 160, 4, 160, 24);
                return title.r > beside.r + 0.08;
            }, 5000, "the title of " + bar.objectName + " shows");
        });
    }

    // Whatever the backend is given, and with no warning (the runner fails on
    // any): missing keys close the overlays, a null title reads empty and one
    // of another type as text, a missing or broken range falls back, and the
    // badge reads a whole percent with fill and badge on the track.
    function test_oddInput_data() {
        return [
            { tag: "missing keys", open: false, value: 25, shown: "", text: "25 %", fill: 174 },
            { tag: "null title, value NaN", open: true, title: null, value: NaN, shown: "", text: "0 %", fill: 0 },
            { tag: "list title", open: true, title: ["a", 2], value: 42.7, shown: "a,2", text: "42 %", fill: 297.192 },
            { tag: "number title, value +Infinity", open: true, title: 7, value: Infinity, shown: "7", text: "100 %", fill: 696 },
            { tag: "empty range", open: true, from: 50, to: 50, value: 50, shown: "", text: "0 %", fill: 0 },
            { tag: "reversed range", open: true, from: 10, to: 0, value: 2.5, shown: "", text: "75 %", fill: 522 },
            { tag: "range NaN", open: true, from: NaN, to: NaN, value: 3, shown: "", text: "0 %", fill: 0 }
        ];
    }

    function test_oddInput(data) {
        var o = createWindow();
        var info = data.open ? { "visible": true } : {};
        ["title", "from", "to"].forEach(function(key) { if (key in data) info[key] = data[key]; });
        $app.busy = data.open ? { "status": true, "reason": data.title } : {};
        $app.progressInfo = info;
        $app.progressValue = data.value;
        tryVerify(function() { return o.busy.opened === data.open && o.progress.opened === data.open; }, 5000, "opened: " + data.open);
        compare([o.busyBar.title, o.progressBar.title], [data.shown, data.shown]);
        var badge = findChild(o.progressBar, "valueLabel"), control = findChild(o.progressBar, "progressBarControl");
        compare(findChild(o.progressBar, "valueText").text, data.text);
        fuzzyCompare(findChild(o.progressBar, "indicatorBack").height, data.fill, 1e-3);
        fuzzyCompare(badge.x + badge.width / 2, control.x + control.margins + data.fill, 1e-3);
    }

    // Once converged the backdrop is drawn from its cache, and that looks
    // exactly like the blur drawn afresh.
    function test_settledBackdropIsCachedUnchanged() {
        var o = createWindow();
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "" };
        var blur = null;
        tryVerify(function() { blur = findChild(o.window.contentItem.parent, "backdropBlur"); return blur !== null && blur.progress >= 1; },
                  10000, "the backdrop's blur converges");
        verify(blur.cached);
        var probes = [[97, 200], [103, 200], [110, 200], [200, 200], [103, 103]];
        function sample() { TestSupport.grab(o.background); return probes.map(function(p) { return TestSupport.pixel(o.background, p[0], p[1]); }); }
        var cached = sample();
        verify(cached[1].r - cached[0].r < 0.5, "blurred");
        blur.cached = false;
        tryVerify(function() { return sample().every(function(pixel, i) { return TestSupport.near(pixel, cached[i], 1); }); },
                  3000, "the cached backdrop matches the live blur");
    }
}
