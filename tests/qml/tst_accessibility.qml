import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ui"

TestCase {
    id: testCase
    name: "Accessibility"
    when: windowShown
    visible: true
    width: 1000
    height: 800

    function cleanup() { TestSupport.endAccessibility(); }

    ListModel { id: arrowModel; ListElement { buttonLabel: "Fixed"; buttonName: "fixed" } ListElement { buttonLabel: "Handheld"; buttonName: "handheld" } }
    ListModel { id: stepModel; ListElement { name: "Prepare"; info: "Done" } ListElement { name: "Scan"; info: "12 frames" } ListElement { name: "Align"; info: "" } }
    ListModel { id: tileModel; ListElement { icon: "qrc:/images/high_detail.png"; label: "Fine"; description: "Slow and sharp" }
        ListElement { icon: "qrc:/images/low_detail.png"; label: "Coarse"; description: "Quick" } }

    Component { id: tabBar; ZelkTabBar {} }
    Component { id: rating; ZelkRating { width: 400; levels: 5 } }
    Component { id: arrowGroup; ZelkArrowButtonGroup { y: 10; model: arrowModel } }
    Component { id: panel; ZelkExpandableToolPanel {} }
    Component { id: stepBar; ZelkStepBar { width: 1000; margins: 100; model: stepModel; currentStep: 1 } }
    Component { id: toolBar; ZelkToolBar { x: 100; model: [{ buttonName: "scan", label: "Scan", active: true }] } }
    Component { id: hCombo; ZelkHComboBox { model: tileModel; currentIndex: 0 } }
    Component { id: dialog; ZelkDialog { x: 100; y: 100; Component.onCompleted: open() } }
    Component { id: deviceStep; DeviceStepView { width: 740; height: 740; devices: ["Corvex-A1", "Corvex-B1", "Corvex-C2"] } }
    Component { id: feedback; UserFeedbackDialog { Component.onCompleted: { open(); addFiles(["file:///scans/a.ply", "file:///scans/b.ply"]); } } }

    // What a screen reader hears of the items the library draws itself, and whether their press action does
    // what a click does. flag: turned on by a press; state: what a press changes; part: where the item is
    // (a popup's rows are in its content item); focus: what Tab gives the focus to, if not the item.
    function test_accessible_data() {
        return [
            { tag: "tab bar tab", make: tabBar, item: "tab1", role: Accessible.PageTab, name: "Accuracy Diagnostic", flag: "selected", state: "currentTabName" },
            { tag: "rating star", make: rating, item: "star2", role: Accessible.RadioButton, name: "Rating 3 of 5", flag: "checked", state: "currentRate" },
            { tag: "arrow group button", make: arrowGroup, item: "buttonArea1", role: Accessible.RadioButton, name: "Handheld", flag: "checked", state: "currentIndex" },
            { tag: "finished step's dot", make: stepBar, item: "goBackArea0", role: Accessible.Button, name: "Go back to Prepare", state: "currentStep" },
            { tag: "tool bar entry", make: toolBar, item: "toolButton0", role: Accessible.Button, name: "Scan" },
            { tag: "horizontal picture tile", make: hCombo, item: "tile1", role: Accessible.ListItem, name: "Coarse", description: "Quick",
              clickAt: Qt.point(50, 100), flag: "selected", state: "currentIndex" },
            { tag: "expandable panel tile", make: panel, item: "expandArea", role: Accessible.Button, name: "Additional Options", state: "expanded" },
            // Escape closes the dialog; the cross is for the pointer alone.
            { tag: "dialog close button", make: dialog, item: "closeArea", role: Accessible.Button, name: "Close", state: "visible", focus: null },
            { tag: "device step tab", make: deviceStep, item: "deviceTab2", role: Accessible.PageTab, name: "Corvex-C2", flag: "selected", state: "currentStep", focus: "deviceTab0" },
            { tag: "feedback attachment row", make: feedback, part: "contentItem", item: "attachmentRow1", role: Accessible.ListItem, name: "/scans/b.ply", flag: "selected",
              state: function(form) { return [form.attachments.get(0).selected, form.attachments.get(1).selected]; }, focus: "attachmentList" }
        ];
    }

    function test_accessible(data) {
        var made = function() {
            var subject = { root: createTemporaryObject(data.make, testCase), emitted: [] };
            if (subject.root.clicked !== undefined)
                subject.root.clicked.connect(function(name) { subject.emitted.push(name); });
            subject.find = function(name) { return findChild(data.part ? subject.root[data.part] : subject.root, name); };
            tryVerify(function() { subject.item = subject.find(data.item); return subject.item !== null; }, 2000, data.item);
            // Drawn now: a frame waited for may already have gone by while
            // the search above waited for the item.
            verify(TestSupport.grab(subject.item), "drawn");
            return subject;
        };
        // What a press or a click changed: the watched state, the signals and the lines logged.
        var effect = function(subject) {
            return JSON.stringify([typeof data.state === "function" ? data.state(subject.root) : data.state ? subject.root[data.state] : null, subject.emitted, TestSupport.recordedMessages()]);
        };
        var subject = made(), info = TestSupport.accessible(subject.item);
        compare([info.role, info.name, info.description || ""], [data.role, data.name, data.description || ""]);
        if (data.flag)
            compare([info[data.flag === "selected" ? "selectable" : "checkable"], info[data.flag]], [true, false], data.flag + " before");
        // The reader hears that the item Tab reaches can take the focus, and has it.
        if (data.focus !== null) {
            var holder = data.focus ? subject.find(data.focus) : subject.item;
            verify(TestSupport.accessible(holder).focusable, "focusable");
            holder.forceActiveFocus(Qt.TabFocusReason);
            verify(TestSupport.accessible(holder).focused, "focused");
        }
        TestSupport.recordMessages();
        var unpressed = effect(subject), pressed;
        verify(TestSupport.accessibleAction(subject.item, "Press"));
        tryVerify(function() { pressed = effect(subject); return pressed !== unpressed; }, 2000, "the press did something");
        if (data.flag)
            verify(TestSupport.accessible(subject.item)[data.flag], data.flag + " after");
        // The text drawn in or beside it repeats its name; the reader hears it once.
        var texts = TestSupport.accessibleChildren(subject.root.children ? subject.root : subject.root.contentItem)
            .concat(TestSupport.accessibleChildren(subject.item))
            .filter(function(child) { return child.role === Accessible.StaticText; }).map(function(child) { return child.name; });
        verify(texts.indexOf(data.name) < 0, "the name is said twice: " + texts);

        // The same item of a fresh twin, clicked, ends the same way.
        var twin = made(), point = data.clickAt || Qt.point(twin.item.width / 2, twin.item.height / 2);
        TestSupport.recordMessages();
        mouseClick(twin.item, point.x, point.y);
        tryVerify(function() { return effect(twin) === pressed; }, 2000, effect(twin) + " vs " + pressed);
    }

    // Only what can be pressed is offered: the dots of the current and the
    // pending steps, and a hidden close button, stay out of the reader's way.
    function test_unpressableIsHidden() {
        var bar = createTemporaryObject(stepBar, testCase);
        tryVerify(function() { return findChild(bar, "goBackArea2") !== null; });
        compare([0, 1, 2].map(function(i) { return TestSupport.accessible(findChild(bar, "goBackArea" + i)).invisible; }), [false, true, true]);
        var popup = createTemporaryObject(dialog, testCase, { closeButtonVisible: false });
        tryCompare(popup, "opened", true);
        var names = TestSupport.accessibleChildren(findChild(popup, "closeArea").parent).map(function(child) { return child.name; });
        verify(names.indexOf("Close") < 0, JSON.stringify(names));
    }
}
