import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "RatePanel"
    when: windowShown
    visible: true
    width: 420
    height: 420

    Component { id: panelComponent; UserRateDialog {} }

    function test_requiredMark() {
        var panel = createTemporaryObject(panelComponent, testCase);
        waitForRendering(panel);
        // The required mark is rich text: a star in the accent colour ending the caption.
        var caption = panel.children[0].children[0];
        verify(TestSupport.grab(caption));
        var found = false;
        for (var x = caption.contentWidth - 12; x < caption.contentWidth && !found; ++x) {
            for (var y = 0; y < caption.height && !found; ++y)
                found = TestSupport.near(TestSupport.pixel(caption, x, y), "#2e91ed", 40);
        }
        verify(found, "a blue star ends the caption");
    }
}
