import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "Rating"
    when: windowShown
    visible: true
    width: 420
    height: 420

    Component { id: ratingComponent; ZelkRating { width: 400; levels: 5 } }
    Component { id: panelComponent; UserRateDialog {} }

    // Each row: pointer steps ("h2" hovers star 2, "c2" clicks it, "out" leaves
    // the stars), then the rate, the previewed star and how many stars show full.
    function test_pointer_data() {
        return [
            { tag: "leaving keeps the rating", steps: "c2 out", rate: 2, hover: -1, full: 3 },
            { tag: "leaving without a click empties", steps: "h3 out", rate: -1, hover: -1, full: 0 },
            { tag: "hovering below the rating keeps it", steps: "c2 out h0", rate: 2, hover: 0, full: 3 },
            { tag: "hovering above the rating previews more", steps: "c1 h4", rate: 1, hover: 4, full: 5 },
            // The star left must not clear the preview of the one entered.
            { tag: "straight to the right neighbour", steps: "h1 h2", rate: -1, hover: 2, full: 3 },
            { tag: "straight to the left neighbour", steps: "h3 h2", rate: -1, hover: 2, full: 3 }
        ];
    }

    function test_pointer(data) {
        var rating = createTemporaryObject(ratingComponent, testCase);
        verify(TestSupport.grab(rating), "drawn");
        data.steps.split(" ").forEach(function(step) {
            var x = step === "out" ? 390 : rating.imageWidth * (Number(step.substring(1)) + 0.5);
            mouseMove(rating, x, 25);
            if (step[0] === "c")
                mouseClick(rating, x, 25);
        });
        compare([rating.currentRate, rating.currentHighlightedIndex], [data.rate, data.hover]);
        for (var i = 0; i < rating.count; ++i) {
            // Each star found and drawn wherever the library is installed.
            var star = rating.itemAtIndex(i).children[0];
            compare([star.status, String(star.source)], [Image.Ready, String(i < data.full ? rating.fullImage : rating.emptyImage)], "star " + i);
        }
    }

    // The panel's captions both end in the required mark, rich text drawn as
    // a star in the accent colour; its rating offers five stars.
    function test_panel() {
        var panel = createTemporaryObject(panelComponent, testCase), column = panel.children[0];
        verify(TestSupport.grab(panel));
        [column.children[0], column.children[2]].forEach(function(caption) {
            verify(TestSupport.share(caption, caption.contentWidth - 12, 0, 12, caption.height, "#2e91ed", 40) > 0, "a blue star ends " + caption.text);
        });
        compare(findChild(panel, "rating").count, 5);
    }
}
