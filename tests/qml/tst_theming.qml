import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/accentShades.js" as AccentShades

// One table over every published type: what a change of accent does to its
// pixels, and what disabling it does.
TestCase {
    id: testCase
    name: "Theming"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    // Black, so that a dimmed layer reads as its colour times its opacity.
    Rectangle { anchors.fill: parent; color: "black" }

    readonly property color stock: "#2e91ed"
    readonly property color green: "#3cc24a"

    ListModel {
        id: steps
        ListElement { name: "Scan"; info: "Done" }
        ListElement { name: "Align"; info: "" }
        ListElement { name: "Export"; info: "" }
    }
    ListModel {
        id: tiles
        ListElement { icon: "qrc:/images/high_detail.png"; label: "High"; description: "Slow" }
        ListElement { icon: "qrc:/images/low_detail.png"; label: "Low"; description: "Quick" }
    }
    ListModel {
        id: arrowButtons
        ListElement { buttonLabel: "Front"; buttonName: "front" }
        ListElement { buttonLabel: "Back"; buttonName: "back" }
    }

    readonly property var tools: [
        { buttonName: "a", active: true, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/cross.png",
          inactiveImageSource: "qrc:/images/Shade_Bright.png" },
        { buttonName: "b", active: true, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/cross.png",
          inactiveImageSource: "qrc:/images/Shade_Bright.png" }
    ]
    readonly property var choices: [
        { icon: "qrc:/images/cross.png", buttonText: "Scan", buttonName: "scan", buttonEnabled: true },
        { icon: "qrc:/images/cross.png", buttonText: "Align", buttonName: "align", buttonEnabled: true }
    ]

    Component { id: bigSwitch; ZelkBigSwitch { x: 20; y: 20; text: "Big" } }
    Component { id: busyIndicator; ZelkBusyIndicator { x: 20; y: 20 } }
    Component { id: button; ZelkButton { x: 20; y: 20; text: "Next" } }
    Component { id: bigButton; ZelkBigButton { x: 20; y: 20; backgroundWidth: 200; backgroundHeight: 200; iconSource: "qrc:/images/cross.png"; text: "Scan" } }
    Component { id: checkBox; ZelkCheckBox { x: 20; y: 20; text: "Check" } }
    Component { id: dialog; ZelkDialog { x: 20; y: 20; parent: testCase; title: "Dialog" } }
    Component { id: toolPanel; ZelkExpandableToolPanel { x: 20; y: 20; icon: "qrc:/images/cross.png" } }
    Component { id: fileSelector; ZelkFileSelector { x: 20; y: 20; filePath: "/home/user/a.txt" } }
    Component { id: arrowNotation; ZelkArrowNotation { x: 20; y: 20; iconSource: "qrc:/images/cross.png" } }
    Component { id: hComboBox; ZelkHComboBox { x: 20; y: 20; model: tiles } }
    Component { id: hSlider; ZelkHSlider { x: 20; y: 20; gaugeValueVisible: true } }
    Component { id: hPureSlider; ZelkHPureSlider { x: 20; y: 40; width: 300 } }
    Component { id: label; ZelkLabel { x: 20; y: 20; text: "Label" } }
    Component { id: notation; ZelkNotation { x: 20; y: 20; width: 500 } }
    Component { id: progressBar; ZelkProgressBar { x: 20; y: 20 } }
    Component { id: radioButton; ZelkRadioButton { x: 20; y: 20; text: "Radio" } }
    Component { id: stepBar; ZelkStepBar { x: 20; y: 20; width: 600; margins: 50; model: steps; currentStep: 1 } }
    Component { id: zelkSwitch; ZelkSwitch { x: 20; y: 20; text: "Switch" } }
    Component { id: tabButton; ZelkTabButton { x: 20; y: 20; width: 120; height: 40; text: "Tab" } }
    Component { id: headerPane; ZelkHeaderPane { x: 20; y: 20; width: 400; height: 300 } }
    Component { id: textField; ZelkTextField { x: 20; y: 20; width: 200; text: "Field" } }
    Component { id: toolBar; ZelkToolBar { x: 20; y: 20; model: testCase.tools } }
    Component { id: vComboBox; ZelkVComboBox { x: 20; y: 20 } }
    Component { id: vSlider; ZelkVSlider { x: 20; y: 20 } }
    Component { id: choosePage; ZelkChoosePage { x: 20; y: 20; width: 940; height: 560; model: testCase.choices } }
    Component { id: tabBar; ZelkTabBar { x: 20; y: 20 } }
    Component { id: iconButton; ZelkIconButton { x: 20; y: 20; normalIconSource: "qrc:/images/cross.png"; activeIconSource: "qrc:/images/cross.png" } }
    Component { id: iconTextButton; ZelkIconTextButton { x: 20; y: 20; text: "Check device"; activeIcon: "qrc:/images/cross.png"; inactiveIcon: "qrc:/images/Shade_Bright.png" } }
    Component { id: arrowButtonGroup; ZelkArrowButtonGroup { x: 20; y: 20; model: arrowButtons } }
    Component { id: rectNotation; ZelkRectNotation { x: 20; y: 20; iconSource: "qrc:/images/cross.png" } }
    Component { id: popupChooseView; ZelkPopupChooseView { x: 20; y: 20; width: 940; height: 560; model: testCase.choices } }
    Component { id: chooseComboBox; ZelkChooseComboBox { x: 20; y: 20 } }
    Component { id: textArea; ZelkTextArea { x: 20; y: 20; width: 200; height: 100; text: "Area" } }
    Component { id: rating; ZelkRating { x: 20; y: 20; width: 250; levels: 5; currentRate: 2 } }

    // One row per published type. lit: what makes it show its accent
    // (properties, or a function of the control); accent: whether it then
    // shows one; margin: how far its drawing reaches beyond its box. dims:
    // what disabling it at rest does: "none" (a display or a frame: nothing),
    // "own" (a look its Part gives it), "flat" (what changes keeps 0.3 of its
    // light: dimmed parts that do not overlap, or one flattened picture) or
    // "layers" (its parts dim one by one and show through each other a little).
    function test_table_data() {
        function child(name) { return function(control) { return findChild(control, name); }; }
        function focused(control) { control.forceActiveFocus(); }
        // Focused without a blinking cursor, which would differ from grab to grab.
        function typing(control) { control.forceActiveFocus(); control.cursorVisible = false; }
        return [
            { tag: "ZelkBigSwitch", make: bigSwitch, accent: true, dims: "own" },
            { tag: "ZelkBusyIndicator", make: busyIndicator, accent: true, dims: "none" },
            { tag: "ZelkButton", make: button, lit: focused, accent: true, dims: "flat" },
            { tag: "ZelkBigButton", make: bigButton, lit: focused, accent: true, margin: 12, dims: "own" },
            { tag: "ZelkCheckBox", make: checkBox, lit: { checked: true }, accent: true, dims: "flat" },
            { tag: "ZelkDialog", make: dialog, popup: true, lit: function(control) { pointAt(findChild(control, "closeArea")); },
              accent: true, dims: "none" },
            { tag: "ZelkExpandableToolPanel", make: toolPanel, accent: false, dims: "flat" },
            { tag: "ZelkFileSelector", make: fileSelector, accent: false, dims: "own" },
            { tag: "ZelkArrowNotation", make: arrowNotation, accent: false, dims: "none", margin: 12 },
            { tag: "ZelkHComboBox", make: hComboBox, accent: true, dims: "flat" },
            { tag: "ZelkHSlider", make: hSlider, accent: true, margin: 20, dims: "layers" },
            { tag: "ZelkHPureSlider", make: hPureSlider, accent: true, margin: 12, dims: "layers" },
            { tag: "ZelkLabel", make: label, accent: false, dims: "none" },
            { tag: "ZelkNotation", make: notation, accent: false, dims: "none" },
            { tag: "ZelkProgressBar", make: progressBar, accent: true, margin: 20, dims: "none" },
            { tag: "ZelkRadioButton", make: radioButton, lit: { checked: true }, accent: true, margin: 60, dims: "flat" },
            { tag: "ZelkStepBar", make: stepBar, accent: true, margin: 20, dims: "layers" },
            { tag: "ZelkSwitch", make: zelkSwitch, lit: { checked: true }, accent: true, dims: "flat" },
            { tag: "ZelkTabButton", make: tabButton, lit: { checked: true }, accent: true, dims: "flat" },
            { tag: "ZelkHeaderPane", make: headerPane, accent: false, dims: "none" },
            { tag: "ZelkTextField", make: textField, lit: typing, accent: true, dims: "own" },
            { tag: "ZelkToolBar", make: toolBar, lit: function(control) { child("toolButton0")(control).forceActiveFocus(); },
              accent: true, margin: 12, dims: "own" },
            { tag: "ZelkVComboBox", make: vComboBox, accent: true, dims: "flat" },
            { tag: "ZelkVSlider", make: vSlider, accent: true, margin: 20, dims: "layers" },
            { tag: "ZelkChoosePage", make: choosePage, accent: false, dims: "own" },
            { tag: "ZelkTabBar", make: tabBar, accent: true, margin: 12, dims: "flat" },
            { tag: "ZelkIconButton", make: iconButton, accent: false, dims: "flat" },
            { tag: "ZelkIconTextButton", make: iconTextButton, lit: focused, accent: true, dims: "own" },
            { tag: "ZelkArrowButtonGroup", make: arrowButtonGroup, accent: true, dims: "flat" },
            { tag: "ZelkRectNotation", make: rectNotation, accent: false, margin: 12, dims: "none" },
            { tag: "ZelkPopupChooseView", make: popupChooseView, popup: true, accent: false, dims: "own" },
            { tag: "ZelkChooseComboBox", make: chooseComboBox, lit: focused, accent: true, dims: "own" },
            { tag: "ZelkTextArea", make: textArea, lit: typing, accent: true, dims: "flat" },
            { tag: "ZelkRating", make: rating, accent: true, dims: "flat" }
        ];
    }

    function initTestCase() {
        TestSupport.useGreyText();
    }

    function cleanup() {
        ZelkDesign.themeColor = stock;
    }

    function pointAt(item) {
        var centre = item.mapToItem(testCase, item.width / 2, item.height / 2);
        mouseMove(testCase, centre.x, centre.y);
    }

    function make(data, props) {
        var control = createTemporaryObject(data.make, testCase, props || {});
        if (data.popup) {
            control.open();
            tryCompare(control, "opened", true);
        }
        // Stopped, so that the spinner stands still between grabs.
        var rotation = findChild(control, "rotation");
        if (rotation)
            rotation.running = false;
        return control;
    }

    // Unchanged over three frames of the window: every animation and first
    // paint is over (a running animation moves on with each frame).
    function settle(item, margin) {
        var steadySince = TestSupport.frames(item);
        TestSupport.grab(item);
        TestSupport.keep("previous");
        tryVerify(function() {
            var frame = TestSupport.frames(item);
            TestSupport.grab(item);
            if (TestSupport.compareWithKept(item, "previous", margin).largest > 0)
                steadySince = frame;
            TestSupport.keep("previous");
            return frame - steadySince >= 3;
        }, 5000, "the control comes to rest");
    }

    function test_table(data) {
        var margin = data.margin || 4;
        mouseMove(testCase, testCase.width - 5, testCase.height - 5);

        // The lit control under the stock accent, under a green one, and back.
        var control = make(data, typeof data.lit === "object" ? data.lit : {});
        if (typeof data.lit === "function")
            data.lit(control);
        var item = data.popup ? control.background : control;
        settle(item, margin);
        TestSupport.keep("stock");
        ZelkDesign.themeColor = green;
        settle(item, margin);
        var change = TestSupport.compareWithKept(item, "stock", margin, stock, green);
        if (data.accent) {
            verify(change.accentPixels > 20, "the accent shows: " + JSON.stringify(change));
            compare(change.stayed, 0, "accent pixels that kept the stock hue");
        } else {
            compare([change.accentPixels, change.largest], [0, 0], "no accent, nothing changes");
        }
        compare(change.strays, 0, "other pixels that changed with the accent");
        ZelkDesign.themeColor = stock;
        settle(item, margin);
        compare(TestSupport.compareWithKept(item, "stock", margin).largest, 0, "the stock accent draws as before");

        // The control at rest, enabled and then not.
        if (data.lit) {
            control.visible = false;
            control = make(data);
            item = data.popup ? control.background : control;
            settle(item, margin);
            TestSupport.keep("stock");
        }
        control.enabled = false;
        settle(item, margin);
        var dimmed = TestSupport.compareWithKept(item, "stock", margin);
        var light = "light kept: " + dimmed.brightness;
        if (data.dims === "none")
            compare(dimmed.largest, 0, "a display does not change");
        else if (data.dims === "own")
            verify(dimmed.largest > 40, "a look of its own");
        else if (data.dims === "flat")
            verify(Math.abs(dimmed.brightness - 0.3) <= 0.04, light);
        else
            verify(dimmed.brightness > 0.3 && dimmed.brightness < 0.45, light);
    }

    // A shade keeps to the accent the hue turn, saturation and value it has
    // to the stock accent; under the stock accent it is the drawn colour itself.
    function test_shades_data() {
        return [
            { tag: "stock accent", accent: "#2e91ed", shades: ["#3ea2ff", "#004d94", "#88184669"] },
            { tag: "green", accent: "#3cc24a", shades: ["#49d158", "#11791c", "#881d5620"] },
            { tag: "red", accent: "#ed2e2e", shades: ["#ff3e3e", "#940000", "#8869181c"] },
            { tag: "grey stays grey", accent: "#808080", shades: ["#8a8a8a", "#505050", "#88393939"] },
            { tag: "value held at full", accent: "#ffff00", shades: ["#ffff10", "#9f9f00", "#88716c05"] }
        ];
    }

    function test_shades(data) {
        compare(["#3ea2ff", "#004d94", "#88184669"].map(function(reference) { return AccentShades.follow(data.accent, reference); }),
                data.shades);
        compare(AccentShades.follow(data.accent, "#2e91ed").toLowerCase(), data.accent, "the stock accent itself becomes the accent");
    }

    // The table covers the module's types, no more and no fewer.
    function test_tableCoversTheModule() {
        // A type's line is its name, its version and its document.
        var published = TestSupport.fileText(":/ZelkDesign/qmldir").split("\r\n")
            .map(function(line) { return line.split(" "); })
            .filter(function(fields) { return fields.length === 3 && /\.qml$/.test(fields[2]); })
            .map(function(fields) { return fields[0]; });
        compare(test_table_data().map(function(row) { return row.tag; }).sort(), published.sort());
    }
}
