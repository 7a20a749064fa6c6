import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "Rating"
    when: windowShown
    visible: true
    width: 400
    height: 100

    Component {
        id: ratingComponent
        ZelkRating {
            width: 400
            levels: 5
        }
    }

    function createRating() {
        var rating = createTemporaryObject(ratingComponent, testCase);
        verify(rating);
        tryCompare(rating, "count", 5);
        waitForRendering(rating);
        return rating;
    }

    // Star i as the user sees it: true for the full image.
    function fullStars(rating) {
        var shown = [];
        for (var i = 0; i < rating.count; ++i)
            shown.push(String(rating.itemAtIndex(i).children[0].source) === String(rating.fullImage));
        return shown;
    }

    function starCentre(rating, i) {
        return { x: rating.imageWidth * i + rating.imageWidth / 2, y: rating.imageHeight / 2 };
    }

    function test_defaults() {
        var rating = createRating();
        compare(String(rating.fullImage), "qrc:/images/StarBlue.svg");
        compare(String(rating.emptyImage), "qrc:/images/StarWhite.svg");
        compare(rating.height, 50);
        compare(rating.currentRate, -1);
        compare(rating.currentHighlightedIndex, -1);
        compare(fullStars(rating), [false, false, false, false, false]);
        // The stars start at the left edge and touch; the extra width stays empty.
        for (var i = 0; i < 5; ++i)
            compare(rating.itemAtIndex(i).x, 50 * i);
        compare(rating.itemAtIndex(0).children[0].status, Image.Ready);
        compare(rating.itemAtIndex(0).children[0].sourceSize, Qt.size(50, 50));
    }

    // Each row: pointer moves (star index, or -1 for outside) and clicks, then
    // what the stars and the two indices show.
    function test_pointer_data() {
        return [
            { tag: "hover previews", steps: ["h2"], rate: -1, hover: 2,
              full: [true, true, true, false, false] },
            { tag: "click rates", steps: ["c2"], rate: 2, hover: 2,
              full: [true, true, true, false, false] },
            { tag: "leaving keeps the rating", steps: ["c2", "out"], rate: 2, hover: -1,
              full: [true, true, true, false, false] },
            { tag: "leaving without a click empties", steps: ["h3", "out"], rate: -1, hover: -1,
              full: [false, false, false, false, false] },
            { tag: "hovering below the rating keeps it", steps: ["c2", "out", "h0"], rate: 2, hover: 0,
              full: [true, true, true, false, false] },
            { tag: "hovering above the rating previews more", steps: ["c1", "h4"], rate: 1, hover: 4,
              full: [true, true, true, true, true] },
            { tag: "lower click lowers", steps: ["c3", "c1", "out"], rate: 1, hover: -1,
              full: [true, true, false, false, false] },
            { tag: "straight to the right neighbour", steps: ["h1", "h2"], rate: -1, hover: 2,
              full: [true, true, true, false, false] },
            { tag: "straight to the left neighbour", steps: ["h3", "h2"], rate: -1, hover: 2,
              full: [true, true, true, false, false] }
        ];
    }

    function test_pointer(data) {
        var rating = createRating();
        mouseMove(rating, 390, 25); // beyond the stars: nothing hovered
        for (var s = 0; s < data.steps.length; ++s) {
            var step = data.steps[s];
            if (step === "out") {
                mouseMove(rating, 390, 25);
                continue;
            }
            var p = starCentre(rating, Number(step.substring(1)));
            mouseMove(rating, p.x, p.y);
            if (step[0] === "c")
                mouseClick(rating, p.x, p.y);
        }
        compare(rating.currentRate, data.rate);
        compare(rating.currentHighlightedIndex, data.hover);
        compare(fullStars(rating), data.full);
    }

    function test_resetByUser() {
        var rating = createRating();
        var p = starCentre(rating, 3);
        mouseMove(rating, p.x, p.y);
        mouseClick(rating, p.x, p.y);
        mouseMove(rating, 390, 25);
        compare(rating.currentRate, 3);
        rating.currentRate = -1;
        compare(fullStars(rating), [false, false, false, false, false]);
    }
}
