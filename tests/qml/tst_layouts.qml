import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtTest 1.2
import ZelkDesign 1.0

// Controls placed in a layout without sizes of their own take room for what
// they draw, and keep the size their look is designed for when used alone.
TestCase {
    id: testCase
    name: "Layouts"
    when: windowShown
    visible: true
    width: 1600
    height: 600

    Component { id: hSlider; ZelkHSlider { Layout.fillWidth: true } }
    Component { id: vSlider; ZelkVSlider {} }
    Component { id: pureSlider; ZelkHPureSlider {} }
    Component { id: stepBar; ZelkStepBar { margins: 20; currentStep: 1; model: ListModel { ListElement { name: "Scan"; info: "Done" } ListElement { name: "Align"; info: "" } ListElement { name: "Export"; info: "12 files" } } } }

    // Outlive the controls made in them, which anchor to their parents.
    RowLayout { id: row; spacing: 0 }
    RowLayout { id: wideRow; y: 100; width: 1200 }

    // The step bar's columns are each wider than the status it writes itself.
    function test_implicitSize_data() {
        return [
            { tag: "ZelkHSlider", component: hSlider, width: 860, height: 50 },
            { tag: "ZelkVSlider", component: vSlider, width: 83, height: 480 },
            { tag: "ZelkHPureSlider", component: pureSlider, width: 200, height: 12 },
            { tag: "ZelkStepBar", component: stepBar, height: 110 }
        ];
    }

    function test_implicitSize(data) {
        var alone = createTemporaryObject(data.component, testCase);
        var before = createTemporaryObject(pureSlider, row), control = createTemporaryObject(data.component, row);
        var after = createTemporaryObject(pureSlider, row);
        compare([alone.width, control.implicitWidth, alone.height, control.implicitHeight],
                [data.width || alone.width, data.width || control.implicitWidth, data.height, data.height], "the designed size is the default");
        tryVerify(function() { return row.width === before.width + control.width + after.width; });
        compare([control.width, control.height], [control.implicitWidth, control.implicitHeight], "the layout gives the implicit size");
        compare([before.x, control.x, after.x], [0, before.width, before.width + control.width], "neighbours stand beside it, not over it");
        if (data.component === stepBar) {
            var status = findChild(findChild(control, "step1"), "statusText");
            verify(status.text === "In Progress" && control.itemWidth > status.width + 20, control.itemWidth + " for " + status.width);
            compare(createTemporaryObject(stepBar, testCase, { model: null }).implicitWidth, 40);
        }
    }

    // A stretched slider draws its groove and gauge over the width it is given.
    function test_stretchedSlider() {
        var slider = createTemporaryObject(hSlider, wideRow);
        tryCompare(slider, "width", 1200);
        compare([findChild(slider, "slider").width, findChild(slider, "gaugeItem").width], [1200 - 134, findChild(slider, "slider").travel]);
    }
}
