// Every published type at rest: how the accent shows on it, then the body of its declaration.
// "accent": shows it once lit; what lights it (pointed: its close button; tool: its first tool
// focused); what disabling does (none: a display or frame, own: a look of its own, flat: keeps
// 0.3 of its light, layers: parts dim one by one); m<n>: drawn n px past its box (else 4).

function listModel(rows) {
    return "ListModel { " + rows.map(function(row) {
        return "ListElement { " + Object.keys(row).map(function(key) { return key + ": " + JSON.stringify(row[key]); }).join("; ") + " }";
    }).join(" ") + " }";
}

var crossPath = "qrc:/images/cross.png", cross = JSON.stringify(crossPath);
var choices = JSON.stringify(["scan", "align"].map(function(name) { return { icon: crossPath, buttonText: name, buttonName: name, buttonEnabled: true }; }));
var tools = JSON.stringify(["a", "b"].map(function(name) {
    return { buttonName: name, active: true, normalImageSource: crossPath, activeImageSource: crossPath, inactiveImageSource: "qrc:/images/Shade_Bright.png" }; }));

var types = {
    ZelkBigSwitch: ["accent own", 'text: "Big"'],
    ZelkBusyIndicator: ["accent none", ""],
    ZelkButton: ["accent focused flat", 'text: "Next"'],
    ZelkBigButton: ["accent focused own m12", 'backgroundWidth: 200; backgroundHeight: 200; text: "Scan"; iconSource: ' + cross],
    ZelkCheckBox: ["accent checked flat", 'text: "Check"'],
    ZelkDialog: ["accent pointed none", 'x: 20; y: 20; title: "Dialog"'],
    ZelkExpandableToolPanel: ["flat", "icon: " + cross],
    ZelkFileSelector: ["own", 'filePath: "/home/user/a.txt"'],
    ZelkArrowNotation: ["none m12", "iconSource: " + cross],
    ZelkHComboBox: ["accent flat", "model: " + listModel([{ icon: "qrc:/images/high_detail.png", label: "High", description: "Slow" },
                                          { icon: "qrc:/images/low_detail.png", label: "Low", description: "Quick" }])],
    ZelkHSlider: ["accent layers m20", "gaugeValueVisible: true"],
    ZelkHPureSlider: ["accent layers m12", "y: 40; width: 300"],
    ZelkLabel: ["none", 'text: "Label"'],
    ZelkNotation: ["none", "width: 500"],
    ZelkProgressBar: ["accent none m20", ""],
    ZelkRadioButton: ["accent checked flat m60", 'text: "Radio"'],
    ZelkStepBar: ["accent layers m20", "width: 600; margins: 50; currentStep: 1; model: "
                 + listModel([{ name: "Scan", info: "Done" }, { name: "Align", info: "" }, { name: "Export", info: "" }])],
    ZelkSwitch: ["accent checked flat", 'text: "Switch"'],
    ZelkTabButton: ["accent checked flat", 'width: 120; height: 40; text: "Tab"'],
    ZelkHeaderPane: ["none", "width: 400; height: 300"],
    ZelkTextField: ["accent typing own", 'width: 200; text: "Field"'],
    ZelkToolBar: ["accent tool own m12", "model: " + tools],
    ZelkVComboBox: ["accent flat", ""],
    ZelkVSlider: ["accent layers m20", ""],
    ZelkChoosePage: ["own", "width: 940; height: 560; model: " + choices],
    ZelkTabBar: ["accent flat m12", ""],
    ZelkIconButton: ["flat", "normalIconSource: " + cross + "; activeIconSource: " + cross],
    ZelkIconTextButton: ["accent focused own", 'text: "Check device"; activeIcon: ' + cross + '; inactiveIcon: "qrc:/images/Shade_Bright.png"'],
    ZelkArrowButtonGroup: ["accent flat", "model: " + listModel([{ buttonLabel: "Front", buttonName: "front" }, { buttonLabel: "Back", buttonName: "back" }])],
    ZelkRectNotation: ["none m12", "iconSource: " + cross],
    ZelkPopupChooseView: ["own", "x: 20; y: 20; width: 940; height: 560; model: " + choices],
    ZelkChooseComboBox: ["accent focused own", ""],
    ZelkTextArea: ["accent typing flat", 'width: 200; height: 100; text: "Area"'],
    ZelkRating: ["accent flat", "width: 250; levels: 5; currentRate: 2"]
};

// Under `parent` (a popup shows there too), clear of the edge, a popup opened; `find` is the
// test's findChild: the spinner stands still at its start, so that grabs compare.
function make(type, parent, props, find) {
    var control = Qt.createQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + type + " { " + types[type][1] + " }", parent);
    for (var name in props || {})
        control[name] = props[name];
    if (control.opened !== undefined) {
        control.open();
    } else {
        control.x = Math.max(control.x, 20);
        control.y = Math.max(control.y, 20);
    }
    var spinner = find(control, "spinner");
    if (spinner) {
        find(control, "rotation").running = false;
        spinner.rotation = 0;
    }
    return control;
}
