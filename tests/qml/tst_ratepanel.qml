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

    Component {
        id: panelComponent
        UserRateDialog {}
    }

    function test_panel() {
        var panel = createTemporaryObject(panelComponent, testCase);
        compare(panel.width, 400);
        compare(panel.height, 250);
        var combo = findChild(panel, "industryComboBox");
        var rating = findChild(panel, "rating");
        compare(combo.model, ["Automotive", "Agriculture", "Banking", "Computer Software", "Education", "Health"]);
        compare(combo.width, 340);
        compare(rating.count, 5);
        compare(rating.width, 340);
        waitForRendering(panel);

        // Pick an industry from the list.
        mouseClick(combo);
        tryCompare(combo.popup, "opened", true);
        var list = combo.popup.contentItem;
        tryVerify(function() { list.forceLayout(); return list.itemAtIndex(4) !== null; });
        mouseClick(list.itemAtIndex(4));
        tryCompare(combo.popup, "visible", false);
        compare(combo.displayText, "Education");

        // Preview by hovering, rate by clicking.
        mouseMove(rating, 175, 25);
        compare(rating.currentHighlightedIndex, 3);
        mouseClick(rating, 175, 25);
        compare(rating.currentRate, 3);
        mouseMove(panel, 5, 5);
        compare(rating.currentHighlightedIndex, -1);
        compare(rating.currentRate, 3);
    }

    function test_requiredMarks() {
        var panel = createTemporaryObject(panelComponent, testCase);
        waitForRendering(panel);
        var caption = panel.children[0].children[0];
        compare(caption.text, "Industry:<font color=\"#2e91ed\">*</font>");
        verify(TestSupport.grab(caption));
        // The star is drawn in the accent colour right after the caption.
        var found = false;
        for (var x = caption.contentWidth - 12; x < caption.contentWidth && !found; ++x) {
            for (var y = 0; y < caption.height && !found; ++y)
                found = TestSupport.near(TestSupport.pixel(caption, x, y), "#2e91ed", 40);
        }
        verify(found, "a blue star ends the caption");
    }
}
