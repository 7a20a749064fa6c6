import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Window 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/calloutPaths.js" as CalloutPaths
import "qrc:/ZelkDesign/private/keyNavigation.js" as Nav
import "qrc:/ZelkDesign/private/outlinePaths.js" as OutlinePaths

// Right to left. Each control with a left and a right side is made twice,
// plain and under LayoutMirroring, and the mirrored one must be the plain
// one turned left to right. Texts and pictures are moved by a mirrored
// layout but never turned, so they are left out of the pixel comparison and
// checked by where they stand instead. Light and shadows keep their side.
TestCase {
    id: testCase
    name: "Mirroring"
    when: windowShown
    visible: true
    width: 1240
    height: 1000

    // Around each control in its box: room for what it draws outside itself.
    readonly property real side: 130
    property real rim: 30

    Rectangle { anchors.fill: parent; color: "#101010" }

    // Two boxes of one size holding the control at the same place, so the
    // mirrored box is the plain one's mirror image wherever the control is
    // right; side by side where they fit.
    Component {
        id: pairComponent

        Flow {
            readonly property alias plainBox: plainBox
            readonly property alias mirroredBox: mirroredBox
            property bool mirroring: true

            width: testCase.width
            spacing: 10

            Item { id: plainBox }
            Item {
                id: mirroredBox
                LayoutMirroring.enabled: parent.mirroring
                LayoutMirroring.childrenInherit: true
            }
        }
    }

    // A mirrored parent for the tests that need only the mirrored control.
    Component {
        id: mirroredHost

        Item {
            x: 100
            y: 100
            width: 900
            height: 300
            LayoutMirroring.enabled: true
            LayoutMirroring.childrenInherit: true
        }
    }

    Component { id: dialog; ZelkDialog { x: 40; y: 40 } }

    ListModel { id: arrowModel
        ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" }
        ListElement { buttonLabel: "Turntable"; buttonName: "turntable" }
    }
    ListModel { id: stepModel
        ListElement { name: "Prepare"; info: "Done" }
        ListElement { name: "Scan"; info: "" }
        ListElement { name: "Align"; info: "" }
    }
    ListModel { id: tileModel
        ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "Small grain" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "Large grain" }
        ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "Slow" }
    }

    Component { id: tabBar; ZelkTabBar { width: 600; tabs: ["One", "Two", "Three"] } }
    Component { id: rating; ZelkRating { width: 300; levels: 5; currentRate: 1 } }
    Component { id: progressBar; ZelkProgressBar { value: 0.3 } }
    Component { id: hSlider; ZelkHSlider { value: 0.3; gaugeValueVisible: true } }
    Component { id: pureSlider; ZelkHPureSlider { width: 300; value: 0.3 } }
    Component { id: vSlider; ZelkVSlider { value: 1.0 } }
    Component { id: comboBox; ZelkChooseComboBox {} }
    Component { id: hCombo; ZelkHComboBox { model: tileModel; currentIndex: 0 } }
    Component { id: vCombo; ZelkVComboBox { width: 300; currentIndex: 0 } }
    // Whole widths: the text alone would put the mirrored parts between pixels.
    Component { id: checkBox; ZelkCheckBox { text: "Box"; checked: true; width: 90 } }
    Component { id: radioButton; ZelkRadioButton { text: "Radio"; checked: true } }
    Component { id: zelkSwitch; ZelkSwitch { text: "Switch" } }
    Component { id: bigSwitch; ZelkBigSwitch { text: "Big"; width: 200 } }
    Component { id: arrowNotation; ZelkArrowNotation {} }
    Component { id: rectNotation; ZelkRectNotation { iconSource: "qrc:/images/24x24_Attention.png" } }
    Component { id: notation; ZelkNotation { width: 500; content: "Keep the lens clean." } }
    Component { id: arrowGroup; ZelkArrowButtonGroup { model: arrowModel; buttonWidth: 160 } }
    Component { id: stepBar; ZelkStepBar { width: 800; margins: 100; model: stepModel; currentStep: 1 } }
    Component { id: toolBar; ZelkToolBar { showLabels: true; model: [entry("scan", true), entry("align", true)] } }
    Component { id: panel; ZelkExpandableToolPanel { icon: "qrc:/images/cross.png" } }
    Component { id: iconTextButton; ZelkIconTextButton { text: "Export"; activeIcon: "qrc:/images/cross.png" } }
    Component { id: fileSelector; ZelkFileSelector { width: 600; filePath: "/home/user/scan.ply" } }
    Component {
        id: choosePage
        ZelkChoosePage {
            width: 900
            height: 450
            model: [{ icon: "qrc:/images/scan_mode_fixed.png", buttonText: "Fixed", buttonName: "fixed", buttonEnabled: true },
                    { icon: "qrc:/images/scan_mode_handheld.png", buttonText: "Handheld", buttonName: "handheld", buttonEnabled: false }]
        }
    }

    function entry(name, active) {
        return { buttonName: name, label: name, active: active, normalImageSource: "qrc:/images/cross.png",
                 activeImageSource: "qrc:/images/StarBlue.svg", inactiveImageSource: "qrc:/images/cross.png" };
    }

    // Makes the control in both boxes, each sized to it with room around.
    function makePair(make, props, mirroring) {
        // Made before the pair, so they are destroyed first, while they still have their boxes.
        var plain = createTemporaryObject(make, testCase, props || {});
        var mirrored = createTemporaryObject(make, testCase, props || {});
        var pair = createTemporaryObject(pairComponent, testCase, { mirroring: mirroring });
        [[plain, pair.plainBox], [mirrored, pair.mirroredBox]].forEach(function(placed) {
            var control = placed[0], box = placed[1];
            control.parent = box;
            control.x = side;
            control.y = rim;
            box.width = control.width + 2 * side;
            box.height = control.height + 2 * rim;
        });
        return { pair: pair, plain: plain, mirrored: mirrored };
    }

    function makeMirrored(make, props) {
        // Made before its parent, so it is destroyed first, while it still has it.
        var control = createTemporaryObject(make, testCase, props || {});
        control.parent = createTemporaryObject(mirroredHost, testCase);
        return control;
    }

    // Where the glyphs of a text item lie, from its alignment, or a picture's frame.
    function glyphRect(item) {
        if (item.effectiveHorizontalAlignment === undefined)
            return Qt.rect(0, 0, item.width, item.height);
        var room = item.width - item.leftPadding - item.rightPadding - item.contentWidth;
        var x = item.effectiveHorizontalAlignment === Text.AlignRight ? item.leftPadding + room
              : item.effectiveHorizontalAlignment === Text.AlignHCenter ? item.leftPadding + room / 2 : item.leftPadding;
        var vroom = item.height - item.topPadding - item.bottomPadding - item.contentHeight;
        var y = item.verticalAlignment === Text.AlignBottom ? item.topPadding + vroom
              : item.verticalAlignment === Text.AlignVCenter ? item.topPadding + vroom / 2 : item.topPadding;
        return Qt.rect(x, y, item.contentWidth, item.contentHeight);
    }

    // The items that shown effects (glows, masks) draw from, hidden or not.
    function effectSources(item, found) {
        if (item.visible && item.opacity > 0 && item.source && item.source.children !== undefined)
            found.push(item.source);
        for (var i = 0; i < item.children.length; ++i)
            effectSources(item.children[i], found);
        return found;
    }

    // Every shown text and picture under the item, in tree order, as
    // rectangles of the box: `rect` where it draws, `place` what a mirrored
    // layout must turn. An editable text keeps the alignment of its own
    // writing, so for it that is the room it has, not where its glyphs stand.
    // What an effect draws from counts as shown, though hidden itself.
    function glyphs(item, box, found, sources, drawn) {
        sources = sources || effectSources(item, []);
        drawn = drawn || sources.indexOf(item) >= 0;
        var isText = item.effectiveHorizontalAlignment !== undefined && item.contentWidth !== undefined;
        var isPicture = item.sourceSize !== undefined && item.fillMode !== undefined;
        var shown = (item.visible || drawn) && item.opacity > 0;
        if (shown && ((isText && item.text !== "") || (isPicture && item.status === Image.Ready))) {
            var r = glyphRect(item);
            var p = item.mapToItem(box, r.x, r.y);
            var rect = Qt.rect(p.x, p.y, r.width, r.height);
            var place = rect;
            if (item.cursorPosition !== undefined) {
                var room = item.mapToItem(box, item.leftPadding, r.y);
                place = Qt.rect(room.x, room.y, item.width - item.leftPadding - item.rightPadding, r.height);
            }
            found.push({ item: item, rect: rect, place: place });
        }
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            glyphs(child, box, found, sources, drawn || sources.indexOf(child) >= 0);
        }
        return found;
    }

    function flipped(rect, box) {
        return Qt.rect(box.width - rect.x - rect.width, rect.y, rect.width, rect.height);
    }

    function grown(rect, by) {
        return Qt.rect(rect.x - by, rect.y - by, rect.width + 2 * by, rect.height + 2 * by);
    }

    // The controls are made plain and then moved under the mirroring, as a
    // change of language at run time does. make, props: the control;
    // tolerance: the largest difference left to light and shadow, which keep
    // their side; marks: drawn glyphs that are not turned either (the check
    // mark), as rectangles of the control; rim: room above and below;
    // settled: [objectName, property, value] of a part that ends an opening
    // animation; late: mirrored only once shown, so drawings made before must follow.
    function test_mirroredLooksTurned_data() {
        return [
            { tag: "tab bar", make: tabBar },
            { tag: "rating", make: rating },
            { tag: "progress bar", make: progressBar },
            { tag: "progress bar, mirrored once shown", make: progressBar, late: true },
            { tag: "slider with gauge", make: hSlider },
            { tag: "bare slider", make: pureSlider },
            { tag: "vertical slider", make: vSlider },
            { tag: "drop-down list", make: comboBox },
            { tag: "drop-down list, mirrored once shown", make: comboBox, late: true },
            { tag: "horizontal picture selector", make: hCombo },
            { tag: "vertical picture selector, wider than its tiles", make: vCombo },
            { tag: "check box", make: checkBox, marks: [Qt.rect(3, 15, 18, 14)] },
            { tag: "radio button", make: radioButton },
            { tag: "switch off", make: zelkSwitch },
            // The shadow falls from the left on the blue fill either way.
            { tag: "switch on", make: zelkSwitch, props: { checked: true }, tolerance: 64 },
            { tag: "big switch on", make: bigSwitch, props: { checked: true } },
            { tag: "callout", make: arrowNotation },
            { tag: "callout pointing right", make: arrowNotation, props: { backgroundRotation: 180 } },
            { tag: "callout turned a quarter", make: arrowNotation, props: { backgroundRotation: 90 }, rim: 110 },
            { tag: "callout, mirrored once shown", make: arrowNotation, late: true },
            { tag: "callout with a message", make: arrowNotation, props: { iconVisible: false, notation: "Hold still" } },
            { tag: "boxed notation", make: rectNotation },
            { tag: "note line", make: notation },
            { tag: "arrow button group", make: arrowGroup, props: { currentIndex: 0 } },
            { tag: "step bar", make: stepBar },
            { tag: "tool bar with labels", make: toolBar },
            { tag: "panel collapsed", make: panel },
            { tag: "panel expanded", make: panel, props: { expanded: true }, settled: ["contentArea", "opacity", 1] },
            { tag: "panel expanded, mirrored once shown", make: panel, props: { expanded: true }, settled: ["contentArea", "opacity", 1], late: true },
            { tag: "icon text button", make: iconTextButton },
            { tag: "file selector", make: fileSelector },
            { tag: "choose page", make: choosePage, rim: 20 }
        ];
    }

    function test_mirroredLooksTurned(data) {
        rim = data.rim || 30;
        var made = makePair(data.make, data.props, !data.late);
        var plainBox = made.pair.plainBox, mirroredBox = made.pair.mirroredBox;
        if (data.late) {
            waitForRendering(made.pair);
            made.pair.mirroring = true;
        }
        if (data.settled) {
            [made.plain, made.mirrored].forEach(function(control) {
                tryCompare(findChild(control, data.settled[0]), data.settled[1], data.settled[2]);
            });
        }
        waitForRendering(made.pair);

        // The same texts and pictures in the same order, each where the turned layout puts it.
        var plainGlyphs = glyphs(made.plain, plainBox, []);
        var mirroredGlyphs = glyphs(made.mirrored, mirroredBox, []);
        compare(mirroredGlyphs.length, plainGlyphs.length, "as many texts and pictures");
        // Within 4 px: Qt's own text fields pad their left 4 px more than their right, mirrored or not.
        var skip = [];
        for (var i = 0; i < plainGlyphs.length; ++i) {
            var expected = plainGlyphs[i].place;
            var turned = flipped(mirroredGlyphs[i].place, mirroredBox);
            var what = (plainGlyphs[i].item.text || plainGlyphs[i].item.source) + " at " + turned + " instead of " + expected;
            verify(Math.abs(turned.x - expected.x) <= 4 && Math.abs(turned.width - expected.width) <= 4
                   && Math.abs(turned.y - expected.y) <= 1, what);
            // With room for the glow some of them wear.
            skip.push(grown(plainGlyphs[i].rect, 10), grown(flipped(mirroredGlyphs[i].rect, mirroredBox), 10));
        }
        (data.marks || []).forEach(function(r) {
            var inBox = Qt.rect(r.x + side, r.y + rim, r.width, r.height);
            skip.push(inBox, flipped(inBox, plainBox));
        });

        var tolerance = data.tolerance || 40;
        var result = { get difference() {
            TestSupport.grab(plainBox);
            // Within a pixel to either side: the gauge's ticks stand on half pixels.
            var d = TestSupport.mirrorDifference(plainBox, mirroredBox, skip, 1);
            return d.largest >= 0 && d.largest <= tolerance ? "" : d.largest + " at (" + (d.x - side) + ", " + (d.y - rim) + ") of the control";
        } };
        tryCompare(result, "difference", "", 3000);
    }

    // Made in a mirrored parent; the pointer acts at `at` in the control, and
    // the entry under it must be the one chosen and the one lit: `property`
    // reads `expected`, and the pixel at `at` + `lit` is near its colour.
    // Highlights start on the middle entry, under the pointer neither way.
    function test_pointerTakesWhatItPoints_data() {
        return [
            { tag: "tab bar, leftmost tab", make: tabBar, props: { currentIndex: 1 }, action: "click", at: [100, 27],
              property: "currentIndex", expected: 2,
              lit: [[-99, 0, ZelkDesign.themeColor]] },
            { tag: "tab bar, rightmost tab", make: tabBar, props: { currentIndex: 1 }, action: "click", at: [500, 27],
              property: "currentIndex", expected: 0, lit: [[99, 0, ZelkDesign.themeColor]] },
            // Stars fill from the right: the leftmost of five is the fifth.
            { tag: "rating, hover the leftmost star", make: rating, props: { currentRate: -1 }, action: "hover", at: [75, 25],
              property: "currentHighlightedIndex", expected: 4 },
            { tag: "rating, click the rightmost star", make: rating, props: { currentRate: -1 }, action: "click", at: [275, 25],
              property: "currentRate", expected: 0 },
            { tag: "arrow button group, leftmost button", make: arrowGroup, props: { currentIndex: 1 }, action: "click", at: [80, 44],
              property: "currentIndex", expected: 2, lit: [[-79, 0, ZelkDesign.themeColor]] },
            { tag: "picture selector, leftmost tile", make: hCombo, props: { currentIndex: 1 }, action: "click", at: [113, 113],
              property: "currentIndex", expected: 2 }
        ];
    }

    function test_pointerTakesWhatItPoints(data) {
        var control = makeMirrored(data.make, data.props);
        waitForRendering(control);
        mouseMove(control, data.at[0], data.at[1]);
        if (data.action === "click")
            mouseClick(control, data.at[0], data.at[1]);
        tryCompare(control, data.property, data.expected);
        (data.lit || []).forEach(function(probe) {
            tryVerify(function() {
                TestSupport.grab(control);
                return TestSupport.near(TestSupport.pixel(control, data.at[0] + probe[0], data.at[1] + probe[1]), probe[2], 16);
            }, 3000, "lit under the pointer at " + (data.at[0] + probe[0]));
        });
    }

    // In a mirrored row Left goes to the entry on the left, the next one;
    // Right back to the previous one. focus: the entry given the focus.
    function test_arrowsFollowWhatTheySee_data() {
        return [
            { tag: "tab bar, Left", make: tabBar, props: { currentIndex: 1 }, focus: "tab1", key: Qt.Key_Left, property: "currentIndex", expected: 2 },
            { tag: "tab bar, Right", make: tabBar, props: { currentIndex: 1 }, focus: "tab1", key: Qt.Key_Right, property: "currentIndex", expected: 0 },
            { tag: "rating, Left", make: rating, props: { currentRate: 1 }, focus: "star1", key: Qt.Key_Left, property: "currentHighlightedIndex", expected: 2 },
            { tag: "arrow button group, Left", make: arrowGroup, props: { currentIndex: 0 }, focus: "buttonArea0", key: Qt.Key_Left, property: "currentIndex", expected: 1 },
            { tag: "picture selector, Right", make: hCombo, props: { currentIndex: 1 }, focus: "tile1", key: Qt.Key_Right, property: "currentIndex", expected: 0 },
            { tag: "slider, Left", make: hSlider, props: { value: 0.5 }, focus: "slider", key: Qt.Key_Left, property: "value", expected: 0.6 },
            { tag: "bare slider, Right", make: pureSlider, props: { value: 0.5 }, key: Qt.Key_Right, property: "value", expected: 0.4 }
        ];
    }

    function test_arrowsFollowWhatTheySee(data) {
        var control = makeMirrored(data.make, data.props);
        waitForRendering(control);
        (data.focus ? findChild(control, data.focus) : control).forceActiveFocus(Qt.TabFocusReason);
        keyClick(data.key);
        fuzzyCompare(control[data.property], data.expected, 1e-9);
    }

    // The handle, the end of the fill and the glowing tick of a mirrored
    // slider stand together, and Left moves all three to the left.
    function test_sliderPartsAgree() {
        var control = makeMirrored(hSlider, { value: 0.5 });
        var slider = findChild(control, "slider");
        var handleAt = function() {
            return slider.handle.mapToItem(control, slider.handle.width / 2, 0).x;
        };
        var before = handleAt();
        slider.forceActiveFocus(Qt.TabFocusReason);
        keyClick(Qt.Key_Left);
        verify(handleAt() < before, "the handle went left");
        var tick = findChild(control, "currentTick");
        compare(tick.tickIndex, 6, "the tick of 0.6 is the current one");
        fuzzyCompare(tick.mapToItem(control, tick.width / 2, 0).x, handleAt(), 1);
        // The fill runs from the handle to the right end of the groove.
        var groove = slider.background;
        var centre = handleAt();
        tryVerify(function() {
            TestSupport.grab(control);
            var y = groove.mapToItem(control, 0, groove.height / 2).y;
            return TestSupport.near(TestSupport.pixel(control, centre + 20, y), "#2e91ed", 90)
                && !TestSupport.near(TestSupport.pixel(control, centre - 20, y), "#2e91ed", 90);
        }, 3000, "the fill on the right of the handle, the empty groove on its left");
    }

    // The outlines turned by their mirroring input: the same points, x taken from the right.
    function test_mirroredOutlines_data() {
        return [
            { tag: "callout", plain: CalloutPaths.callout(330, 134, 10, 25), mirrored: CalloutPaths.callout(330, 134, 10, 25, true), width: 330 },
            { tag: "back chevron", plain: OutlinePaths.chevronLeft(25.6, 17.8, 4), mirrored: OutlinePaths.chevronLeft(25.6, 17.8, 4, true), width: 25.6 }
        ];
    }

    function test_mirroredOutlines(data) {
        var turned = data.plain.map(function(c) { return c.length < 3 ? c : [c[0], data.width - c[1], c[2]]; });
        compare(data.mirrored, turned);
    }

    function test_mirroredKeys_data() {
        return [
            { tag: "Left goes on", got: Nav.step(Qt.Key_Left, 1, 3, false, null, true), expected: 2 },
            { tag: "Right goes back", got: Nav.step(Qt.Key_Right, 1, 3, false, null, true), expected: 0 },
            { tag: "Home is still the first", got: Nav.step(Qt.Key_Home, 2, 3, false, null, true), expected: 0 },
            { tag: "a column is not turned", got: Nav.step(Qt.Key_Down, 1, 3, true, null, true), expected: 2 }
        ];
    }

    function test_mirroredKeys(data) {
        compare(data.got, data.expected);
    }

    // A dialog in a mirrored window: its close button at the top left corner.
    function test_dialogInMirroredWindow() {
        var content = testCase.Window.contentItem;
        content.LayoutMirroring.enabled = true;
        content.LayoutMirroring.childrenInherit = true;
        try {
            var popup = createTemporaryObject(dialog, testCase);
            popup.open();
            tryCompare(popup, "opened", true);
            var closeArea = findChild(popup, "closeArea");
            var corner = closeArea.mapToItem(popup.background, 0, 0);
            compare([corner.x, corner.y], [popup.boundaryMargins, popup.boundaryMargins]);
            mouseMove(closeArea, closeArea.width / 2, closeArea.height / 2);
            mouseClick(closeArea, closeArea.width / 2, closeArea.height / 2);
            tryCompare(popup, "visible", false);
        } finally {
            content.LayoutMirroring.enabled = false;
            content.LayoutMirroring.childrenInherit = false;
        }
    }
}
