import QtQuick 2.9
import QtQuick.Controls 2.2
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ui"
import "forms"

// What a screen reader is told about the items the library draws itself,
// read through the platform's accessibility interface (as an assistive tool
// reads it), and whether its press action does what a click does.
TestCase {
    id: testCase
    name: "Accessibility"
    when: windowShown
    visible: true
    width: 1000
    height: 800

    property var host

    function cleanup() {
        TestSupport.endAccessibility();
        if (host) {
            host.feedback.close();
            tryCompare(host.feedback, "visible", false);
            host = null;
        }
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
        ListElement { icon: "qrc:/images/medium_detail.png"; label: "Normal"; description: "Balanced" }
        ListElement { icon: "qrc:/images/low_detail.png"; label: "Coarse"; description: "Quick" }
    }

    readonly property var toolEntries: [
        { buttonName: "scan", label: "Scan", active: true, normalImageSource: "qrc:/images/cross.png",
          activeImageSource: "qrc:/images/cross.png", inactiveImageSource: "qrc:/images/cross.png" },
        { buttonName: "export", active: false, normalImageSource: "qrc:/images/cross.png",
          activeImageSource: "qrc:/images/cross.png", inactiveImageSource: "qrc:/images/cross.png" }
    ]

    Component { id: tabBarComponent; ZelkTabBar {} }
    Component { id: ratingComponent; ZelkRating { width: 400; levels: 5 } }
    Component { id: arrowGroupComponent; ZelkArrowButtonGroup { y: 10; model: arrowModel } }
    Component { id: stepBarComponent; ZelkStepBar { width: 1000; margins: 100; model: stepModel; currentStep: 1 } }
    Component { id: toolBarComponent; ZelkToolBar { x: 100; model: testCase.toolEntries } }
    Component { id: hComboComponent; ZelkHComboBox { model: tileModel } }
    Component { id: vComboComponent; ZelkVComboBox {} }
    Component { id: panelComponent; ZelkExpandableToolPanel {} }
    Component { id: dialogComponent; ZelkDialog { x: 100; y: 100 } }
    Component { id: deviceStepComponent; DeviceStepView { width: 740; height: 740; devices: ["Corvex-A1", "Corvex-B1", "Corvex-C2"] } }
    Component { id: hostComponent; FormHost {} }

    // Everything a press or a click can change, as one comparable string:
    // the row's own state, the signals the root emitted and the lines it logged.
    function effect(subject, data) {
        return JSON.stringify({ state: data.state(subject.root), signals: subject.emitted,
                                log: TestSupport.recordedMessages() });
    }

    function make(data) {
        var subject = { root: null, emitted: [] };
        if (data.component === hostComponent) {
            host = createTemporaryObject(hostComponent, testCase);
            tryCompare(host, "visible", true);
            subject.root = host.feedback;
        } else {
            subject.root = createTemporaryObject(data.component, testCase);
        }
        verify(subject.root);
        if (data.prepare)
            data.prepare(subject.root);
        if (subject.root.clicked !== undefined)
            subject.root.clicked.connect(function(name) { subject.emitted.push(name); });
        // A popup's own items hang under its content item, out of findChild's reach from the popup.
        var scope = subject.root === (host && host.feedback) ? subject.root.contentItem : subject.root;
        var item = null;
        tryVerify(function() { item = findChild(scope, data.item); return item !== null; }, 2000, data.item);
        // Not for the host's own window: waiting on a second window's
        // rendering leaves scene-graph nodes behind at exit.
        if (data.component !== hostComponent)
            waitForRendering(item);
        subject.item = item;
        return subject;
    }

    function pressedTwin(subject, data) {
        if (data.component === hostComponent)
            cleanup();
        return make(data);
    }

    function test_selfDrawn_data() {
        return [
            { tag: "tab bar tab", component: tabBarComponent, item: "tab1",
              role: Accessible.PageTab, name: "Accuracy Diagnostic",
              before: { selectable: true, selected: false }, after: { selected: true },
              state: function(root) { return [root.currentIndex, root.currentTabName]; } },
            { tag: "current tab bar tab", component: tabBarComponent, item: "tab0",
              role: Accessible.PageTab, name: "Calibration", unchanged: true,
              before: { selectable: true, selected: true }, after: { selected: true },
              state: function(root) { return root.currentIndex; } },
            { tag: "rating star", component: ratingComponent, item: "star2",
              role: Accessible.RadioButton, name: "Rating 3 of 5",
              before: { checkable: true, checked: false }, after: { checked: true },
              state: function(root) { return root.currentRate; } },
            { tag: "arrow group button", component: arrowGroupComponent, item: "buttonArea1",
              role: Accessible.RadioButton, name: "Handheld",
              before: { checkable: true, checked: false }, after: { checked: true },
              state: function(root) { return [root.currentIndex, root.currentButtonName]; } },
            { tag: "current arrow group button", component: arrowGroupComponent, item: "buttonArea0",
              role: Accessible.RadioButton, name: "Fixed",
              before: { checkable: true, checked: true }, after: { checked: true },
              state: function(root) { return root.currentIndex; } },
            { tag: "step bar: finished step's dot", component: stepBarComponent, item: "goBackArea0",
              role: Accessible.Button, name: "Go back to Prepare",
              before: { invisible: false }, after: {},
              state: function(root) { return root.currentStep; } },
            { tag: "tool bar entry", component: toolBarComponent, item: "toolButton0",
              role: Accessible.Button, name: "Scan",
              before: {}, after: {},
              state: function(root) { return null; } },
            { tag: "inactive tool bar entry, named by its button name", component: toolBarComponent,
              item: "toolButton1", role: Accessible.Button, name: "export", unchanged: true,
              before: {}, after: {},
              state: function(root) { return null; } },
            { tag: "horizontal picture tile", component: hComboComponent, item: "tile2",
              role: Accessible.ListItem, name: "Coarse", description: "Quick",
              clickAt: function(item) { return Qt.point(item.width / 2, 100); },
              before: { selectable: true, selected: false }, after: { selected: true },
              state: function(root) { return root.currentIndex; } },
            { tag: "vertical picture tile", component: vComboComponent, item: "tile0",
              role: Accessible.ListItem, name: "High Detail",
              before: { selectable: true, selected: false }, after: { selected: true },
              state: function(root) { return root.currentIndex; } },
            { tag: "expandable panel tile", component: panelComponent, item: "expandArea",
              role: Accessible.Button, name: "Additional Options",
              before: {}, after: {},
              state: function(root) { return root.expanded; } },
            { tag: "expandable panel back button", component: panelComponent, item: "shrinkArea",
              prepare: function(root) { root.expanded = true; },
              role: Accessible.Button, name: "Collapse",
              before: { invisible: false }, after: {},
              state: function(root) { return root.expanded; } },
            { tag: "dialog close button", component: dialogComponent, item: "closeArea",
              prepare: function(root) { root.open(); tryCompare(root, "opened", true); },
              role: Accessible.Button, name: "Close",
              before: {}, after: {},
              state: function(root) { return root.visible; } },
            { tag: "device step tab", component: deviceStepComponent, item: "deviceTab2",
              role: Accessible.PageTab, name: "Corvex-C2",
              before: { selectable: true, selected: false }, after: { selected: true },
              state: function(root) { return root.currentStep; } },
            { tag: "feedback form attachment row", component: hostComponent, item: "attachmentRow1",
              prepare: function(form) {
                  form.open();
                  tryCompare(form, "opened", true);
                  form.addFiles(["file:///C:/data/a.txt", "file:///C:/data/b.txt"]);
              },
              role: Accessible.ListItem, name: "C:/data/b.txt",
              before: { selectable: true, selected: false }, after: { selected: true },
              state: function(form) { return [form.attachments.get(0).selected, form.attachments.get(1).selected]; } }
        ];
    }

    function test_selfDrawn(data) {
        var subject = make(data);
        var info = TestSupport.accessible(subject.item);
        compare(info.role, data.role, "role");
        compare(info.name, data.name, "name");
        if (data.description !== undefined)
            compare(info.description, data.description, "description");
        for (var key in data.before)
            compare(info[key], data.before[key], key + " before");
        verify(info.actions.indexOf("Press") >= 0, "offers a press action");

        TestSupport.recordMessages();
        var before = effect(subject, data);
        verify(TestSupport.accessibleAction(subject.item, "Press"));
        var pressed;
        if (data.unchanged) {
            pressed = effect(subject, data);
            compare(pressed, before, "a press changes nothing here");
        } else {
            tryVerify(function() { pressed = effect(subject, data); return pressed !== before; }, 2000,
                      "the press did something");
        }
        info = TestSupport.accessible(subject.item);
        for (key in data.after)
            compare(info[key], data.after[key], key + " after");

        // The same item of a fresh twin, clicked with the mouse, ends the same way.
        var twin = pressedTwin(subject, data);
        var point = data.clickAt ? data.clickAt(twin.item) : Qt.point(twin.item.width / 2, twin.item.height / 2);
        TestSupport.recordMessages();
        mouseClick(twin.item, point.x, point.y);
        tryVerify(function() { return effect(twin, data) === pressed; }, 2000,
                  "a click does what the press did: " + effect(twin, data) + " vs " + pressed);
    }

    // Only what can be pressed is offered: the dots of the current and the
    // pending steps take no click and stay out of the reader's way.
    // The skins replace only looks: each control still reads as its kind,
    // named by its text, and a glyph-only button by the name its user gives.
    function test_controlsKeepRoles_data() {
        return [
            { tag: "ZelkButton", source: "ZelkButton { text: \"OK\" }", role: Accessible.Button, name: "OK" },
            { tag: "ZelkButton showing a glyph", source: "ZelkButton { text: ZelkDesign.fa.plus; font.family: ZelkDesign.faSolid; Accessible.name: \"Add\" }",
              role: Accessible.Button, name: "Add" },
            { tag: "ZelkBigButton", source: "ZelkBigButton { text: \"Turntable\" }", role: Accessible.Button, name: "Turntable" },
            { tag: "ZelkIconTextButton", source: "ZelkIconTextButton { text: \"Export\" }", role: Accessible.Button, name: "Export" },
            { tag: "ZelkIconButton", source: "ZelkIconButton { text: \"Lock\" }", role: Accessible.CheckBox, name: "Lock", checkable: true },
            { tag: "ZelkCheckBox", source: "ZelkCheckBox { text: \"Corvex-A1\" }", role: Accessible.CheckBox, name: "Corvex-A1", checkable: true },
            { tag: "ZelkRadioButton", source: "ZelkRadioButton { text: \"Fast\" }", role: Accessible.RadioButton, name: "Fast", checkable: true },
            { tag: "ZelkSwitch", source: "ZelkSwitch { text: \"Colour\" }", role: Accessible.CheckBox, name: "Colour", checkable: true },
            { tag: "ZelkBigSwitch", source: "ZelkBigSwitch { text: \"Texture\" }", role: Accessible.CheckBox, name: "Texture", checkable: true },
            { tag: "ZelkTabButton", source: "ZelkTabButton { text: \"Accuracy\" }", role: Accessible.PageTab, name: "Accuracy", checkable: true },
            { tag: "ZelkLabel", source: "ZelkLabel { text: \"Select devices:\" }", role: Accessible.StaticText, name: "Select devices:" },
            { tag: "ZelkTextField", source: "ZelkTextField { text: \"a@b.c\" }", role: Accessible.EditableText, name: "" },
            { tag: "ZelkTextArea", source: "ZelkTextArea {}", role: Accessible.EditableText, name: "" },
            { tag: "ZelkChooseComboBox", source: "ZelkChooseComboBox {}", role: Accessible.ComboBox, name: "First" },
            { tag: "ZelkHPureSlider", source: "ZelkHPureSlider {}", role: Accessible.Slider, name: "" }
        ];
    }

    function test_controlsKeepRoles(data) {
        var control = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + data.source, testCase);
        verify(control);
        var info = TestSupport.accessible(control);
        compare(info.role, data.role, "role");
        compare(info.name, data.name, "name");
        compare(info.checkable, data.checkable === true, "checkable");
    }

    function test_feedbackGlyphButtonsAreNamed() {
        host = createTemporaryObject(hostComponent, testCase);
        tryCompare(host, "visible", true);
        host.feedback.open();
        tryCompare(host.feedback, "opened", true);
        var names = ["addButton", "removeButton"].map(function(objectName) {
            var info = TestSupport.accessible(findChild(host.feedback.contentItem, objectName));
            return [info.role, info.name];
        });
        compare(names, [[Accessible.Button, "Add attachments"], [Accessible.Button, "Remove selected attachments"]]);
        compare(TestSupport.accessible(findChild(host.feedback.contentItem, "attachmentList")).name, "Attachments");
    }

    function test_stepBarOffersOnlyFinishedDots() {
        var bar = createTemporaryObject(stepBarComponent, testCase);
        var steps = [];
        tryVerify(function() { return findChild(bar, "step2") !== null; });
        for (var i = 0; i < 3; ++i) {
            var info = TestSupport.accessible(findChild(bar, "step" + i));
            compare(info.role, Accessible.ListItem);
            steps.push([info.name, info.description, info.selected]);
            compare(TestSupport.accessible(findChild(bar, "goBackArea" + i)).invisible, i !== 0, "dot " + i);
        }
        compare(steps, [["Prepare", "Done", false], ["Scan", "In Progress", true], ["Align", "-", false]]);
    }

    // The text items inside a drawn item repeat its name; the reader hears it once.
    function test_childrenSayItOnce_data() {
        return [
            { tag: "tab bar tab", component: tabBarComponent, item: "tab0" },
            { tag: "horizontal tile", component: hComboComponent, item: "tile0" },
            { tag: "vertical tile", component: vComboComponent, item: "tile1" },
            { tag: "step", component: stepBarComponent, item: "step1" },
            { tag: "device step tab", component: deviceStepComponent, item: "deviceTab0" }
        ];
    }

    function test_childrenSayItOnce(data) {
        var root = createTemporaryObject(data.component, testCase);
        var item = null;
        tryVerify(function() { item = findChild(root, data.item); return item !== null; });
        var children = TestSupport.accessibleChildren(item);
        for (var i = 0; i < children.length; ++i)
            verify(children[i].role !== Accessible.StaticText, "static text " + children[i].name);
    }

    function test_arrowGroupLabelsGiveWayToButtons() {
        var group = createTemporaryObject(arrowGroupComponent, testCase);
        tryVerify(function() { return findChild(group, "buttonArea1") !== null; });
        var names = TestSupport.accessibleChildren(group).filter(function(child) {
            return child.role === Accessible.RadioButton || child.role === Accessible.StaticText;
        }).map(function(child) { return [child.role, child.name]; });
        compare(names, [[Accessible.RadioButton, "Fixed"], [Accessible.RadioButton, "Handheld"]]);
    }

    function test_dialogWithoutCloseButtonOffersNone() {
        var dialog = createTemporaryObject(dialogComponent, testCase, { closeButtonVisible: false });
        dialog.open();
        tryCompare(dialog, "opened", true);
        var area = findChild(dialog, "closeArea");
        var names = TestSupport.accessibleChildren(area.parent).map(function(child) { return child.name; });
        verify(names.indexOf("Close") < 0, JSON.stringify(names));
        dialog.close();
    }
}
