import QtQuick 2.9
// As a host application does; this is what brings the style in.
import QtQuick.Controls 2.2 as Stock
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "catalogue.js" as Catalogue

// The library under whatever Qt Quick Controls style the host picks. CTest
// runs this file under the plain style (Default; Basic on Qt 6), which saves
// how every control looks (ORVANE_STYLE_REFERENCE), then once per other style
// (ORVANE_HOST_STYLE), where each must come out the same size and picture. A
// style sets fonts and palette for the whole process: no side by side in one run.
TestCase {
    id: testCase
    name: "HostStyle"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    readonly property string style: TestSupport.styleName()
    readonly property string hostStyle: TestSupport.environment("ORVANE_HOST_STYLE")
    readonly property bool reference: hostStyle === ""
    readonly property string folder: TestSupport.environment("ORVANE_STYLE_REFERENCE", TestSupport.environment("TMPDIR", "/tmp") + "/orvane-style-reference")
    property QtObject made

    Rectangle { anchors.fill: parent; color: "#303030" }

    Item { id: stage; anchors.fill: parent }

    Component { id: stockButton; Stock.Button { x: 20; y: 20; text: "Open dialog" } }

    // Every type of the module, the states in which a style could reach
    // further in (checked, popups open, texts disabled, placeholders), and a
    // control of Qt Quick Controls itself, which does change with the style:
    // the style asked for is in force, and a leak into the library would show.
    function test_control_data() {
        return Object.keys(Catalogue.types).map(function(type) { return { tag: type, type: type }; }).concat([
            { tag: "ZelkBigSwitch disabled", type: "ZelkBigSwitch", props: { enabled: false, checked: true } },
            { tag: "ZelkCheckBox checked", type: "ZelkCheckBox", props: { checked: true } },
            { tag: "ZelkTextField placeholder", type: "ZelkTextField", props: { text: "", placeholderText: "Name" } },
            { tag: "ZelkChooseComboBox open", type: "ZelkChooseComboBox", open: true },
            { tag: "ZelkTextArea disabled", type: "ZelkTextArea", props: { enabled: false } },
            { tag: "ZelkLabel with a link", type: "ZelkLabel", props: { text: 'E-mail <font color="#2e91ed">*</font>, <a href="help">help</a>' } },
            { tag: "stock Button" }
        ]);
    }

    // Native glyphs, which two runs of one build draw alike to the level.
    function initTestCase() {
        TestSupport.useGreyText();
    }

    function cleanup() {
        if (made)
            made.destroy();
        made = null;
    }

    // What a style could supply besides the picture, where the control has
    // it. A popup's font is left to the style, for content a host puts in it.
    function settings(control) {
        var found = {}, popup = control.opened !== undefined;
        ["width", "height", "implicitWidth", "implicitHeight", "leftPadding", "rightPadding", "topPadding", "bottomPadding", "spacing",
         "focusPolicy", "hoverEnabled"].concat(popup ? [] : ["font"]).forEach(function(name) {
            if (control[name] !== undefined)
                found[name] = String(control[name]);
        });
        if (control.popup)
            found.popup = [control.popup.width, control.popup.height, control.popup.padding];
        return JSON.stringify(found);
    }

    function test_control(data) {
        tryVerify(function() { return ZelkDesign.faSolid !== ""; });
        var control = made = data.type ? Catalogue.make(data.type, stage, data.props, findChild) : stockButton.createObject(stage);
        if (data.open)
            control.popup.open();
        tryVerify(function() { return (data.open ? control.popup : control).opened !== false; });
        // Settled once unchanged for half a second: what starts with a control
        // (canvases painting once they have a scene graph, the panel's
        // expanding, a tile's fade) is over within a third of that.
        var stillGrabs = 0;
        verify(TestSupport.grab(stage));
        tryVerify(function() {
            stillGrabs = TestSupport.grabUnchanged(stage) ? stillGrabs + 1 : 0;
            return stillGrabs >= 10;
        }, 5000, "the picture keeps changing");

        var path = folder + "/" + data.tag.replace(/[^A-Za-z0-9]+/g, "-");
        if (reference) {
            verify(TestSupport.saveItem(stage, path + ".png") && TestSupport.writeFile(path + ".json", settings(control)));
            return;
        }
        var difference = TestSupport.differenceFromFile(stage, path + ".png");
        if (!data.type) {
            compare(style, hostStyle);
            verify(difference < 0 || difference > 32, "a stock Button looks the same under " + style + " as under the plain style");
            return;
        }
        var saved = TestSupport.readFile(path + ".json");
        compare(settings(control), saved, saved ? "settings" : "no reference in " + folder + ": run this file without ORVANE_HOST_STYLE first");
        if (difference !== 0)
            TestSupport.saveItem(stage, path + "." + style + ".png");
        verify(difference === 0,
               data.tag + " differs from the plain style's picture by " + difference + " (see " + path + "." + style + ".png)");
    }
}
