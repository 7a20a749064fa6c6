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

    // Both captions end in the required mark, rich text drawn as a star in the
    // accent colour; the rating offers five stars.
    function test_panel() {
        var panel = createTemporaryObject(panelComponent, testCase);
        waitForRendering(panel);
        var column = panel.children[0];
        verify(TestSupport.grab(panel));
        [column.children[0], column.children[2]].forEach(function(caption) {
            var found = false;
            for (var x = caption.contentWidth - 12; x < caption.contentWidth && !found; ++x) {
                for (var y = 0; y < caption.height && !found; ++y)
                    found = TestSupport.near(TestSupport.pixel(caption, x, y), "#2e91ed", 40);
            }
            verify(found, "a blue star ends " + caption.text);
        });
        compare(findChild(panel, "rating").count, 5);
    }
}
