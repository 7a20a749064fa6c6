// Every published type of the module at rest, for the tests that go over all
// of them: the body of its declaration, by type.

function listModel(rows) {
    return "ListModel { " + rows.map(function(row) {
        return "ListElement { " + Object.keys(row).map(function(key) { return key + ": " + JSON.stringify(row[key]); }).join("; ") + " }";
    }).join(" ") + " }";
}

var cross = '"qrc:/images/cross.png"';
var choices = JSON.stringify(["scan", "align"].map(function(name) {
    return { icon: "qrc:/images/cross.png", buttonText: name, buttonName: name, buttonEnabled: true };
}));
var tools = JSON.stringify(["a", "b"].map(function(name) {
    return { buttonName: name, active: true, normalImageSource: "qrc:/images/cross.png", activeImageSource: "qrc:/images/cross.png",
             inactiveImageSource: "qrc:/images/Shade_Bright.png" };
}));

var bodies = {
    ZelkBigSwitch: 'text: "Big"',
    ZelkBusyIndicator: "",
    ZelkButton: 'text: "Next"',
    ZelkBigButton: 'backgroundWidth: 200; backgroundHeight: 200; text: "Scan"; iconSource: ' + cross,
    ZelkCheckBox: 'text: "Check"',
    ZelkDialog: 'x: 20; y: 20; title: "Dialog"',
    ZelkExpandableToolPanel: "icon: " + cross,
    ZelkFileSelector: 'filePath: "/home/user/a.txt"',
    ZelkArrowNotation: "iconSource: " + cross,
    ZelkHComboBox: "model: " + listModel([{ icon: "qrc:/images/high_detail.png", label: "High", description: "Slow" },
                                          { icon: "qrc:/images/low_detail.png", label: "Low", description: "Quick" }]),
    ZelkHSlider: "gaugeValueVisible: true",
    ZelkHPureSlider: "y: 40; width: 300",
    ZelkLabel: 'text: "Label"',
    ZelkNotation: "width: 500",
    ZelkProgressBar: "",
    ZelkRadioButton: 'text: "Radio"',
    ZelkStepBar: "width: 600; margins: 50; currentStep: 1; model: "
                 + listModel([{ name: "Scan", info: "Done" }, { name: "Align", info: "" }, { name: "Export", info: "" }]),
    ZelkSwitch: 'text: "Switch"',
    ZelkTabButton: 'width: 120; height: 40; text: "Tab"',
    ZelkHeaderPane: "width: 400; height: 300",
    ZelkTextField: 'width: 200; text: "Field"',
    ZelkToolBar: "model: " + tools,
    ZelkVComboBox: "",
    ZelkVSlider: "",
    ZelkChoosePage: "width: 940; height: 560; model: " + choices,
    ZelkTabBar: "",
    ZelkIconButton: "normalIconSource: " + cross + "; activeIconSource: " + cross,
    ZelkIconTextButton: 'text: "Check device"; activeIcon: ' + cross + '; inactiveIcon: "qrc:/images/Shade_Bright.png"',
    ZelkArrowButtonGroup: "model: " + listModel([{ buttonLabel: "Front", buttonName: "front" }, { buttonLabel: "Back", buttonName: "back" }]),
    ZelkRectNotation: "iconSource: " + cross,
    ZelkPopupChooseView: "x: 20; y: 20; width: 940; height: 560; model: " + choices,
    ZelkChooseComboBox: "",
    ZelkTextArea: 'width: 200; height: 100; text: "Area"',
    ZelkRating: "width: 250; levels: 5; currentRate: 2"
};

// Made with Qt.createQmlObject under `parent`, which is also what a popup shows in.
function make(type, parent) {
    return Qt.createQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + type + " { " + bodies[type] + " }", parent);
}
