import QtQuick 2.9
// As a host application does; this is what brings the style in.
import QtQuick.Controls 2.2 as Stock
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

// The library under whatever Qt Quick Controls style the host application
// picks. CTest runs this file under the plain style the start-up pins
// (Default; Basic on Qt 6), which saves how every control looks
// (ORVANE_STYLE_REFERENCE), then once per other style (ORVANE_HOST_STYLE,
// which the runner chooses as a host would), where every control must come
// out the same size and the same picture. A style sets its fonts and palette
// for the whole process, so the styles cannot be compared side by side in one run.
TestCase {
    id: testCase
    name: "HostStyle"
    when: windowShown
    visible: true
    width: 720
    height: 480

    readonly property string style: TestSupport.styleName()
    readonly property string hostStyle: TestSupport.environment("ORVANE_HOST_STYLE")
    readonly property bool reference: hostStyle === ""
    readonly property string folder: TestSupport.environment("ORVANE_STYLE_REFERENCE",
                                                             TestSupport.environment("TMPDIR", "/tmp") + "/orvane-style-reference")
    // Two runs of one build already differ by up to 3 levels at a few dozen
    // antialiased pixels (llvmpipe); what a style changes differs by far more.
    readonly property int tolerance: 4

    Rectangle { anchors.fill: parent; color: "#303030" }

    Item { id: stage; anchors.fill: parent }

    ListModel {
        id: tiles
        ListElement { icon: "qrc:/images/texture_fine.png"; label: "Fine"; description: "Small, dense features" }
        ListElement { icon: "qrc:/images/texture_coarse.png"; label: "Coarse"; description: "Large surfaces" }
    }
    ListModel {
        id: steps
        ListElement { name: "Connect"; info: "USB 3" }
        ListElement { name: "Scan"; info: "" }
        ListElement { name: "Align"; info: "" }
    }
    ListModel {
        id: arrowButtons
        ListElement { buttonLabel: "Fixed"; buttonName: "fixed" }
        ListElement { buttonLabel: "Handheld"; buttonName: "handheld" }
    }
    readonly property var choices: [
        { icon: "qrc:/images/scan_mode_fixed.png", buttonText: "Fixed", buttonName: "fixed", buttonEnabled: true },
        { icon: "qrc:/images/scan_mode_turntable.png", buttonText: "Turntable", buttonName: "turntable", buttonEnabled: false }
    ]
    readonly property var tools: [
        { buttonName: "shade", label: "Shade", active: true, normalImageSource: "qrc:/images/Shade_Medium.png" },
        { buttonName: "grain", label: "Grain", active: false, inactiveImageSource: "qrc:/images/texture_coarse.png" }
    ]

    Component { id: bigSwitch; ZelkBigSwitch { text: "Turntable" } }
    Component { id: busyIndicator; ZelkBusyIndicator {} }
    Component { id: button; ZelkButton { text: "Open dialog" } }
    Component { id: bigButton; ZelkBigButton { text: "High detail"; iconSource: "qrc:/images/high_detail.png"; backgroundWidth: 200; backgroundHeight: 200 } }
    Component { id: checkBox; ZelkCheckBox { text: "Orvane S1"; checked: true } }
    Component { id: dialog; ZelkDialog { x: 20; y: 20; title: "New Project"; dialogHeight: 200; Text { text: "Body"; color: "white" } } }
    Component { id: toolPanel; ZelkExpandableToolPanel { title: "Mesh Options"; icon: "qrc:/images/cross.png"; expanded: true } }
    Component { id: fileSelector; ZelkFileSelector { width: 600; filePath: "/home/user/scans/board.ply" } }
    Component { id: arrowNotation; ZelkArrowNotation { iconSource: "qrc:/images/24x24_Attention.png" } }
    Component { id: hComboBox; ZelkHComboBox { model: tiles; currentIndex: 1 } }
    Component { id: hSlider; ZelkHSlider { width: 600; gaugeValueVisible: true } }
    Component { id: hPureSlider; ZelkHPureSlider { width: 300 } }
    Component { id: label; ZelkLabel { text: "E-mail <font color=\"#2e91ed\">*</font>, <a href=\"help\">help</a>" } }
    Component { id: notation; ZelkNotation { width: 500; order: "a."; content: "Keep the turntable free of other objects." } }
    Component { id: progressBar; ZelkProgressBar { value: 0.42; title: "Copying scans" } }
    Component { id: radioButton; ZelkRadioButton { text: "Fine"; checked: true } }
    Component { id: stepBar; ZelkStepBar { width: 600; margins: 40; model: steps; currentStep: 1 } }
    Component { id: zelkSwitch; ZelkSwitch { text: "Auto align"; checked: true } }
    Component { id: tabButton; ZelkTabButton { width: 120; height: 50; text: "Scan"; checked: true } }
    Component { id: headerPane; ZelkHeaderPane { width: 400; height: 200 } }
    Component { id: textField; ZelkTextField { width: 200; text: "scanner-01" } }
    Component { id: toolBar; ZelkToolBar { model: tools; showLabels: true; x: 100 } }
    Component { id: vComboBox; ZelkVComboBox {} }
    Component { id: vSlider; ZelkVSlider {} }
    Component { id: choosePage; ZelkChoosePage { width: 700; height: 300; buttonWidth: 150; buttonHeight: 150; model: choices } }
    Component { id: tabBar; ZelkTabBar {} }
    Component { id: iconButton; ZelkIconButton { normalIconSource: "qrc:/images/cross.png"; activeIconSource: "qrc:/images/board.png" } }
    Component { id: iconTextButton; ZelkIconTextButton { text: "Check device"; activeIcon: "qrc:/images/24x24_Attention.png" } }
    Component { id: arrowButtonGroup; ZelkArrowButtonGroup { model: arrowButtons; currentIndex: 1 } }
    Component { id: rectNotation; ZelkRectNotation { iconSource: "qrc:/images/24x24_Attention.png" } }
    Component { id: popupChooseView; ZelkPopupChooseView { width: 600; height: 300; buttonWidth: 150; buttonHeight: 150; model: choices } }
    Component { id: comboBox; ZelkChooseComboBox {} }
    Component { id: textArea; ZelkTextArea { width: 240; height: 90 } }
    Component { id: rating; ZelkRating { width: 300; levels: 5; currentRate: 2 } }
    Component { id: stockButton; Stock.Button { x: 20; y: 20; text: "Open dialog" } }

    // Every type of the module, and the states in which a style could reach
    // further in: popups open, texts disabled, placeholders, links.
    function test_control_data() {
        return [
            { tag: "ZelkBigSwitch", make: bigSwitch },
            { tag: "ZelkBigSwitch disabled", make: bigSwitch, props: { enabled: false, checked: true } },
            { tag: "ZelkBusyIndicator", make: busyIndicator },
            { tag: "ZelkButton", make: button },
            { tag: "ZelkBigButton", make: bigButton },
            { tag: "ZelkCheckBox", make: checkBox },
            { tag: "ZelkDialog", make: dialog, popup: true },
            { tag: "ZelkExpandableToolPanel", make: toolPanel },
            { tag: "ZelkFileSelector", make: fileSelector },
            { tag: "ZelkArrowNotation", make: arrowNotation },
            { tag: "ZelkHComboBox", make: hComboBox },
            { tag: "ZelkHSlider", make: hSlider },
            { tag: "ZelkHPureSlider", make: hPureSlider },
            { tag: "ZelkLabel", make: label },
            { tag: "ZelkNotation", make: notation },
            { tag: "ZelkProgressBar", make: progressBar },
            { tag: "ZelkRadioButton", make: radioButton },
            { tag: "ZelkStepBar", make: stepBar },
            { tag: "ZelkSwitch", make: zelkSwitch },
            { tag: "ZelkTabButton", make: tabButton },
            { tag: "ZelkHeaderPane", make: headerPane },
            { tag: "ZelkTextField", make: textField },
            { tag: "ZelkTextField placeholder", make: textField, props: { text: "", placeholderText: "Name" } },
            { tag: "ZelkToolBar", make: toolBar },
            { tag: "ZelkVComboBox", make: vComboBox },
            { tag: "ZelkVSlider", make: vSlider },
            { tag: "ZelkChoosePage", make: choosePage },
            { tag: "ZelkTabBar", make: tabBar },
            { tag: "ZelkIconButton", make: iconButton },
            { tag: "ZelkIconTextButton", make: iconTextButton },
            { tag: "ZelkArrowButtonGroup", make: arrowButtonGroup },
            { tag: "ZelkRectNotation", make: rectNotation },
            { tag: "ZelkPopupChooseView", make: popupChooseView, popup: true },
            { tag: "ZelkChooseComboBox", make: comboBox },
            { tag: "ZelkChooseComboBox open", make: comboBox, open: true },
            { tag: "ZelkTextArea", make: textArea },
            { tag: "ZelkTextArea disabled with text", make: textArea, props: { enabled: false, text: "Scanner drops frames" } },
            { tag: "ZelkRating", make: rating }
        ];
    }

    function fileName(tag) {
        return folder + "/" + tag.replace(/[^A-Za-z0-9]+/g, "-");
    }

    // What a style could supply besides the picture: sizes, paddings, the
    // font, focus policy and hover, where the control has them. A popup's font
    // is left to the style, so that content a host puts in it keeps the
    // style's fonts; the popups draw nothing with it.
    function settings(control, popup) {
        var found = {};
        ["width", "height", "implicitWidth", "implicitHeight", "leftPadding", "rightPadding", "topPadding",
         "bottomPadding", "spacing", "focusPolicy", "hoverEnabled"].forEach(function(name) {
            if (control[name] !== undefined)
                found[name] = control[name];
        });
        if (control.font !== undefined && !popup)
            found.font = String(control.font);
        if (control.popup)
            found.popup = [control.popup.width, control.popup.height, control.popup.padding];
        return JSON.stringify(found);
    }

    // The picture once it has stopped changing for half a second: what starts
    // with a control (canvases painting once they have a scene graph, the
    // panel's expanding, a tile's fade) is over within a third of that.
    function settle() {
        var stillGrabs = 0;
        verify(TestSupport.grab(stage));
        tryVerify(function() {
            stillGrabs = TestSupport.grabUnchanged(stage) ? stillGrabs + 1 : 0;
            return stillGrabs >= 10;
        }, 5000, "the picture keeps changing");
    }

    function test_control(data) {
        tryVerify(function() { return ZelkDesign.faSolid !== ""; });
        var control = createTemporaryObject(data.make, stage, data.props || {});
        verify(control);
        if (!data.popup) {
            control.x = Math.max(control.x, 20);
            control.y = 20;
        } else {
            control.open();
            tryCompare(control, "opened", true);
        }
        if (data.open) {
            control.popup.open();
            tryCompare(control.popup, "opened", true);
        }
        var spinner = findChild(control, "rotation");
        if (spinner) {
            // The spinner turns for ever; stand it still at its start.
            spinner.running = false;
            findChild(control, "spinner").rotation = 0;
        }
        settle();

        var path = fileName(data.tag);
        if (reference) {
            verify(TestSupport.saveItem(stage, path + ".png"));
            verify(TestSupport.writeFile(path + ".json", settings(control, data.popup)));
            return;
        }
        var saved = TestSupport.readFile(path + ".json");
        verify(saved !== "", "no reference for " + data.tag + " in " + folder + ": run this file without ORVANE_HOST_STYLE first");
        compare(settings(control, data.popup), saved, "settings");
        var difference = TestSupport.differenceFromFile(stage, path + ".png");
        if (difference < 0 || difference > tolerance)
            TestSupport.saveItem(stage, path + "." + style + ".png");
        verify(difference >= 0 && difference <= tolerance,
               data.tag + " differs from the plain style's picture by " + difference + " (see " + path + "." + style + ".png)");
    }

    // A control of Qt Quick Controls itself does change with the style: the
    // style asked for is in force, and a leak into the library would show.
    function test_stockControlFollowsTheStyle() {
        if (!reference)
            compare(style, hostStyle);
        verify(createTemporaryObject(stockButton, stage));
        settle();
        var path = fileName("stock Button") + ".png";
        if (reference) {
            verify(TestSupport.saveItem(stage, path));
            return;
        }
        var difference = TestSupport.differenceFromFile(stage, path);
        verify(difference < 0 || difference > 32, "a stock Button looks the same under " + style + " as under the plain style");
    }
}
