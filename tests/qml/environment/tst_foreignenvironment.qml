import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// Run with a right-to-left locale and another Qt Quick Controls style named by
// the environment (tests/CMakeLists.txt): the window looks as it does anywhere.
TestCase {
    id: testCase
    name: "ForeignEnvironment"
    when: windowShown

    Component { id: mainViewComponent; MainView {} }

    function cleanup() {
        $app.progressInfo = { "visible": false, "title": "", "from": 0, "to": 100 };
        $app.progressValue = 0;
    }

    function initTestCase() {
        compare(Qt.locale().textDirection, Qt.RightToLeft, "the locale of the run, " + Qt.locale().name);
        compare(TestSupport.environment("QT_QUICK_CONTROLS_STYLE"), "Material");
    }

    function createWindow() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        waitForRendering(window.contentItem);
        return window;
    }

    // Controls keep what the Default style gives them: no capitals, its paddings.
    function test_defaultStyle() {
        var next = findChild(createWindow().contentItem, "selectNextButton");
        compare(next.font.capitalization, Font.MixedCase);
        compare([next.topPadding, next.leftPadding, next.rightPadding, next.bottomPadding], [6, 8, 8, 6]);
    }

    // A progress at 25 % fills the left quarter of the track, badge at its end.
    function test_progressFillsFromTheLeft() {
        var window = createWindow();
        var bar = findChild(findChild(window.contentItem, "progressView").contentItem, "progressProgressBar");
        var control = findChild(bar, "progressBarControl"), badge = findChild(bar, "valueLabel");
        $app.progressInfo = { "visible": true, "title": "Scanning", "from": 0, "to": 100 };
        $app.progressValue = 25;
        var track = bar.backRectWidth, left = control.x + control.margins, middle = control.y + control.margins + bar.backRectHeight / 2;
        tryVerify(function() { return findChild(window.contentItem, "progressView").opened; });
        fuzzyCompare(badge.x + badge.width / 2, left + track / 4, 1e-3);
        tryVerify(function() {
            TestSupport.grab(bar);
            var filled = TestSupport.average(bar, left + track * 0.05, middle - 2, track * 0.15, 4);
            var empty = TestSupport.average(bar, left + track * 0.4, middle - 2, track * 0.55, 4);
            return filled.b - filled.r > 0.3 && empty.b < 0.25;
        }, 5000, "blue over the left quarter, dark beyond");
    }
}
