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
    Component { id: signalSpy; SignalSpy {} }

    function choices(n) {
        var names = ["scan", "align", "export", "print"];
        return names.slice(0, n).map(function(name) {
            return { icon: "qrc:/images/cross.png", buttonText: name.toUpperCase(), buttonName: name, buttonEnabled: true };
        });
    }

    function make(kind, props) {
        props = props || {};
        props.parent = testCase;
        var chooser = createTemporaryObject(kind === "page" ? pageComponent : popupComponent, testCase, props);
        if (kind === "popup") {
            chooser.open();
            tryCompare(chooser, "opened", true);
        }
        return chooser;
    }

    function rowOf(chooser) {
        var holder = chooser.contentItem || chooser;
        return holder.children[0];
    }

    function buttonsOf(chooser) {
        var row = rowOf(chooser);
        var buttons = [];
        for (var i = 0; i < row.children.length; ++i)
            if (row.children[i].hasOwnProperty("iconSource"))
                buttons.push(row.children[i]);
        return buttons.sort(function(a, b) { return a.x - b.x; });
    }

    // groupShift: where the middle of the buttons stands from the holder's
    // centre; rowShift: the row's vertical offset from it.
    function test_row_data() {
        return [
            { tag: "page, three", kind: "page", n: 3, row: [1334, 442], xs: [0, 476, 952], y: 15, groupShift: 15, rowShift: -20 },
            { tag: "page, two", kind: "page", n: 2, row: [888, 442], xs: [0, 476], y: 15, groupShift: 0, rowShift: -20 },
            { tag: "page, one", kind: "page", n: 1, row: [442, 442], xs: [0], y: 15, groupShift: -15, rowShift: -20 },
            { tag: "page, empty", kind: "page", n: 0, row: [30, 442], xs: [], rowShift: -20 },
            { tag: "page, margins 0", kind: "page", n: 3, props: { margins: 0 }, row: [1364, 412], xs: [0, 476, 952], y: 0, groupShift: 0, rowShift: -20 },
            { tag: "popup, three", kind: "popup", n: 3, row: [1364, 412], xs: [0, 476, 952], y: 0, groupShift: 0, rowShift: 0 },
            { tag: "popup, one", kind: "popup", n: 1, row: [412, 412], xs: [0], y: 0, groupShift: 0, rowShift: 0 },
            { tag: "popup, empty", kind: "popup", n: 0, row: [0, 412], xs: [], rowShift: 0 },
            { tag: "popup, offset row", kind: "popup", n: 2, props: { layoutVerticalCenterOffset: 30 }, row: [888, 412], xs: [0, 476], y: 0, groupShift: 0, rowShift: 30 }
        ];
    }

    function test_row(data) {
        var props = data.props || {};
        props.model = choices(data.n);
        var chooser = make(data.kind, props);
        var row = rowOf(chooser);
        var holder = row.parent;
        compare([row.width, row.height], data.row);
        fuzzyCompare(row.y + row.height / 2 - holder.height / 2, data.rowShift, 0.5);
        var buttons = buttonsOf(chooser);
        compare(buttons.map(function(b) { return b.x; }), data.xs);
        buttons.forEach(function(b) {
            compare([b.y, b.width, b.height], [data.y, 412, 412]);
            compare(b.margins, chooser.margins);
        });
        if (buttons.length) {
            var left = row.x + buttons[0].x;
            var right = row.x + buttons[buttons.length - 1].x + 412;
            fuzzyCompare((left + right) / 2 - holder.width / 2, data.groupShift, 0.5);
        }
        compare(buttons.map(function(b) { return b.text; }), choices(data.n).map(function(c) { return c.buttonText; }));
    }

    function test_clicks_data() {
        return [
            { tag: "page, enabled", kind: "page", enabled: true, emits: ["align"] },
            { tag: "page, disabled", kind: "page", enabled: false, emits: [] },
            { tag: "page, without the enabled field", kind: "page", enabled: undefined, emits: [] },
            { tag: "popup, enabled", kind: "popup", enabled: true, emits: ["align"] },
            { tag: "popup, disabled", kind: "popup", enabled: false, emits: [] }
        ];
    }

    // Small buttons, so that all of them lie inside the window.
    function test_clicks(data) {
        var model = choices(3);
        if (data.enabled === undefined)
            delete model[1].buttonEnabled;
        else
            model[1].buttonEnabled = data.enabled;
        var chooser = make(data.kind, { model: model, buttonWidth: 100, buttonHeight: 100, width: 700, height: 400 });
        var spy = createTemporaryObject(signalSpy, testCase, { target: chooser, signalName: "buttonClicked" });
        var button = buttonsOf(chooser)[1];
        compare(button.enabled, data.enabled === true);
        mouseClick(button);
        compare(spy.signalArguments.map(function(args) { return args[0]; }), data.emits);
        mouseClick(buttonsOf(chooser)[0]);
        compare(spy.count, data.emits.length + 1);
        compare(spy.signalArguments[spy.count - 1][0], "scan");
        if (data.kind === "popup")
            verify(chooser.visible, "a choice leaves the popup open");
    }

    function test_popupStaysOpen() {
        var popup = make("popup", { model: choices(1), buttonWidth: 100, buttonHeight: 100, x: 100, y: 100, width: 300, height: 200 });
        keyClick(Qt.Key_Escape);
        mouseClick(testCase, 10, 10);
        mouseClick(testCase, 790, 590);
        waitForRendering(testCase);
        verify(popup.visible);
        verify(popup.opened);
        popup.close();
        tryCompare(popup, "visible", false);
    }

    function test_pageSpacing() {
        var page = make("page", { model: choices(3) });
        compare(page.spacing, 34);
        page.spacing = 50;
        compare(buttonsOf(page).map(function(b) { return b.x; }), [0, 492, 984]);
        compare(rowOf(page).width, 3 * 412 + 2 * 50 + 30);
    }

    // The face keeps the big button's own size when the box is smaller.
    function test_smallBox() {
        var page = make("page", { model: choices(2), buttonWidth: 300, buttonHeight: 200 });
        var button = buttonsOf(page)[1];
        compare([button.width, button.height], [300, 200]);
        compare([button.backgroundWidth, button.backgroundHeight], [412, 412]);
        compare(button.x, 364);
    }

    function test_newModelRebuilds() {
        var page = make("page", { model: choices(3) });
        page.model = choices(1);
        compare(buttonsOf(page).length, 1);
        page.model = undefined;
        compare(buttonsOf(page).length, 0);
        compare(rowOf(page).width, 30);
        page.model = [null, choices(1)[0]];
        compare(buttonsOf(page).length, 2);
        verify(!buttonsOf(page)[0].enabled);
        waitForRendering(page);
    }
}
