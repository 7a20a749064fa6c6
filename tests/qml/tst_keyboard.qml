import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Window 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/keyNavigation.js" as Nav

// One table over every control of the library that takes the focus: Tab
// reaches it from the item before it, its keys work it, and the focus ring
// shows when the focus came from the keyboard, never when it came from a
// click. Each control is compared with a twin made the same way and left
// without the focus, so the pixels say what the focus alone changed.
TestCase {
    id: testCase
    name: "Keyboard"
    when: windowShown
    visible: true
    width: 1260
    height: 1000

    readonly property real margin: 20

    Rectangle { anchors.fill: parent; color: "#1a1a1a" }

    // The item before every control in the Tab order.
    Item { id: before; width: 10; height: 10; activeFocusOnTab: true }

    Component { id: afterComponent; Item { width: 10; height: 10; activeFocusOnTab: true } }
    Component { id: cellComponent; FocusScope {} }

    ListModel { id: arrowModel
        ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" }
        ListElement { buttonLabel: "Turntable"; buttonName: "turntable" }
    }
    ListModel { id: stepModel
        ListElement { name: "Prepare"; info: "Done" }
        ListElement { name: "Scan"; info: "12 frames" }
        ListElement { name: "Align"; info: "" }
    }
    ListModel { id: tiles
        ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "" }
        ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "" }
    }

    function entry(name, active) {
        return { buttonName: name, label: name, active: active, normalImageSource: "qrc:/images/cross.png",
                 activeImageSource: "qrc:/images/StarBlue.svg", inactiveImageSource: "qrc:/images/cross.png" };
    }

    Component { id: button; ZelkButton { text: "Go" } }
    Component { id: iconButton; ZelkIconButton { normalIconSource: "qrc:/images/cross.png"; activeIconSource: "qrc:/images/StarBlue.svg" } }
    Component { id: iconTextButton; ZelkIconTextButton { text: "Go"; activeIcon: "qrc:/images/cross.png" } }
    Component { id: bigButton; ZelkBigButton { text: "Go"; backgroundWidth: 200; backgroundHeight: 150 } }
    Component { id: tabButtons; TabBar { width: 240; ZelkTabButton { text: "One" } ZelkTabButton { text: "Two" } } }
    Component { id: checkBox; ZelkCheckBox { text: "Box" } }
    Component { id: radioButton; ZelkRadioButton { text: "Radio" } }
    Component { id: zelkSwitch; ZelkSwitch { text: "Switch" } }
    Component { id: bigSwitch; ZelkBigSwitch { text: "Big" } }
    Component { id: textField; ZelkTextField { width: 150 } }
    Component { id: textArea; ZelkTextArea { width: 200; height: 80 } }
    Component { id: notation; ZelkNotation { width: 300; content: "ab" } }
    Component { id: comboBox; ZelkChooseComboBox {} }
    Component { id: fileSelector; ZelkFileSelector { width: 500 } }
    Component { id: hSlider; ZelkHSlider {} }
    Component { id: vSlider; ZelkVSlider {} }
    Component { id: pureSlider; ZelkHPureSlider { width: 300 } }
    Component { id: tabBar; ZelkTabBar { width: 600; tabs: ["A", "B", "C"] } }
    Component { id: rating; ZelkRating { width: 260; levels: 5 } }
    Component { id: hCombo; ZelkHComboBox { model: tiles; descriptionVisible: false } }
    Component { id: vCombo; ZelkVComboBox {} }
    Component { id: arrowGroup; ZelkArrowButtonGroup { model: arrowModel; buttonWidth: 160 } }
    // Its own `$app` shadows the application's, which cannot go back.
    Component {
        id: stepBar
        ZelkStepBar {
            property QtObject $app: QtObject {
                property var calls: []
                function willGoBack(index) { calls = calls.concat([index]); }
            }
            width: 600
            margins: 50
            model: stepModel
            currentStep: 2
        }
    }
    Component { id: toolBar; ZelkToolBar { model: [entry("a", true), entry("b", false), entry("c", true)] } }
    Component { id: panel; ZelkExpandableToolPanel {} }
    Component {
        id: choosePage
        ZelkChoosePage {
            width: 900
            height: 420
            margins: 0
            layoutVerticalCenterOffset: 0
            model: [{ icon: "qrc:/images/cross.png", buttonText: "a", buttonName: "a", buttonEnabled: false },
                    { icon: "qrc:/images/cross.png", buttonText: "b", buttonName: "b", buttonEnabled: true }]
        }
    }

    // focus: the item Tab reaches (an objectName; the control itself when
    // unnamed); keys: pressed (or typed) there, after which `end` holds: each
    // property of the control (a path with dots), a signal's emissions (the
    // arguments, or their number for a signal without any), and the item
    // holding the focus ("after": the item after the control). click: the item
    // a click goes to (by objectName, or a tab bar's tab by index; clickAt:
    // where, as fractions of it); sync: what the click changed, copied to the
    // twin before the two are compared.
    function test_keyboard_data() {
        return [
            { tag: "button", make: button, keys: [Qt.Key_Return, Qt.Key_Enter, Qt.Key_Space], end: { clicked: 3 } },
            { tag: "icon button", make: iconButton, keys: [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter], end: { checked: true, clicked: 3 }, sync: ["checked"] },
            { tag: "icon text button", make: iconTextButton, keys: [Qt.Key_Return], end: { clicked: 1 } },
            { tag: "big button", make: bigButton, keys: [Qt.Key_Enter, Qt.Key_Space], end: { clicked: 2 } },
            { tag: "tab button", make: tabButtons, keys: [Qt.Key_Tab, Qt.Key_Return], end: { currentIndex: 1 }, click: 1, sync: ["currentIndex"] },
            { tag: "check box", make: checkBox, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "radio button", make: radioButton, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "switch", make: zelkSwitch, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "big switch", make: bigSwitch, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "text field", make: textField, keys: ["a", "b"], end: { text: "ab" } },
            { tag: "text area", make: textArea, keys: ["a", "b"], end: { text: "ab" } },
            { tag: "notation", make: notation, keys: [Qt.Key_End, "c"], end: { content: "abc" } },
            // A click opens the list; Escape closes it again.
            { tag: "drop-down list", make: comboBox, keys: [Qt.Key_Down, Qt.Key_Down], end: { currentIndex: 2 }, afterClick: Qt.Key_Escape },
            { tag: "file selector", make: fileSelector, focus: "filePathField", keys: ["a", Qt.Key_Tab], end: { filePath: "a" } },
            { tag: "horizontal slider", make: hSlider, focus: "slider", click: "slider", clickAt: [0.3, 0.5], sync: ["value"],
              keys: [Qt.Key_End, Qt.Key_End, Qt.Key_Left, Qt.Key_Home, Qt.Key_Right, Qt.Key_PageUp, Qt.Key_PageDown, Qt.Key_PageDown], end: { value: 0, moved: 6 } },
            // Up raises the value, which stands lower on screen: the slider is turned.
            { tag: "vertical slider", make: vSlider, focus: "slider", click: "slider", clickAt: [0.5, 0.3], sync: ["value"],
              keys: [Qt.Key_End, Qt.Key_PageDown, Qt.Key_Up], end: { value: 2.1 } },
            { tag: "plain slider", make: pureSlider, clickAt: [0.3, 0.5], sync: ["value"], keys: [Qt.Key_PageDown, Qt.Key_End, Qt.Key_Left], end: { value: 0.9, moved: 3 } },
            // Drawn choosers: one stop on the current entry, the focus follows the keys; a click gives no focus.
            { tag: "tab bar", make: tabBar, focus: "tab0", click: "tab1", sync: ["currentIndex"],
              keys: [Qt.Key_End, Qt.Key_Right, Qt.Key_Left, Qt.Key_Home, Qt.Key_Right], end: { currentIndex: 1, focus: "tab1" } },
            // The focused star is the preview; Space or Return rates it.
            { tag: "rating", make: rating, focus: "star0", click: "star2", sync: ["currentRate"],
              keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Space, Qt.Key_Left, Qt.Key_Return, Qt.Key_End],
              end: { currentRate: 1, currentHighlightedIndex: 4, focus: "star4" } },
            { tag: "horizontal picture selector", make: hCombo, focus: "tile1", click: "tile0", sync: ["currentIndex"],
              keys: [Qt.Key_Down, Qt.Key_Home, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right], end: { currentIndex: 2, focus: "tile2" } },
            { tag: "vertical picture selector", make: vCombo, focus: "tile1", click: "tile0", sync: ["currentIndex"],
              keys: [Qt.Key_Right, Qt.Key_Home, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down], end: { currentIndex: 2, focus: "tile2" } },
            // Each key that chooses a button says so, as a click does.
            { tag: "arrow button group", make: arrowGroup, focus: "buttonArea0", click: "buttonArea1", sync: ["currentIndex"],
              keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Left, Qt.Key_Space],
              end: { currentIndex: 1, clicked: ["handheld", "turntable", "handheld", "handheld"], focus: "buttonArea1" } },
            // Only the finished steps are stops; the current and the pending one are passed over.
            { tag: "step bar", make: stepBar, focus: "goBackArea0", click: "goBackArea0", sync: ["$app.calls"],
              keys: [Qt.Key_Tab, Qt.Key_Return, Qt.Key_Tab], end: { "$app.calls": [1], focus: "after" } },
            // The arrows pass over the inactive entry.
            { tag: "tool bar", make: toolBar, focus: "toolButton0", click: "toolButton2",
              keys: [Qt.Key_Down, Qt.Key_Space, Qt.Key_Down, Qt.Key_Up, Qt.Key_Return], end: { clicked: ["c", "a"], focus: "toolButton0" } },
            { tag: "expandable tool panel", make: panel, focus: "expandArea", click: "expandArea", sync: ["expanded"],
              keys: [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter], end: { expanded: true, focus: "shrinkArea" } },
            // Tab passes over the disabled first button.
            { tag: "choose page", make: choosePage, focus: "bigButton1", click: "bigButton1",
              keys: [Qt.Key_Return, Qt.Key_Tab], end: { buttonClicked: ["b"], focus: "after" } }
        ];
    }

    // The subject in a cell after `before`, the item after it, and its twin in
    // a cell of its own beside it (or under it, when the window is too narrow).
    function setUp(data) {
        var made = {};
        ["subject", "twin"].forEach(function(role) {
            // Made before its cell, so it is destroyed first, while it still has its parent.
            var control = createTemporaryObject(data.make, testCase, { x: margin, y: margin });
            var cell = createTemporaryObject(cellComponent, testCase);
            control.parent = cell;
            // Whole pixels, so that both draw alike.
            cell.width = Math.ceil(control.width) + 2 * margin;
            cell.height = Math.ceil(control.height) + 2 * margin;
            made[role + "Cell"] = cell;
            made[role] = control;
            if (role === "subject")
                made.after = createTemporaryObject(afterComponent, testCase, { y: 980 });
        });
        // Apart, since labels and glows may reach out of a control.
        var side = 2 * made.subjectCell.width + 100 <= testCase.width;
        made.subjectCell.y = 20;
        made.twinCell.x = side ? made.subjectCell.width + 100 : 0;
        made.twinCell.y = side ? 20 : 50 + made.subjectCell.height;
        verify(made.twinCell.y + made.twinCell.height <= testCase.height, "both fit the window");
        waitForRendering(made.twin);
        return made;
    }

    function named(control, name) {
        if (name === undefined)
            return control;
        var item = findChild(control, name);
        verify(item, name);
        return item;
    }

    // The rings now drawn in an item, with where they stand in the cell.
    function shownRings(item, cell) {
        var found = [];
        var visit = function(child) {
            if (child.shapeRadius !== undefined && child.gap !== undefined && child.shown !== undefined && child.visible)
                found.push(child.mapToItem(cell, 0, 0, child.width, child.height));
            Array.prototype.forEach.call(child.children, visit);
        };
        visit(item);
        return found;
    }

    // Everything the keys can change, as the row names it.
    function stateOf(made, data, emitted) {
        var state = {};
        Object.keys(data.end).forEach(function(key) {
            if (key === "focus") {
                var holder = made.subject.Window.activeFocusItem;
                state.focus = holder === made.after ? "after" : holder ? holder.objectName : null;
            } else if (emitted[key]) {
                var args = emitted[key];
                state[key] = args.every(function(a) { return a === undefined; }) ? args.length : args;
            } else {
                state[key] = key.split(".").reduce(function(object, name) { return object[name]; }, made.subject);
            }
        });
        return JSON.stringify(state);
    }

    function test_keyboard(data) {
        var made = setUp(data);
        var emitted = {};
        Object.keys(data.end).forEach(function(key) {
            var signal = made.subject[key];
            if (signal && typeof signal.connect === "function") {
                emitted[key] = [];
                signal.connect(function(first) { emitted[key].push(first); });
            }
        });
        before.forceActiveFocus();
        keyClick(Qt.Key_Tab);
        var holder = testCase.Window.activeFocusItem;
        verify(pathTo(holder, made.subject) !== null, "Tab from the item before reaches the control");
        if (data.focus)
            compare(holder.objectName, data.focus);

        // One ring, drawn in the accent colour on all four sides, where the
        // twin shows something else on one side at least.
        var rings = shownRings(made.subject, made.subjectCell);
        compare([rings.length, shownRings(made.twin, made.twinCell).length], [1, 0], "one ring, on the focused control only");
        var r = rings[0];
        var spots = [[r.x + r.width / 2, r.y + 1], [r.x + r.width - 1, r.y + r.height / 2],
                     [r.x + r.width / 2, r.y + r.height - 1], [r.x + 1, r.y + r.height / 2]];
        // Polled until it reads empty; on a timeout the failure shows what was seen.
        var ring = { get misses() {
            TestSupport.grab(made.subjectCell);
            var seen = spots.map(function(p) { return TestSupport.pixel(made.subjectCell, p[0], p[1]); });
            var twin = spots.map(function(p) { return TestSupport.pixel(made.twinCell, p[0], p[1]); });
            var drawn = seen.every(function(c) { return TestSupport.near(c, ZelkDesign.themeColor, 48); });
            var changed = seen.some(function(c, i) { return !TestSupport.near(c, twin[i], 48); });
            return drawn && changed ? "" : "at " + JSON.stringify(spots) + ": " + seen + " beside " + twin;
        } };
        tryCompare(ring, "misses", "", 3000);

        data.keys.forEach(function(key) { keyClick(key); });
        compare(stateOf(made, data, emitted), JSON.stringify(data.end));
    }

    function test_mouse_data() {
        return test_keyboard_data();
    }

    // The path of child indices from the root to an item, and back, so that
    // the twin's counterpart of the subject's focused item can be found.
    function pathTo(item, root) {
        var path = [];
        for (; item && item.parent && item !== root; item = item.parent)
            path.unshift(Array.prototype.indexOf.call(item.parent.children, item));
        return item === root ? path : null;
    }

    function test_mouse(data) {
        var made = setUp(data);
        before.forceActiveFocus();
        var target = typeof data.click === "number" ? made.subject.itemAt(data.click) : named(made.subject, data.click);
        var at = data.clickAt || [0.5, 0.5];
        // Onto it first, as a pointer comes: a click alone leaves a mouse area hovered.
        mouseMove(target, target.width * at[0], target.height * at[1]);
        mouseClick(target, target.width * at[0], target.height * at[1]);
        if (data.afterClick)
            keyClick(data.afterClick);
        mouseMove(testCase, testCase.width - 5, testCase.height - 5);

        var holder = testCase.Window.activeFocusItem;
        var path = pathTo(holder, made.subject);
        if (path === null) {
            // A drawn item takes the focus only from the keys.
            verify(before.activeFocus, "the click left the focus where it was");
        } else {
            // The twin holds the focus flag as the subject does, so a control's own
            // focus look shows on both; only keyboard focus may add to it.
            var counterpart = path.reduce(function(item, i) { return item.children[i]; }, made.twin);
            counterpart.focus = true;
            // The caret is the text's own sign of focus, and it blinks.
            if (holder.cursorVisible !== undefined)
                holder.cursorVisible = false;
        }
        (data.sync || []).forEach(function(key) {
            var names = key.split(".");
            var last = names.pop();
            var owner = function(control) { return names.reduce(function(object, name) { return object[name]; }, control); };
            owner(made.twin)[last] = owner(made.subject)[last];
        });
        compare(shownRings(made.subject, made.subjectCell).length, 0, "no ring after a click");
        // A few levels of rendering noise; a ring stands out by a hundred and more.
        tryVerify(function() {
            TestSupport.grab(made.subjectCell);
            var difference = TestSupport.largestDifference(made.subjectCell, made.twinCell);
            return difference >= 0 && difference <= 4;
        }, 3000, "the clicked control looks as its twin, which has no focus");
    }

    // The rules behind the keys, at the edges the controls rarely reach.
    function test_rules_data() {
        var even = function(i) { return i % 2 === 0; };
        return [
            { tag: "from none, back starts at the last", got: Nav.step(Qt.Key_Left, 7, 3, false), expected: 2 },
            { tag: "nothing usable that way", got: Nav.step(Qt.Key_Down, 2, 4, true, even), expected: 2 },
            { tag: "End finds the last usable", got: Nav.step(Qt.Key_End, 0, 4, true, even), expected: 2 },
            { tag: "a page of a continuous slider is a tenth", got: Nav.sliderValue(Qt.Key_PageUp, 2, 0, 50, 0), expected: 7 },
            { tag: "an inverted range still holds the value", got: Nav.sliderValue(Qt.Key_PageUp, 0.5, 1, 0, 0.1), expected: 1 }
        ];
    }

    function test_rules(data) {
        compare(data.got, data.expected);
    }
}
