import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "Choosers"
    when: windowShown
    visible: true
    width: 800
    height: 600

    Component { id: pageComponent; ZelkChoosePage { width: 1920; height: 963 } }
    Component { id: popupComponent; ZelkPopupChooseView { width: 700; height: 400; buttonWidth: 100; buttonHeight: 100 } }

    function choices() {
        return ["scan", "align", "export"].map(function(name) { return { icon: "qrc:/images/cross.png", buttonText: name.toUpperCase(), buttonName: name, buttonEnabled: true }; });
    }

    function buttonsOf(chooser) {
        return Array.prototype.filter.call((chooser.contentItem || chooser).children[0].children, function(c) { return c.hasOwnProperty("iconSource"); }).sort(function(a, b) { return a.x - b.x; });
    }

    // Buttons stand a fixed 64 px apart whatever their margins; the row,
    // margins and all, stands centred 20 px above the page's middle.
    function test_row() {
        var page = createTemporaryObject(pageComponent, testCase, { model: choices() }), row = page.children[0];
        compare([row.width, row.height, row.x + row.width / 2], [1334, 442, 960]);
        fuzzyCompare(row.y + row.height / 2, 963 / 2 - 20, 0.5);
        compare(buttonsOf(page).map(function(b) { return [b.x, b.y, b.text]; }), [[0, 15, "SCAN"], [476, 15, "ALIGN"], [952, 15, "EXPORT"]]);
    }

    // Only a choice whose entry says so is enabled: a missing field or a null
    // entry counts as disabled, and anything but an array as no choices. The
    // popup takes the keyboard: Tab and Shift+Tab walk its enabled buttons
    // round and round, Space, Return and Enter press the focused one, and
    // neither a choice, nor Escape, nor a click outside closes it.
    function test_choices_data() {
        return [
            { tag: "enabled", entry: { buttonName: "align", buttonEnabled: true }, focused: [0, 0, 1, 1, 2, 1, 1, 1],
              emits: ["scan", "align", "align", "align", "scan"] },
            { tag: "without the enabled field", entry: { buttonName: "align" }, focused: [0, 0, 2, 2, 0, 2, 2, 2],
              emits: ["scan", "export", "export", "scan"] },
            { tag: "null entry", entry: null, focused: [0, 0, 2, 2, 0, 2, 2, 2], emits: ["scan", "export", "export", "scan"] }
        ];
    }

    function test_choices(data) {
        var model = choices(), before = createTemporaryQmlObject("import QtQuick 2.9; Item { focus: true }", testCase);
        model[1] = data.entry;
        before.forceActiveFocus();
        var chooser = createTemporaryObject(popupComponent, testCase, { model: model });
        chooser.open();
        tryVerify(function() { return chooser.activeFocus; }, 3000, "the popup takes the keyboard");
        var buttons = buttonsOf(chooser), emitted = [], focused = [];
        chooser.buttonClicked.connect(function(name) { emitted.push(name); });
        [Qt.Key_Tab, Qt.Key_Space, Qt.Key_Tab, Qt.Key_Return, Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Enter, Qt.Key_Escape].forEach(function(key) {
            keyClick(key);
            focused.push(buttons.map(function(b) { return b.activeFocus; }).indexOf(true));
        });
        mouseClick(buttons[1]);
        mouseClick(buttons[0]);
        mouseClick(testCase, 790, 590);
        compare([focused, emitted, chooser.opened], [data.focused, data.emits, true]);
        chooser.close();
        tryCompare(before, "activeFocus", true);
        chooser.model = undefined;
        compare(buttonsOf(chooser).length, 0);
    }
}
