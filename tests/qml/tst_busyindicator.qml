import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "ZelkBusyIndicator"
    when: windowShown
    visible: true
    width: 200
    height: 200

    Rectangle { anchors.fill: parent; color: "black" }
    Component { id: indicatorComponent; ZelkBusyIndicator {} }

    // Dots on a ring round an empty centre; stopped, the ring holds still and
    // is brought back to full opacity to look at it.
    function test_dotsAreDrawn() {
        var spinner = findChild(createTemporaryObject(indicatorComponent, testCase, { running: false }), "spinner");
        spinner.opacity = 1;
        tryCompare(spinner, "opacity", 1);
        verify(TestSupport.grab(spinner));
        var pixels = [[32, 5], [55, 18], [32, 59], [32, 32]].map(function(p) { return TestSupport.pixel(spinner, p[0], p[1]); });
        verify(pixels.slice(0, 3).every(function(c) { return TestSupport.near(c, "#2e91ed", 24); }) && TestSupport.near(pixels[3], "black", 8), pixels);
    }

    // It fades rather than vanishing, and turns only while running and shown.
    function test_fadeAndTurn() {
        var holder = createTemporaryQmlObject("import QtQuick 2.9; Item {}", testCase);
        var indicator = createTemporaryObject(indicatorComponent, holder);
        var spinner = findChild(indicator, "spinner"), rotation = findChild(indicator, "rotation");
        indicator.running = false;
        compare([rotation.running, spinner.opacity > 0], [false, true]);
        tryCompare(spinner, "opacity", 0);
        indicator.running = true;
        verify(rotation.running);
        tryCompare(spinner, "opacity", 1);
        holder.visible = false;
        verify(!rotation.running);
    }
}
