import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "ChooseComboBox"
    when: windowShown
    visible: true
    width: 400
    height: 400

    Component {
        id: comboComponent
        ZelkChooseComboBox {
            x: 20
            y: 20
            hoverEnabled: true
        }
    }

    function sameColour(actual, expected) {
        verify(Qt.colorEqual(actual, expected), actual + " is not " + expected);
    }

    function createCombo(properties) {
        var combo = createTemporaryObject(comboComponent, testCase, properties || {});
        verify(combo);
        waitForRendering(combo);
        return combo;
    }

    // Rows are laid out when the window polishes, which a window hidden under
    // another test's window on a shared X server may not do in time.
    function openList(combo) {
        combo.popup.open();
        tryCompare(combo.popup, "opened", true);
        var list = combo.popup.contentItem;
        tryVerify(function() { list.forceLayout(); return list.count > 0 && list.itemAtIndex(list.count - 1) !== null; }, 10000,
                  "rows of the open list: " + list.count + ", list height " + list.height);
        return list;
    }

    function test_defaults() {
        var combo = createCombo();
        compare(combo.width, 200);
        compare(combo.height, 50);
        compare(combo.displayText, "First");
        compare(combo.contentItem.text, "First");
        var list = openList(combo);
        compare(list.count, 4);
        var texts = [];
        for (var i = 0; i < list.count; ++i)
            texts.push(list.itemAtIndex(i).contentItem.text);
        compare(texts, ["First", "Second", "Third", "Fourth"]);
        combo.popup.close();
        tryCompare(combo.popup, "visible", false);
        // A closed list holds no rows.
        compare(list.count, 0);
    }

    function test_popupPosition() {
        var combo = createCombo({ width: 260 });
        var list = openList(combo);
        compare(combo.popup.y, combo.height - 1);
        compare(combo.popup.x, 0);
        compare(combo.popup.width, 260);
        compare(list.width, 258);
        // All four rows fit: the padding is added to the list, not cut off it.
        compare(list.height, list.contentHeight);
        compare(combo.popup.height, list.contentHeight + 2);
        var row = list.itemAtIndex(0);
        compare(row.height, row.contentItem.implicitHeight + 24);
        compare(row.width, 260);
    }

    // Keyboard highlight and hover each light a row, independently: the
    // pointer rests on row `hover` (-1: outside), then Down is pressed `downs` times.
    function test_rowHighlight_data() {
        return [
            { tag: "keyboard only", hover: -1, downs: 2, lit: [false, false, true, false] },
            { tag: "hover only", hover: 1, downs: 0, lit: [false, true, false, false] },
            { tag: "both, different rows", hover: 0, downs: 3, lit: [true, false, false, true] }
        ];
    }

    function test_rowHighlight(data) {
        var combo = createCombo();
        combo.forceActiveFocus();
        var list = openList(combo);
        if (data.hover >= 0) {
            var row = list.itemAtIndex(data.hover);
            mouseMove(row, row.width / 2, row.height / 2);
        } else {
            mouseMove(testCase, 390, 390);
        }
        for (var d = 0; d < data.downs; ++d)
            keyClick(Qt.Key_Down);
        for (var i = 0; i < 4; ++i) {
            var delegate = list.itemAtIndex(i);
            compare(delegate.highlighted, data.lit[i], "row " + i);
            sameColour(delegate.contentItem.color, data.lit[i] ? "white" : "#9b9b9b");
            sameColour(delegate.background.color, data.lit[i] ? ZelkDesign.themeColor : "transparent");
        }
    }

    // The field's frame follows focus only; the drop button follows focus and hover.
    function test_frames_data() {
        return [
            { tag: "rest", focus: false, hover: false, field: "#484848", button: "#464748", buttonWidth: 2 },
            { tag: "hovered", focus: false, hover: true, field: "#484848", button: "#2e91ed", buttonWidth: 3 },
            { tag: "focused", focus: true, hover: false, field: "#2e91ed", button: "#2e91ed", buttonWidth: 3 }
        ];
    }

    function test_frames(data) {
        var combo = createCombo();
        if (data.focus)
            combo.forceActiveFocus();
        mouseMove(combo, data.hover ? 100 : 300, data.hover ? 25 : 300);
        compare(combo.hovered, data.hover);
        sameColour(combo.contentItem.background.frame.border.color, data.field);
        compare(combo.contentItem.background.frame.border.width, 2);
        sameColour(combo.indicator.border.color, data.button);
        compare(combo.indicator.border.width, data.buttonWidth);
        // The frame spans the whole box, under the drop button too.
        compare(combo.contentItem.background.width, combo.width);
        verify(TestSupport.grab(combo));
        verify(TestSupport.near(TestSupport.pixel(combo, 1, 25), data.field, 10), TestSupport.pixel(combo, 1, 25));
        verify(TestSupport.near(TestSupport.pixel(combo, 199, 25), data.button, 10), TestSupport.pixel(combo, 199, 25));
    }

    function test_geometry() {
        var combo = createCombo();
        compare(combo.indicator.x, 150);
        compare(combo.indicator.y, 0);
        compare(combo.indicator.width, 50);
        compare(combo.indicator.height, 50);
        compare(combo.contentItem.x, 0);
        compare(combo.contentItem.width, 150);
        compare(combo.contentItem.leftPadding, 15);
        compare(combo.contentItem.rightPadding, 50);
        verify(combo.indicator.z > combo.contentItem.z, "drop button above the field");
    }

    function test_disabledLook_data() {
        return [
            { tag: "enabled", enabled: true, text: "#9b9b9b", buttonOpacity: 1, glyph: "#c1c1c1", glyphOpacity: 1 },
            { tag: "disabled", enabled: false, text: "#3f3f3f", buttonOpacity: 0.3, glyph: "#585959", glyphOpacity: 0.3 }
        ];
    }

    function test_disabledLook(data) {
        var combo = createCombo({ enabled: data.enabled });
        var glyph = combo.indicator.children[0];
        sameColour(combo.contentItem.color, data.text);
        compare(combo.indicator.opacity, data.buttonOpacity);
        sameColour(glyph.color, data.glyph);
        compare(glyph.opacity, data.glyphOpacity);
        compare(glyph.text, ZelkDesign.fa.sortDown);
    }

    // Clicks on the text as well as on the drop button open the list.
    function test_choose_data() {
        return [ { tag: "drop button", x: 175 }, { tag: "text", x: 40 } ];
    }

    function test_choose(data) {
        var combo = createCombo({ model: ["Automotive", "Banking"] });
        mouseClick(combo, data.x, 25);
        tryCompare(combo.popup, "opened", true);
        var list = combo.popup.contentItem;
        tryVerify(function() { list.forceLayout(); return list.itemAtIndex(1) !== null; }, 10000,
                  "rows of the open list: " + list.count + ", list height " + list.height + ", popup " + combo.popup.height);
        mouseClick(list.itemAtIndex(1));
        tryCompare(combo.popup, "visible", false);
        compare(combo.currentIndex, 1);
        compare(combo.displayText, "Banking");
        compare(combo.contentItem.text, "Banking");
        // Typing cannot put a text into the box that matches no choice.
        keyClick(Qt.Key_X);
        compare(combo.contentItem.text, "Banking");
    }
}
