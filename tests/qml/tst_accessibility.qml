import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ui"

// What a screen reader is told about the items the library draws itself,
// read through the platform's accessibility interface (as an assistive tool
// reads it), and whether its press action does what a click does, and what
// its key does when it has the focus.
TestCase {
    id: testCase
    name: "Accessibility"
    when: windowShown
    visible: true
    width: 1000
    height: 800

    function cleanup() {
        TestSupport.endAccessibility();
    }

    ListModel {
        id: arrowModel
        ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" }
    }

    ListModel {
        id: stepModel
        ListElement { name: "Prepare"; info: "Done" }
        ListElement { name: "Scan"; info: "12 frames" }
        ListElement { name: "Align"; info: "" }
    }

    ListModel {
        id: tileModel
        ListElement { icon: "qrc:/images/high_detail.png"; label: "Fine"; description: "Slow and sharp" }
        ListElement { icon: "qrc:/images/low_detail.png"; label: "Coarse"; description: "Quick" }
    }

    Component { id: tabBarComponent; ZelkTabBar {} }
    Component { id: ratingComponent; ZelkRating { width: 400; levels: 5 } }
    Component { id: arrowGroupComponent; ZelkArrowButtonGroup { y: 10; model: arrowModel } }
    Component { id: stepBarComponent; ZelkStepBar { width: 1000; margins: 100; model: stepModel; currentStep: 1 } }
    Component { id: toolBarComponent; ZelkToolBar { x: 100; model: [{ buttonName: "scan", label: "Scan", active: true }] } }
    Component { id: hComboComponent; ZelkHComboBox { model: tileModel; currentIndex: 0 } }
    Component { id: panelComponent; ZelkExpandableToolPanel {} }
    Component { id: dialogComponent; ZelkDialog { x: 100; y: 100; Component.onCompleted: open() } }
    Component { id: deviceStepComponent; DeviceStepView { width: 740; height: 740; devices: ["Corvex-A1", "Corvex-B1", "Corvex-C2"] } }
    Component {
        id: feedbackComponent
        UserFeedbackDialog {
            Component.onCompleted: {
                open();
                addFiles(["file:///scans/a.ply", "file:///scans/b.ply"]);
            }
        }
    }

    // part: the root's property to look for the item in (a popup's rows are
    // in its content item, which is not among its children).
    function make(data) {
        var subject = { root: createTemporaryObject(data.component, testCase), emitted: [] };
        if (subject.root.clicked !== undefined)
            subject.root.clicked.connect(function(name) { subject.emitted.push(name); });
        subject.find = function(name) { return findChild(data.part ? subject.root[data.part] : subject.root, name); };
        tryVerify(function() { subject.item = subject.find(data.item); return subject.item !== null; }, 2000, data.item);
        waitForRendering(subject.item);
        return subject;
    }

    // Everything a press or a click can change, as one comparable string: the
    // root's watched property (or what a function reads of it), the signals it
    // emitted and the lines it logged.
    function effect(subject, data) {
        var state = typeof data.state === "function" ? data.state(subject.root) : data.state ? subject.root[data.state] : null;
        return JSON.stringify([state, subject.emitted, TestSupport.recordedMessages()]);
    }

    // flag: the state a press turns on ("selected" or "checked"), off before it;
    // keys: what presses the item from the keyboard, pressed on `focus` (the
    // item itself unless named), after which `focusEnd` (`focus` unless named)
    // holds the focus.
    function test_selfDrawn_data() {
        return [
            { tag: "tab bar tab", component: tabBarComponent, item: "tab1", role: Accessible.PageTab, name: "Accuracy Diagnostic", flag: "selected", state: "currentTabName", keys: [Qt.Key_Space] },
            { tag: "rating star", component: ratingComponent, item: "star2", role: Accessible.RadioButton, name: "Rating 3 of 5", flag: "checked", state: "currentRate", keys: [Qt.Key_Return] },
            { tag: "arrow group button", component: arrowGroupComponent, item: "buttonArea1", role: Accessible.RadioButton, name: "Handheld", flag: "checked", state: "currentIndex", keys: [Qt.Key_Space] },
            { tag: "finished step's dot", component: stepBarComponent, item: "goBackArea0", role: Accessible.Button, name: "Go back to Prepare", state: "currentStep", keys: [Qt.Key_Return] },
            { tag: "tool bar entry", component: toolBarComponent, item: "toolButton0", role: Accessible.Button, name: "Scan", keys: [Qt.Key_Return] },
            { tag: "horizontal picture tile", component: hComboComponent, item: "tile1", role: Accessible.ListItem, name: "Coarse", description: "Quick", clickAt: Qt.point(50, 100), flag: "selected", state: "currentIndex", keys: [Qt.Key_Space] },
            // Opened, the panel hands the focus to its back button.
            { tag: "expandable panel tile", component: panelComponent, item: "expandArea", role: Accessible.Button, name: "Additional Options", state: "expanded", keys: [Qt.Key_Enter], focusEnd: "shrinkArea" },
            // Escape closes the dialog; the cross is for the pointer alone.
            { tag: "dialog close button", component: dialogComponent, item: "closeArea", role: Accessible.Button, name: "Close", state: "visible" },
            // The current tab is the row's one stop; the arrows go on to the tab, the focus with them.
            { tag: "device step tab", component: deviceStepComponent, item: "deviceTab2", role: Accessible.PageTab, name: "Corvex-C2", flag: "selected", state: "currentStep",
              focus: "deviceTab0", keys: [Qt.Key_Right, Qt.Key_Right], focusEnd: "deviceTab2" },
            // The list holds the keyboard for its rows: Down to the row, Space selects it.
            { tag: "feedback attachment row", component: feedbackComponent, part: "contentItem", item: "attachmentRow1", role: Accessible.ListItem, name: "/scans/b.ply", flag: "selected",
              state: function(form) { return [form.attachments.get(0).selected, form.attachments.get(1).selected]; },
              focus: "attachmentList", keys: [Qt.Key_Down, Qt.Key_Space] }
        ];
    }

    function test_selfDrawn(data) {
        var subject = make(data);
        var info = TestSupport.accessible(subject.item);
        compare([info.role, info.name, info.description || ""], [data.role, data.name, data.description || ""]);
        if (data.flag)
            compare([info[data.flag === "selected" ? "selectable" : "checkable"], info[data.flag]], [true, false], data.flag + " before");
        TestSupport.recordMessages();
        var before = effect(subject, data), pressed;
        verify(TestSupport.accessibleAction(subject.item, "Press"));
        tryVerify(function() { pressed = effect(subject, data); return pressed !== before; }, 2000, "the press did something");
        if (data.flag)
            verify(TestSupport.accessible(subject.item)[data.flag], data.flag + " after");
        // The text drawn in or beside it repeats its name; the reader hears it once.
        var texts = TestSupport.accessibleChildren(subject.root.children ? subject.root : subject.root.contentItem)
            .concat(TestSupport.accessibleChildren(subject.item))
            .filter(function(child) { return child.role === Accessible.StaticText; }).map(function(child) { return child.name; });
        verify(texts.indexOf(data.name) < 0, "the name is said twice: " + texts);

        // The same item of a fresh twin, clicked with the mouse, ends the same way.
        var twin = make(data);
        var point = data.clickAt || Qt.point(twin.item.width / 2, twin.item.height / 2);
        TestSupport.recordMessages();
        mouseClick(twin.item, point.x, point.y);
        tryVerify(function() { return effect(twin, data) === pressed; }, 2000, effect(twin, data) + " vs " + pressed);
        if (!data.keys)
            return;

        // And a third, given the focus as Tab gives it: the reader hears it can
        // take the focus and has it, the keys end as the press did, and the
        // reader hears where the focus went.
        var keyed = make(data);
        var holder = data.focus ? keyed.find(data.focus) : keyed.item;
        verify(TestSupport.accessible(holder).focusable, "focusable");
        holder.forceActiveFocus(Qt.TabFocusReason);
        verify(TestSupport.accessible(holder).focused, "focused");
        TestSupport.recordMessages();
        data.keys.forEach(function(key) { keyClick(key); });
        tryVerify(function() { return effect(keyed, data) === pressed; }, 2000, effect(keyed, data) + " vs " + pressed);
        var end = data.focusEnd ? keyed.find(data.focusEnd) : holder;
        verify(TestSupport.accessible(end).focused, (data.focusEnd || data.focus || data.item) + " has the focus");
    }

    // Only what can be pressed is offered: the dots of the current and the
    // pending steps, and a hidden close button, stay out of the reader's way.
    function test_unpressableIsHidden() {
        var bar = createTemporaryObject(stepBarComponent, testCase);
        tryVerify(function() { return findChild(bar, "goBackArea2") !== null; });
        compare([0, 1, 2].map(function(i) { return TestSupport.accessible(findChild(bar, "goBackArea" + i)).invisible; }),
                [false, true, true]);
        var dialog = createTemporaryObject(dialogComponent, testCase, { closeButtonVisible: false });
        tryCompare(dialog, "opened", true);
        var names = TestSupport.accessibleChildren(findChild(dialog, "closeArea").parent).map(function(child) { return child.name; });
        verify(names.indexOf("Close") < 0, JSON.stringify(names));
        dialog.close();
    }
}
