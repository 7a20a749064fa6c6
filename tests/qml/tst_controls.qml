import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Window 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/keyNavigation.js" as Nav

// The controls walked the ways a user reaches them: by Tab and their keys,
// where the focus ring shows, never after a click; and right to left, where
// each must look as its plain self turned.
TestCase {
    id: testCase
    name: "Controls"
    when: windowShown
    visible: true
    width: 1260
    height: 1000

    readonly property real side: 130

    Rectangle { anchors.fill: parent; color: "#1a1a1a" }
    Item { id: before; width: 10; height: 10; activeFocusOnTab: true }
    Component { id: afterComponent; Item { width: 10; height: 10; activeFocusOnTab: true } }
    Component { id: cellComponent; FocusScope { property bool mirrored; LayoutMirroring.enabled: mirrored; LayoutMirroring.childrenInherit: mirrored } }
    ListModel { id: arrowModel; ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" } ListElement { buttonLabel: "Turntable"; buttonName: "turntable" } }
    ListModel { id: stepModel; ListElement { name: "Prepare"; info: "Done" } ListElement { name: "Scan"; info: "12 frames" } ListElement { name: "Align"; info: "" } }
    ListModel { id: tiles; ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "Small grain" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "Large grain" }
        ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "Slow" } }

    Component { id: button; ZelkButton { text: "Go" } }
    Component { id: iconTextButton; ZelkIconTextButton { text: "Go"; activeIcon: "qrc:/images/cross.png" } }
    Component { id: iconButton; ZelkIconButton { normalIconSource: "qrc:/images/cross.png"; activeIconSource: "qrc:/images/StarBlue.svg" } }
    Component { id: tabButtons; TabBar { width: 240; ZelkTabButton { text: "One" } ZelkTabButton { text: "Two" } } }
    Component { id: checkBox; ZelkCheckBox { text: "Box" } }
    Component { id: radioButton; ZelkRadioButton { text: "Radio" } }
    Component { id: zelkSwitch; ZelkSwitch { text: "Switch" } }
    Component { id: bigSwitch; ZelkBigSwitch { text: "Big" } }
    Component { id: textField; ZelkTextField { width: 150 } }
    Component { id: fileSelector; ZelkFileSelector { width: 500 } }
    Component { id: comboBox; ZelkChooseComboBox {} }
    Component { id: notation; ZelkNotation { width: 300; content: "ab" } }
    Component { id: arrowNotation; ZelkArrowNotation {} }
    Component { id: rectNotation; ZelkRectNotation { iconSource: "qrc:/images/24x24_Attention.png" } }
    Component { id: progressBar; ZelkProgressBar { value: 0.3 } }
    Component { id: hSlider; ZelkHSlider {} }
    Component { id: vSlider; ZelkVSlider {} }
    Component { id: pureSlider; ZelkHPureSlider { width: 300 } }
    Component { id: tabBar; ZelkTabBar { width: 600; tabs: ["A", "B", "C"] } }
    Component { id: rating; ZelkRating { width: 260; levels: 5 } }
    Component { id: hCombo; ZelkHComboBox { model: tiles; descriptionVisible: false } }
    Component { id: vCombo; ZelkVComboBox {} }
    Component { id: arrowGroup; ZelkArrowButtonGroup { model: arrowModel; buttonWidth: 160 } }
    Component { id: panel; ZelkExpandableToolPanel {} }
    // Its own `$app` shadows the application's, which cannot go back.
    Component { id: stepBar; ZelkStepBar { width: 600; margins: 50; model: stepModel; currentStep: 2
            property var $app: ({ calls: [], willGoBack: function(index) { this.calls = this.calls.concat([index]); } }) } }
    Component { id: toolBar; ZelkToolBar { model: ["a", "b", "c"].map(function(name) { return { buttonName: name, label: name, active: name !== "b",
            normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/StarBlue.svg", inactiveImageSource: "qrc:/images/cross.png" }; }) } }
    Component { id: choosePage; ZelkChoosePage { width: 900; height: 420; margins: 0; layoutVerticalCenterOffset: 0
            model: ["a", "b"].map(function(name) { return { icon: "qrc:/images/cross.png", buttonText: name, buttonName: name, buttonEnabled: name === "b" }; }) } }
    Component { id: dialog; ZelkDialog { x: 100; y: 100; Component.onCompleted: open() } }

    // Tab reaches `focus`; after `keys`, `end` holds (properties, signals' arguments or counts, the focus;
    // "after": the item after). A click on `click` (a name or a tab's index) at clickAt (fractions) or `at`
    // (pixels) chooses `chosen` and changes `sync`, copied to the twin. mirrored: Left goes on, Right back.
    function test_keyboard_data() {
        return [
            { tag: "button", make: button, keys: [Qt.Key_Return, Qt.Key_Enter, Qt.Key_Space], end: { clicked: 3 } },
            { tag: "icon button", make: iconButton, keys: [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter], end: { checked: true, clicked: 3 }, sync: ["checked"] },
            { tag: "icon text button", make: iconTextButton, keys: [Qt.Key_Return], end: { clicked: 1 } },
            { tag: "tab button", make: tabButtons, keys: [Qt.Key_Tab, Qt.Key_Return], end: { currentIndex: 1 }, click: 1, sync: ["currentIndex"] },
            { tag: "check box", make: checkBox, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "radio button", make: radioButton, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "switch", make: zelkSwitch, keys: [Qt.Key_Space], end: { checked: true }, sync: ["checked"] },
            { tag: "text field", make: textField, keys: ["a", "b"], end: { text: "ab" } },
            { tag: "notation", make: notation, keys: [Qt.Key_End, "c"], end: { content: "abc" } },
            // A click opens the list; Escape closes it again.
            { tag: "drop-down list", make: comboBox, keys: [Qt.Key_Down, Qt.Key_Down], end: { currentIndex: 2 }, afterClick: Qt.Key_Escape },
            { tag: "file selector", make: fileSelector, focus: "filePathField", keys: ["a", Qt.Key_Tab], end: { filePath: "a" } },
            { tag: "horizontal slider", make: hSlider, focus: "slider", click: "slider", clickAt: [0.3, 0.5], sync: ["value"],
              keys: [Qt.Key_End, Qt.Key_End, Qt.Key_Left, Qt.Key_Home, Qt.Key_Right, Qt.Key_PageUp, Qt.Key_PageDown, Qt.Key_PageDown], end: { value: 0, moved: 6 } },
            { tag: "horizontal slider, mirrored", make: hSlider, mirrored: true, props: { value: 0.5 }, focus: "slider", click: "slider", clickAt: [0.7, 0.5], sync: ["value"],
              keys: [Qt.Key_Left], end: { value: 0.6 } },
            // Up raises the value, which stands lower on screen: the slider is turned.
            { tag: "vertical slider", make: vSlider, focus: "slider", click: "slider", clickAt: [0.5, 0.3], sync: ["value"],
              keys: [Qt.Key_End, Qt.Key_PageDown, Qt.Key_Up], end: { value: 2.1 } },
            { tag: "plain slider", make: pureSlider, clickAt: [0.3, 0.5], sync: ["value"], keys: [Qt.Key_PageDown, Qt.Key_End, Qt.Key_Left], end: { value: 0.9, moved: 3 } },
            { tag: "plain slider, mirrored", make: pureSlider, mirrored: true, props: { value: 0.5 }, clickAt: [0.7, 0.5], sync: ["value"], keys: [Qt.Key_Right], end: { value: 0.4 } },
            // Drawn choosers: one stop on the current entry, the focus follows the keys; a click gives no focus.
            { tag: "tab bar", make: tabBar, focus: "tab0", click: "tab1", sync: ["currentIndex"],
              keys: [Qt.Key_End, Qt.Key_Right, Qt.Key_Left, Qt.Key_Home, Qt.Key_Right], end: { currentIndex: 1, focus: "tab1" } },
            { tag: "tab bar, mirrored, leftmost", make: tabBar, mirrored: true, props: { currentIndex: 1 }, focus: "tab1", at: [100, 27], chosen: { currentIndex: 2 },
              sync: ["currentIndex"], keys: [Qt.Key_Left, Qt.Key_Right, Qt.Key_Right], end: { currentIndex: 0, focus: "tab0" } },
            { tag: "tab bar, mirrored, rightmost", make: tabBar, mirrored: true, props: { currentIndex: 1 }, focus: "tab1", at: [500, 27], chosen: { currentIndex: 0 },
              sync: ["currentIndex"], keys: [Qt.Key_Left], end: { currentIndex: 2 } },
            // The focused star is the preview; Space or Return rates it.
            { tag: "rating", make: rating, focus: "star0", click: "star2", sync: ["currentRate"],
              keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Space, Qt.Key_Left, Qt.Key_Return, Qt.Key_End],
              end: { currentRate: 1, currentHighlightedIndex: 4, focus: "star4" } },
            // Stars fill from the right: the leftmost of five is the fifth.
            { tag: "rating, mirrored", make: rating, mirrored: true, props: { width: 300, currentRate: 1 }, focus: "star1", at: [75, 25], chosen: { currentRate: 4 },
              sync: ["currentRate"], keys: [Qt.Key_Left], end: { currentHighlightedIndex: 2 } },
            { tag: "horizontal picture selector", make: hCombo, focus: "tile1", click: "tile0", sync: ["currentIndex"],
              keys: [Qt.Key_Down, Qt.Key_Home, Qt.Key_Right, Qt.Key_Right, Qt.Key_Right], end: { currentIndex: 2, focus: "tile2" } },
            { tag: "horizontal picture selector, mirrored", make: hCombo, mirrored: true, props: { currentIndex: 1 }, focus: "tile1", at: [113, 113], chosen: { currentIndex: 2 },
              sync: ["currentIndex"], keys: [Qt.Key_Right], end: { currentIndex: 0 } },
            { tag: "vertical picture selector", make: vCombo, focus: "tile1", click: "tile0", sync: ["currentIndex"],
              keys: [Qt.Key_Right, Qt.Key_Home, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down], end: { currentIndex: 2, focus: "tile2" } },
            // Each key that chooses a button says so, as a click does.
            { tag: "arrow button group", make: arrowGroup, focus: "buttonArea0", click: "buttonArea1", sync: ["currentIndex"],
              keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Right, Qt.Key_Left, Qt.Key_Space],
              end: { currentIndex: 1, clicked: ["handheld", "turntable", "handheld", "handheld"], focus: "buttonArea1" } },
            { tag: "arrow button group, mirrored", make: arrowGroup, mirrored: true, props: { currentIndex: 1 }, focus: "buttonArea1", at: [80, 44], chosen: { currentIndex: 2 },
              sync: ["currentIndex"], keys: [Qt.Key_Left], end: { currentIndex: 2 } },
            // Only the finished steps are stops; the current and the pending one are passed over.
            { tag: "step bar", make: stepBar, focus: "goBackArea0", click: "goBackArea0",
              keys: [Qt.Key_Tab, Qt.Key_Return, Qt.Key_Tab], end: { "$app.calls": [1], focus: "after" } },
            // The arrows pass over the inactive entry.
            { tag: "tool bar", make: toolBar, focus: "toolButton0", click: "toolButton2",
              keys: [Qt.Key_Down, Qt.Key_Space, Qt.Key_Down, Qt.Key_Up, Qt.Key_Return], end: { clicked: ["c", "a"], focus: "toolButton0" } },
            { tag: "expandable tool panel", make: panel, focus: "expandArea", click: "expandArea", sync: ["expanded"],
              keys: [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter], end: { expanded: true, focus: "shrinkArea" } },
            // Tab passes over the disabled first button.
            { tag: "choose page", make: choosePage, focus: "bigButton1", click: "bigButton1", keys: [Qt.Key_Return, Qt.Key_Tab], end: { buttonClicked: ["b"], focus: "after" } }
        ];
    }

    // The subject in a cell after `before`, then the item after, and a twin in a cell beside or under it.
    // turnTwin: the twin alone right to left, made so (true) or only once shown (false).
    function setUp(data, room, turnTwin) {
        var made = {};
        ["subject", "twin"].forEach(function(role) {
            // Made in its cell, which goes first at the end, as a host drops a page
            // built at run time: the control with its parent, often holding the keyboard.
            var cell = createTemporaryObject(cellComponent, testCase, { y: 20, mirrored: !!data.mirrored || (role === "twin" && turnTwin === true) });
            var control = createTemporaryObject(data.make, cell, Object.assign({ x: room[0], y: room[1] }, data.props));
            // Whole pixels, so that both draw alike; a mirror needs the control's own width.
            cell.width = (turnTwin === undefined ? Math.ceil(control.width) : control.width) + 2 * room[0];
            cell.height = Math.ceil(control.height) + 2 * room[1];
            made[role] = control; made[role + "Cell"] = cell;
            if (role === "subject")
                made.after = createTemporaryObject(afterComponent, testCase, { y: 980 });
        });
        // As far apart as they fit, since labels and glows may reach out of a control.
        var side = 2 * made.subjectCell.width + 10 <= testCase.width;
        // On a whole pixel, so that a box of fractional width covers as many pixels as its twin.
        made.twinCell.x = side ? Math.floor(Math.max(made.subjectCell.width + 10, testCase.width - made.twinCell.width)) : 0;
        made.twinCell.y = side ? 20 : 50 + made.subjectCell.height;
        verify(made.twinCell.y + made.twinCell.height <= testCase.height, "both fit the window");
        waitForRendering(made.twin);
        return made;
    }

    // The items under `item`, itself included, that pass `wanted`, in tree order.
    function collect(item, wanted, found) {
        found = found || [];
        if (wanted(item))
            found.push(item);
        Array.prototype.forEach.call(item.children, function(child) { collect(child, wanted, found); });
        return found;
    }

    function shownRings(item, cell) {
        return collect(item, function(i) { return i.shapeRadius !== undefined && i.gap !== undefined && i.shown !== undefined && i.visible; })
            .map(function(ring) { return ring.mapToItem(cell, 0, 0, ring.width, ring.height); });
    }

    function pathTo(item, root) {
        var path = [];
        for (; item && item.parent && item !== root; item = item.parent)
            path.unshift(Array.prototype.indexOf.call(item.parent.children, item));
        return item === root ? path : null;
    }

    function test_keyboard(data) {
        var made = setUp(data, [20, 20]), emitted = {};
        Object.keys(data.end).forEach(function(key) {
            if (made.subject[key] && typeof made.subject[key].connect === "function") {
                emitted[key] = [];
                made.subject[key].connect(function(first) { emitted[key].push(first); });
            }
        });
        before.forceActiveFocus();
        keyClick(Qt.Key_Tab);
        var holder = testCase.Window.activeFocusItem;
        verify(pathTo(holder, made.subject) !== null, "Tab from the item before reaches the control");
        if (data.focus)
            compare(holder.objectName, data.focus);

        // One ring, in the accent colour on all four sides, where the twin
        // shows something else on one side at least; polled until it is.
        var rings = shownRings(made.subject, made.subjectCell);
        compare([rings.length, shownRings(made.twin, made.twinCell).length], [1, 0], "one ring, on the focused control only");
        var r = rings[0], spots = [[r.x + r.width / 2, r.y + 1], [r.x + r.width - 1, r.y + r.height / 2],
                     [r.x + r.width / 2, r.y + r.height - 1], [r.x + 1, r.y + r.height / 2]];
        var ring = { get misses() {
            TestSupport.grab(made.subjectCell);
            var at = function(cell) { return spots.map(function(p) { return TestSupport.pixel(cell, p[0], p[1]); }); };
            var seen = at(made.subjectCell), twin = at(made.twinCell);
            var drawn = seen.every(function(c) { return TestSupport.near(c, ZelkDesign.themeColor, 48); });
            var changed = seen.some(function(c, i) { return !TestSupport.near(c, twin[i], 48); });
            return drawn && changed ? "" : "at " + JSON.stringify(spots) + ": " + seen + " beside " + twin;
        } };
        tryCompare(ring, "misses", "", 3000);

        data.keys.forEach(function(key) { keyClick(key); });
        var state = {}, focused = made.subject.Window.activeFocusItem;
        Object.keys(data.end).forEach(function(key) {
            state[key] = key === "focus" ? (focused === made.after ? "after" : focused && focused.objectName)
                : !emitted[key] ? key.split(".").reduce(function(owner, name) { return owner[name]; }, made.subject)
                : emitted[key].every(function(a) { return a === undefined; }) ? emitted[key].length : emitted[key];
        });
        compare(JSON.stringify(state), JSON.stringify(data.end));
    }

    function test_mouse_data() { return test_keyboard_data(); }

    function test_mouse(data) {
        var made = setUp(data, [20, 20]);
        before.forceActiveFocus();
        var target = typeof data.click === "number" ? made.subject.itemAt(data.click) : data.click ? findChild(made.subject, data.click) : made.subject;
        var f = data.clickAt || [0.5, 0.5], at = data.at || [target.width * f[0], target.height * f[1]];
        // Onto it first, as a pointer comes: a click alone leaves a mouse area hovered.
        mouseMove(target, at[0], at[1]);
        mouseClick(target, at[0], at[1]);
        if (data.afterClick)
            keyClick(data.afterClick);
        mouseMove(testCase, testCase.width - 5, testCase.height - 5);
        Object.keys(data.chosen || {}).forEach(function(key) { compare(made.subject[key], data.chosen[key], key); });

        var holder = testCase.Window.activeFocusItem, path = pathTo(holder, made.subject);
        if (path === null) {
            verify(before.activeFocus, "a drawn item takes the focus only from the keys");
        } else {
            // The twin holds the focus flag too, so a control's own focus
            // look shows on both; only keyboard focus may add to it.
            path.reduce(function(item, i) { return item.children[i]; }, made.twin).focus = true;
            // The caret is the text's own sign of focus, and it blinks.
            if (holder.cursorVisible !== undefined)
                holder.cursorVisible = false;
        }
        (data.sync || []).forEach(function(key) { made.twin[key] = made.subject[key]; });
        compare(shownRings(made.subject, made.subjectCell).length, 0, "no ring after a click");
        // A few levels of rendering noise; a ring stands out by a hundred and more.
        tryVerify(function() {
            var difference = TestSupport.grab(made.subjectCell) ? TestSupport.largestDifference(made.subjectCell, made.twinCell) : -1;
            return difference >= 0 && difference <= 4;
        }, 3000, "the clicked control looks as its twin, which has no focus");
    }

    // The rules behind the keys, where the controls rarely go: back from no entry starts at the last; nothing
    // usable that way; End finds the last usable; mirrored, Home is the first and a column is not turned; an
    // inverted range still holds the value.
    function test_rules() {
        var even = function(i) { return i % 2 === 0; };
        compare([Nav.step(Qt.Key_Left, 7, 3, false), Nav.step(Qt.Key_Down, 2, 4, true, even), Nav.step(Qt.Key_End, 0, 4, true, even),
                 Nav.step(Qt.Key_Home, 2, 3, false, null, true), Nav.step(Qt.Key_Down, 1, 3, true, null, true),
                 Nav.sliderValue(Qt.Key_PageUp, 0.5, 1, 0, 0.1)], [2, 2, 2, 0, 2, 1]);
    }

    // Right to left, a twin must look as the control turned (`late`: turned once shown, as at a change of
    // language). Texts and pictures move but never turn, so they are checked by place and left out of the
    // pixels, as are `marks` (the check mark). tolerance: for light and shadow, which keep their side;
    // settled: [objectName, property, value] that ends an opening.
    function test_mirroredLooksTurned_data() {
        return [
            { tag: "tab bar", make: tabBar, props: { tabs: ["One", "Two", "Three"] } },
            { tag: "rating", make: rating, props: { width: 300, currentRate: 1 } },
            { tag: "progress bar", make: progressBar },
            { tag: "slider with gauge", make: hSlider, props: { value: 0.3, gaugeValueVisible: true } },
            { tag: "bare slider", make: pureSlider, props: { value: 0.3 } },
            { tag: "vertical slider", make: vSlider, props: { value: 1.0 } },
            { tag: "drop-down list", make: comboBox },
            { tag: "horizontal picture selector", make: hCombo, props: { currentIndex: 0, descriptionVisible: true } },
            { tag: "vertical picture selector, wider than its tiles", make: vCombo, props: { width: 300, currentIndex: 0 } },
            // Whole widths: the text alone would put the mirrored parts between pixels.
            { tag: "check box", make: checkBox, props: { checked: true, width: 90 }, marks: [Qt.rect(3, 15, 18, 14)] },
            { tag: "radio button", make: radioButton, props: { checked: true } },
            { tag: "switch off", make: zelkSwitch },
            // The shadow falls from the left on the blue fill either way.
            { tag: "switch on", make: zelkSwitch, props: { checked: true }, tolerance: 64 },
            { tag: "big switch on", make: bigSwitch, props: { checked: true, width: 200 } },
            { tag: "callout turned a quarter", make: arrowNotation, props: { backgroundRotation: 90 }, rim: 110 },
            { tag: "callout, mirrored once shown", make: arrowNotation, late: true },
            { tag: "callout with a message", make: arrowNotation, props: { iconVisible: false, notation: "Hold still" } },
            { tag: "boxed notation", make: rectNotation },
            { tag: "note line", make: notation, props: { width: 500, content: "Keep the lens clean." } },
            { tag: "arrow button group", make: arrowGroup, props: { currentIndex: 0 } },
            { tag: "step bar", make: stepBar, props: { width: 800, margins: 100, currentStep: 1 } },
            { tag: "tool bar with labels", make: toolBar, props: { showLabels: true } },
            { tag: "panel collapsed", make: panel, props: { icon: "qrc:/images/cross.png" } },
            { tag: "panel expanded", make: panel, props: { expanded: true }, settled: ["contentArea", "opacity", 1] },
            { tag: "panel expanded, mirrored once shown", make: panel, props: { expanded: true }, settled: ["contentArea", "opacity", 1], late: true },
            { tag: "icon text button", make: iconTextButton, props: { text: "Export" } },
            { tag: "file selector", make: fileSelector, props: { width: 600, filePath: "/home/user/scan.ply" } },
            { tag: "choose page", make: choosePage, rim: 20 }
        ];
    }

    // Where a text's alignment puts its glyphs in the room its padding leaves.
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

    // Every shown text and picture under the item, in tree order, as
    // rectangles of the box: `rect` where it draws, `place` what a mirrored
    // layout must turn: for an editable text, which keeps the alignment of its
    // own writing, the room it has. What an effect draws from counts as shown.
    function glyphs(item, box, found, sources, drawn) {
        // The items that shown effects (glows, masks) draw from, hidden or not.
        sources = sources || collect(item, function(i) { return i.visible && i.opacity > 0 && i.source && i.source.children !== undefined; })
            .map(function(effect) { return effect.source; });
        drawn = drawn || sources.indexOf(item) >= 0;
        var isText = item.effectiveHorizontalAlignment !== undefined && item.contentWidth !== undefined, isPicture = item.sourceSize !== undefined && item.fillMode !== undefined;
        if ((item.visible || drawn) && item.opacity > 0 && ((isText && item.text !== "") || (isPicture && item.status === Image.Ready))) {
            var r = glyphRect(item), p = item.mapToItem(box, r.x, r.y), rect = Qt.rect(p.x, p.y, r.width, r.height);
            var room = item.cursorPosition === undefined ? null : item.mapToItem(box, item.leftPadding, r.y);
            found.push({ item: item, rect: rect, place: room ? Qt.rect(room.x, room.y, item.width - item.leftPadding - item.rightPadding, r.height) : rect });
        }
        Array.prototype.forEach.call(item.children, function(child) { glyphs(child, box, found, sources, drawn || sources.indexOf(child) >= 0); });
        return found;
    }

    function flipped(rect, box) { return Qt.rect(box.width - rect.x - rect.width, rect.y, rect.width, rect.height); }
    function grown(rect, by) { return Qt.rect(rect.x - by, rect.y - by, rect.width + 2 * by, rect.height + 2 * by); }

    function test_mirroredLooksTurned(data) {
        var rim = data.rim || 30, made = setUp(data, [side, rim], !data.late);
        var plainBox = made.subjectCell, mirroredBox = made.twinCell, plain = made.subject, mirrored = made.twin;
        if (data.late) {
            mirroredBox.mirrored = true;
            waitForRendering(mirrored);
        }
        if (data.settled)
            [plain, mirrored].forEach(function(control) { tryCompare(findChild(control, data.settled[0]), data.settled[1], data.settled[2]); });

        var plainGlyphs = glyphs(plain, plainBox, []), mirroredGlyphs = glyphs(mirrored, mirroredBox, []), skip = [];
        compare(mirroredGlyphs.length, plainGlyphs.length, "as many texts and pictures");
        plainGlyphs.forEach(function(glyph, i) {
            var turned = flipped(mirroredGlyphs[i].place, mirroredBox), expected = glyph.place;
            // Within 4 px: Qt's own text fields pad their left 4 px more than their right, mirrored or not.
            verify(Math.abs(turned.x - expected.x) <= 4 && Math.abs(turned.width - expected.width) <= 4 && Math.abs(turned.y - expected.y) <= 1,
                   (glyph.item.text || glyph.item.source) + " at " + turned + " instead of " + expected);
            // With room for the glow some of them wear.
            skip.push(grown(glyph.rect, 10), grown(flipped(mirroredGlyphs[i].rect, mirroredBox), 10));
        });
        (data.marks || []).forEach(function(r) {
            var inBox = Qt.rect(r.x + side, r.y + rim, r.width, r.height);
            skip.push(inBox, flipped(inBox, plainBox));
        });
        var result = { get difference() {
            TestSupport.grab(plainBox);
            // Within a pixel to either side: the gauge's ticks stand on half pixels.
            var d = TestSupport.mirrorDifference(plainBox, mirroredBox, skip, 1);
            return d.largest >= 0 && d.largest <= (data.tolerance || 40) ? "" : d.largest + " at (" + (d.x - side) + ", " + (d.y - rim) + ") of the control";
        } };
        tryCompare(result, "difference", "", 3000);
    }

    function cleanup() {
        var content = testCase.Window.contentItem;
        content.LayoutMirroring.enabled = content.LayoutMirroring.childrenInherit = false;
    }

    // A dialog in a mirrored window: its close button at the top left corner.
    function test_mirroredDialog() {
        var content = testCase.Window.contentItem;
        content.LayoutMirroring.enabled = content.LayoutMirroring.childrenInherit = true;
        var popup = createTemporaryObject(dialog, testCase);
        tryCompare(popup, "opened", true);
        var corner = findChild(popup, "closeArea").mapToItem(popup.background, 0, 0);
        compare([corner.x, corner.y], [popup.boundaryMargins, popup.boundaryMargins]);
    }
}
