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

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Component {
        id: indicatorComponent
        ZelkBusyIndicator {}
    }

    function createIndicator(properties) {
        var indicator = createTemporaryObject(indicatorComponent, testCase, properties || {});
        verify(indicator);
        return indicator;
    }

    function dots(spinner) {
        var list = [];
        for (var i = 0; i < spinner.children.length; ++i) {
            if (spinner.children[i].radius !== undefined)
                list.push(spinner.children[i]);
        }
        return list;
    }

    // Six equal dots on a circle of radius 27 round the spinner's centre, the
    // first at the top, then every 60 degrees clockwise.
    function test_ring() {
        var indicator = createIndicator();
        var spinner = findChild(indicator, "spinner");
        compare(spinner.width, 64);
        compare(spinner.x + spinner.width / 2, indicator.contentItem.width / 2);
        var ring = dots(spinner);
        compare(ring.length, 6);
        for (var i = 0; i < ring.length; ++i) {
            var centre = ring[i].mapToItem(spinner, 5, 5);
            var angle = i * Math.PI / 3;
            fuzzyCompare(centre.x, 32 + 27 * Math.sin(angle), 1e-3, "x of dot " + i);
            fuzzyCompare(centre.y, 32 - 27 * Math.cos(angle), 1e-3, "y of dot " + i);
            compare(ring[i].width, 10);
            compare(ring[i].color, "#2e91ed");
        }
    }

    function test_dotsAreDrawn() {
        var indicator = createIndicator({ running: false });
        var spinner = findChild(indicator, "spinner");
        // Stopped, so the ring holds still; brought back to full opacity to look at it.
        spinner.opacity = 1;
        tryCompare(spinner, "opacity", 1);
        verify(TestSupport.grab(indicator));
        verify(TestSupport.near(TestSupport.pixel(spinner, 32, 5), "#2e91ed", 24), TestSupport.pixel(spinner, 32, 5));
        verify(TestSupport.near(TestSupport.pixel(spinner, 32, 59), "#2e91ed", 24), TestSupport.pixel(spinner, 32, 59));
        verify(TestSupport.near(TestSupport.pixel(spinner, 32, 32), "black", 8), "the centre is empty");
    }

    function test_fadeAndTurn() {
        var indicator = createIndicator();
        var spinner = findChild(indicator, "spinner");
        var rotation = findChild(indicator, "rotation");
        compare(spinner.opacity, 1);
        verify(rotation.running);

        indicator.running = false;
        verify(!rotation.running);
        // Fading, not vanishing at once.
        verify(spinner.opacity > 0);
        tryCompare(spinner, "opacity", 0);

        indicator.running = true;
        verify(rotation.running);
        verify(spinner.opacity < 1);
        tryCompare(spinner, "opacity", 1);
    }

    function test_hiddenDoesNotTurn() {
        var holder = createTemporaryQmlObject("import QtQuick 2.9; Item {}", testCase);
        var indicator = createTemporaryObject(indicatorComponent, holder);
        var rotation = findChild(indicator, "rotation");
        verify(rotation.running);
        indicator.visible = false;
        verify(!rotation.running);
        indicator.visible = true;
        verify(rotation.running);
        holder.visible = false;
        verify(!rotation.running);

        var hiddenAtStart = createIndicator({ visible: false });
        verify(!findChild(hiddenAtStart, "rotation").running);
    }
}
