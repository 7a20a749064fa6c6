import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

// Not a test: saves screenshots of the busy and progress overlays for
// docs/screenshots/ (see tools/view-screenshots.sh).
TestCase {
    id: testCase
    name: "OverlayScreenshots"
    when: windowShown

    Component {
        id: mainViewComponent
        MainView {}
    }

    function shoot(window, file) {
        // The backdrop settles in the frame the overlay opens in; the wait
        // lets the overlay's own animation get going.
        wait(1500);
        verify(TestSupport.grab(window.contentItem));
        verify(TestSupport.save("docs/screenshots/" + file));
    }

    function test_overlays() {
        var window = createTemporaryObject(mainViewComponent, testCase);
        tryCompare(window, "visible", true);
        $app.busy = { "status": true, "reason": "Connecting to Corvex-A1" };
        shoot(window, "busy.png");
        $app.busy = { "status": false, "reason": "" };
        $app.progressInfo = { "visible": true, "title": "Calibrating", "from": 0, "to": 100 };
        $app.progressValue = 42.7;
        shoot(window, "progress.png");
    }
}
