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
    Component { id: popupComponent; ZelkPopupChooseView { width: 1500; height: 600 } }

    function choices() {
        return ["scan", "align", "export"].map(function(name) {
            return { icon: "qrc:/images/cross.png", buttonText: name.toUpperCase(), buttonName: name, buttonEnabled: true };
        });
    }

    function make(kind, props) {
        var chooser = createTemporaryObject(kind === "page" ? pageComponent : popupComponent, testCase, props);
        if (kind === "popup")
            chooser.open();
        tryVerify(function() { return kind === "page" || chooser.opened; }, 5000, "the popup opens");
        return chooser;
    }

    function buttonsOf(chooser) {
        return Array.prototype.filter.call((chooser.contentItem || chooser).children[0].children, function(c) { return c.hasOwnProperty("iconSource"); })
            .sort(function(a, b) { return a.x - b.x; });
    }

    // Buttons stand a fixed 64 px apart whatever their margins; the row,
    // margins and all, stands centred 20 px above the page's middle.
    function test_row() {
        var page = make("page", { model: choices() });
        var row = page.children[0];
        compare([row.width, row.height, row.x + row.width / 2], [1334, 442, 960]);
        fuzzyCompare(row.y + row.height / 2, 963 / 2 - 20, 0.5);
        compare(buttonsOf(page).map(function(b) { return [b.x, b.y, b.text]; }), [[0, 15, "SCAN"], [476, 15, "ALIGN"], [952, 15, "EXPORT"]]);
    }

    // Only a choice whose entry says so is enabled: a missing field or a
    // null entry counts as disabled, and anything but an array as no choices.
    function test_clicks_data() {
        return [
            { tag: "page, enabled", kind: "page", entry: { buttonName: "align", buttonEnabled: true }, emits: ["align"] },
            { tag: "page, without the enabled field", kind: "page", entry: { buttonName: "align" }, emits: [] },
            { tag: "page, null entry", kind: "page", entry: null, emits: [] },
            { tag: "popup, disabled", kind: "popup", entry: { buttonName: "align", buttonEnabled: false }, emits: [] }
        ];
    }

    // Small buttons, so that all of them lie inside the window.
    function test_clicks(data) {
        var model = choices();
        model[1] = data.entry;
        var chooser = make(data.kind, { model: model, buttonWidth: 100, buttonHeight: 100, width: 700, height: 400 });
        var emitted = [];
        chooser.buttonClicked.connect(function(name) { emitted.push(name); });
        mouseClick(buttonsOf(chooser)[1]);
        mouseClick(buttonsOf(chooser)[0]);
        compare(emitted, data.emits.concat(["scan"]));
        if (data.kind === "popup") {
            // Neither a choice, nor Escape, nor a click outside closes it.
            keyClick(Qt.Key_Escape);
            mouseClick(testCase, 790, 590);
            verify(chooser.opened);
        }
        chooser.model = undefined;
        compare(buttonsOf(chooser).length, 0);
    }

    // The popup takes the keyboard when it opens: Tab and Shift+Tab walk its
    // enabled buttons, round and round, Space and Return press the focused
    // one, Escape leaves it open; closing gives the keyboard back.
    function test_popupByKeys() {
        var model = choices();
        model[1].buttonEnabled = false;
        var before = createTemporaryQmlObject("import QtQuick 2.9; Item { focus: true }", testCase);
        before.forceActiveFocus();
        var chooser = make("popup", { model: model, buttonWidth: 100, buttonHeight: 100, width: 700, height: 400 });
        tryVerify(function() { return chooser.activeFocus; }, 3000, "the popup takes the keyboard");
        var buttons = buttonsOf(chooser), emitted = [], focused = [];
        chooser.buttonClicked.connect(function(name) { emitted.push(name); });
        [Qt.Key_Tab, Qt.Key_Space, Qt.Key_Tab, Qt.Key_Return, Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Enter, Qt.Key_Escape].forEach(function(key) {
            keyClick(key);
            focused.push(buttons.map(function(b) { return b.activeFocus; }).indexOf(true));
        });
        compare([focused, emitted, chooser.opened], [[0, 0, 2, 2, 0, 2, 2, 2], ["scan", "export", "export"], true]);
        chooser.close();
        tryCompare(before, "activeFocus", true);
    }
}
