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

    function make(data) {
        var subject = { root: createTemporaryObject(data.component, testCase), emitted: [] };
        if (subject.root.clicked !== undefined)
            subject.root.clicked.connect(function(name) { subject.emitted.push(name); });
        tryVerify(function() { subject.item = findChild(subject.root, data.item); return subject.item !== null; }, 2000, data.item);
        waitForRendering(subject.item);
        return subject;
    }

    // Everything a press or a click can change, as one comparable string: the
    // root's watched property, the signals it emitted and the lines it logged.
    function effect(subject, data) {
        return JSON.stringify([data.state ? subject.root[data.state] : null, subject.emitted, TestSupport.recordedMessages()]);
    }

    // flag: the state a press turns on ("selected" or "checked"), off before it;
    // key: what presses the item while it has the focus.
    function test_selfDrawn_data() {
        return [
            { tag: "tab bar tab", component: tabBarComponent, item: "tab1", role: Accessible.PageTab, name: "Accuracy Diagnostic", flag: "selected", state: "currentTabName", key: Qt.Key_Space },
            { tag: "rating star", component: ratingComponent, item: "star2", role: Accessible.RadioButton, name: "Rating 3 of 5", flag: "checked", state: "currentRate", key: Qt.Key_Return },
            { tag: "arrow group button", component: arrowGroupComponent, item: "buttonArea1", role: Accessible.RadioButton, name: "Handheld", flag: "checked", state: "currentIndex", key: Qt.Key_Space },
            { tag: "finished step's dot", component: stepBarComponent, item: "goBackArea0", role: Accessible.Button, name: "Go back to Prepare", state: "currentStep", key: Qt.Key_Return },
            { tag: "tool bar entry", component: toolBarComponent, item: "toolButton0", role: Accessible.Button, name: "Scan", key: Qt.Key_Return },
            { tag: "horizontal picture tile", component: hComboComponent, item: "tile1", role: Accessible.ListItem, name: "Coarse", description: "Quick", clickAt: Qt.point(50, 100), flag: "selected", state: "currentIndex", key: Qt.Key_Space },
            { tag: "expandable panel tile", component: panelComponent, item: "expandArea", role: Accessible.Button, name: "Additional Options", state: "expanded", key: Qt.Key_Enter },
            { tag: "dialog close button", component: dialogComponent, item: "closeArea", role: Accessible.Button, name: "Close", state: "visible" },
            { tag: "device step tab", component: deviceStepComponent, item: "deviceTab2", role: Accessible.PageTab, name: "Corvex-C2", flag: "selected", state: "currentStep" }
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
        if (!data.key)
            return;

        // And a third, given the focus as Tab gives it: the reader hears it can
        // take the focus and has it, and the key ends as the press did.
        var keyed = make(data);
        verify(TestSupport.accessible(keyed.item).focusable, "focusable");
        keyed.item.forceActiveFocus(Qt.TabFocusReason);
        verify(TestSupport.accessible(keyed.item).focused, "focused");
        TestSupport.recordMessages();
        keyClick(data.key);
        tryVerify(function() { return effect(keyed, data) === pressed; }, 2000, effect(keyed, data) + " vs " + pressed);
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
