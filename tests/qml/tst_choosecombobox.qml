import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "ChooseComboBox"
    when: windowShown
    visible: true
    width: 400
    height: 400

    Component { id: comboComponent; ZelkChooseComboBox { x: 20; y: 20; hoverEnabled: true } }

    // Rows are laid out when the window polishes, which a window hidden under
    // another test's window on a shared X server may not do in time.
    function rowsOf(combo) {
        tryCompare(combo.popup, "opened", true);
        var list = combo.popup.contentItem;
        tryVerify(function() { list.forceLayout(); return list.count > 0 && list.itemAtIndex(list.count - 1) !== null; }, 10000,
                  "rows of the open list: " + list.count + ", list height " + list.height);
        return list;
    }

    // Keyboard highlight and hover each light a row, independently; all rows
    // fit, the padding added to the list rather than cut off it.
    function test_openList() {
        var combo = createTemporaryObject(comboComponent, testCase);
        combo.forceActiveFocus();
        combo.popup.open();
        var list = rowsOf(combo);
        compare(list.height, list.contentHeight);
        var row = list.itemAtIndex(0);
        mouseMove(row, row.width / 2, row.height / 2);
        for (var d = 0; d < 3; ++d)
            keyClick(Qt.Key_Down);
        compare([0, 1, 2, 3].map(function(i) { return list.itemAtIndex(i).highlighted; }), [true, false, false, true]);
        combo.popup.close();
        tryCompare(combo.popup, "visible", false);
        compare(list.count, 0, "a closed list holds no rows");
    }

    // Clicks on the text as well as on the drop button open the list.
    function test_choose_data() {
        return [ { tag: "drop button", x: 175 }, { tag: "text", x: 40 } ];
    }

    function test_choose(data) {
        var combo = createTemporaryObject(comboComponent, testCase, { model: ["Automotive", "Banking"] });
        waitForRendering(combo);
        mouseClick(combo, data.x, 25);
        mouseClick(rowsOf(combo).itemAtIndex(1));
        tryCompare(combo.popup, "visible", false);
        compare(combo.contentItem.text, "Banking");
        // Typing cannot put a text into the box that matches no choice.
        keyClick(Qt.Key_X);
        compare(combo.contentItem.text, "Banking");
    }
}
