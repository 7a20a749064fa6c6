import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "Overlays"
    when: windowShown

    Component {
        id: mainViewComponent
        MainView {}
    }

    SignalSpy {
        id: progressOpenings
        signalName: "aboutToShow"
    }

    // Every function starts from the backend's defaults.
    function cleanup() {
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        $app.progressValue = 0;
        progressOpenings.clear();
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        verify(window);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
    }

    function overlays(window) {
        var busy = findChild(window.contentItem, "busyIndicatorView");
        var progress = findChild(window.contentItem, "progressView");
        verify(busy && progress);
        return {
            busy: busy,
            busyBar: findChild(busy.contentItem, "busyProgressBar"),
            progress: progress,
            progressBar: findChild(progress.contentItem, "progressProgressBar")
        };
    }

    function busyCycle(o) {
        return findChild(o.busyBar, "indeterminateLoader").item;
    }

    function badgeText(bar) {
        return findChild(bar, "valueText").text;
    }

    // A sharp white square in the window, to tell a blurred backdrop from a sharp one.
    function addProbe(window) {
        var background = findChild(window.contentItem, "backgroundRect");
        var probe = createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 100; y: 100; width: 200; height: 200; color: 'white' }", background);
        waitForRendering(window.contentItem);
        return background;
    }

    function edgeIsBlurred(background) {
        TestSupport.grab(background);
        var step = TestSupport.pixel(background, 103, 200).r - TestSupport.pixel(background, 97, 200).r;
        return step < 0.5;
    }

    function edgeIsSharp(background) {
        TestSupport.grab(background);
        return TestSupport.near(TestSupport.pixel(background, 103, 200), "white", 2)
            && TestSupport.near(TestSupport.pixel(background, 97, 200), "#1f1f1f", 4);
    }

    // At start-up both are closed, and a closed busy overlay runs no animation
    // that would keep the window drawing.
    function test_closedAtStart() {
        var o = overlays(createWindow());
        compare(o.busy.opened, false);
        compare(o.progress.opened, false);
        compare(o.busy.modal, true);
        compare(o.progress.modal, true);
        verify(busyCycle(o));
        compare(busyCycle(o).running, false);
    }

    function test_busyOverlay() {
        var window = createWindow();
        var o = overlays(window);
        var background = addProbe(window);

        $app.busy = { "status": true, "reason": "Connecting to the scanner" };
        tryCompare(o.busy, "opened", true);
        compare(o.busyBar.title, "Connecting to the scanner");
        compare(o.busyBar.indeterminate, true);
        compare(o.busyBar.valueLabelVisible, false);
        verify(busyCycle(o).running);
        // The bar sits in the middle of the window over the blurred content.
        var centre = o.busyBar.mapToItem(window.contentItem, o.busyBar.width / 2, o.busyBar.height / 2);
        compare(centre.x, 400);
        compare(centre.y, 400);
        tryVerify(function() { return edgeIsBlurred(background); }, 5000, "the window behind the busy overlay is blurred");

        $app.busy = { "status": true, "reason": "Calibrating the turntable" };
        compare(o.busyBar.title, "Calibrating the turntable");

        $app.busy = { "status": false, "reason": "Calibrating the turntable" };
        tryCompare(o.busy, "opened", false);
        compare(busyCycle(o).running, false);
        tryVerify(function() { return edgeIsSharp(background); }, 5000, "closing restores the sharp view");
    }

    function test_progressOverlay() {
        var window = createWindow();
        var o = overlays(window);
        var background = addProbe(window);
        progressOpenings.target = o.progress;

        $app.progressInfo = { "visible": true, "from": 0, "to": 10, "title": "Scanning" };
        $app.progressValue = 5;
        tryCompare(o.progress, "opened", true);
        compare(o.progressBar.title, "Scanning");
        compare(badgeText(o.progressBar), "50 %");
        compare(findChild(o.progressBar, "indicatorBack").height, 348);
        tryVerify(function() { return edgeIsBlurred(background); }, 5000, "the window behind the progress overlay is blurred");

        // The bar follows the value live, without reopening.
        $app.progressValue = 7.5;
        compare(badgeText(o.progressBar), "75 %");
        compare(findChild(o.progressBar, "indicatorBack").height, 522);
        compare(o.progress.opened, true);
        compare(progressOpenings.count, 1);
        // Drawn too: the fill now reaches past the old end.
        var track = findChild(o.progressBar, "progressBarControl");
        tryVerify(function() {
            TestSupport.grab(track);
            return TestSupport.pixel(track, 10 + 522 - 10, 18).b > 0.7;
        }, 5000, "the fill is drawn to the new value");

        $app.progressInfo = { "visible": false, "from": 0, "to": 10, "title": "Scanning" };
        tryCompare(o.progress, "opened", false);
        // Closed, it still follows the backend.
        $app.progressValue = 2;
        compare(badgeText(o.progressBar), "20 %");
        tryVerify(function() { return edgeIsSharp(background); }, 5000, "closing restores the sharp view");
    }

    function test_defaultRange() {
        var o = overlays(createWindow());
        $app.progressInfo = { "visible": true, "title": "Uploading", "from": 0, "to": 100 };
        $app.progressValue = 42.7;
        tryCompare(o.progress, "opened", true);
        compare(badgeText(o.progressBar), "42 %");
    }

    // Maps lacking keys: closed overlays, empty titles, the backend's default
    // range, and not one warning (the runner fails on any).
    function test_missingKeys_data() {
        return [
            { tag: "busy: empty map", busy: {}, busyOpen: false, reason: "" },
            { tag: "busy: no status", busy: { "reason": "Waiting" }, busyOpen: false, reason: "Waiting" },
            { tag: "busy: no reason", busy: { "status": true }, busyOpen: true, reason: "" },
            { tag: "busy: null reason", busy: { "status": true, "reason": null }, busyOpen: true, reason: "" },
            { tag: "progress: empty map", info: {}, progressOpen: false, title: "", from: 0, to: 100 },
            { tag: "progress: no visible", info: { "title": "Saving", "from": 0, "to": 10 }, progressOpen: false, title: "Saving", from: 0, to: 10 },
            { tag: "progress: only visible", info: { "visible": true }, progressOpen: true, title: "", from: 0, to: 100 },
            { tag: "progress: null range", info: { "visible": true, "from": null, "to": null }, progressOpen: true, title: "", from: 0, to: 100 }
        ];
    }

    function test_missingKeys(data) {
        var o = overlays(createWindow());
        if (data.busy !== undefined) {
            $app.busy = data.busy;
            if (data.busyOpen)
                tryCompare(o.busy, "opened", true);
            compare(o.busy.opened, data.busyOpen);
            compare(o.busyBar.title, data.reason);
        } else {
            $app.progressInfo = data.info;
            $app.progressValue = 25;
            if (data.progressOpen)
                tryCompare(o.progress, "opened", true);
            compare(o.progress.opened, data.progressOpen);
            compare(o.progress.title, data.title);
            compare(o.progress.from, data.from);
            compare(o.progress.to, data.to);
        }
    }

    // Whatever the backend is given, the badge reads a whole percent from 0 to
    // 100 and the fill and the badge stay on the track.
    function test_saneDisplay_data() {
        return [
            { tag: "value NaN", from: 0, to: 100, value: NaN, text: "0 %", fill: 0 },
            { tag: "value +Infinity", from: 0, to: 100, value: Infinity, text: "100 %", fill: 696 },
            { tag: "empty range", from: 50, to: 50, value: 50, text: "0 %", fill: 0 },
            { tag: "reversed range", from: 10, to: 0, value: 2.5, text: "75 %", fill: 522 },
            { tag: "range NaN", from: NaN, to: NaN, value: 3, text: "0 %", fill: 0 }
        ];
    }

    function test_saneDisplay(data) {
        var o = overlays(createWindow());
        $app.progressInfo = { "visible": true, "from": data.from, "to": data.to, "title": "Odd" };
        $app.progressValue = data.value;
        tryCompare(o.progress, "opened", true);
        var bar = o.progressBar;
        compare(badgeText(bar), data.text);
        var fill = findChild(bar, "indicatorBack");
        compare(fill.height, data.fill);
        var badge = findChild(bar, "valueLabel");
        var control = findChild(bar, "progressBarControl");
        compare(badge.x + badge.width / 2, control.x + control.margins + data.fill);
    }

    // The bar clamps what it is given; the value must still follow the backend
    // when it was written before the range it belongs to.
    function test_valueBeforeRange() {
        var o = overlays(createWindow());
        $app.progressInfo = { "visible": true, "from": 0, "to": 10, "title": "Exporting" };
        $app.progressValue = 50;
        compare(badgeText(o.progressBar), "100 %");
        $app.progressInfo = { "visible": true, "from": 0, "to": 200, "title": "Exporting" };
        compare(badgeText(o.progressBar), "25 %");
        $app.progressInfo = { "visible": true, "from": 40, "to": 60, "title": "Exporting" };
        compare(badgeText(o.progressBar), "50 %");
    }

    function findByName(item, name) {
        if (item.objectName === name)
            return item;
        for (var i = 0; i < item.children.length; ++i) {
            var found = findByName(item.children[i], name);
            if (found)
                return found;
        }
        return null;
    }

    // Once converged the backdrop is drawn from its cache, and that looks
    // exactly like the blur drawn afresh.
    function test_settledBackdropIsCachedUnchanged() {
        var window = createWindow();
        var background = addProbe(window);
        createTemporaryQmlObject("import QtQuick 2.9; Rectangle { x: 500; y: 300; width: 3; height: 300; color: 'red' }", background);
        waitForRendering(window.contentItem);
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "" };
        var blur = null;
        tryVerify(function() {
            blur = findByName(window.contentItem.parent, "backdropBlur");
            return blur !== null && blur.progress >= 1;
        }, 10000, "the backdrop's blur converges");
        verify(blur.cached);
        var probes = [[103, 200], [97, 200], [200, 200], [300, 100], [501, 450], [508, 450], [496, 305], [700, 700]];
        function sample() {
            TestSupport.grab(background);
            return probes.map(function(p) { return TestSupport.pixel(background, p[0], p[1]); });
        }
        var cached = sample();
        blur.cached = false;
        tryVerify(function() {
            var live = sample();
            for (var i = 0; i < probes.length; ++i) {
                if (!TestSupport.near(live[i], cached[i], 1))
                    return false;
            }
            return true;
        }, 3000, "the cached backdrop matches the live blur");
        verify(edgeIsBlurred(background));
    }

    // Closed by the popup itself (its close policy), an overlay stays closed
    // until the backend next announces a change, which opens it again.
    function test_reopensAfterOwnClose() {
        var o = overlays(createWindow());
        $app.busy = { "status": true, "reason": "Scanning" };
        tryCompare(o.busy, "opened", true);
        o.busy.close();
        tryCompare(o.busy, "opened", false);
        compare(busyCycle(o).running, false);
        $app.busy = { "status": true, "reason": "Still scanning" };
        tryCompare(o.busy, "opened", true);
        compare(o.busyBar.title, "Still scanning");
    }

    // Each overlay opens and closes on its own value only.
    function test_independent() {
        var o = overlays(createWindow());
        $app.busy = { "status": true, "reason": "Busy" };
        $app.progressInfo = { "visible": true, "from": 0, "to": 100, "title": "Progress" };
        tryCompare(o.busy, "opened", true);
        tryCompare(o.progress, "opened", true);
        $app.busy = { "status": false, "reason": "" };
        tryCompare(o.busy, "opened", false);
        compare(o.progress.opened, true);
        compare(busyCycle(o).running, false);
    }
}
