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

    ListModel {
        id: threeSteps
        ListElement { name: "Scan"; info: "Done" }
        ListElement { name: "Align"; info: "" }
        ListElement { name: "Export"; info: "12 files" }
    }

    Component { id: hSlider; ZelkHSlider {} }
    Component { id: vSlider; ZelkVSlider {} }
    Component { id: pureSlider; ZelkHPureSlider {} }
    Component { id: stepBar; ZelkStepBar { margins: 20; model: threeSteps } }

    Component { id: stretchedSlider; ZelkHSlider { Layout.fillWidth: true } }

    // Outlive the controls made in them, which anchor to their parents.
    RowLayout { id: row; spacing: 0 }
    RowLayout { id: wideRow; y: 100; width: 1200 }

    function test_implicitSize_data() {
        return [
            { tag: "ZelkHSlider", component: hSlider, width: 860, height: 50 },
            { tag: "ZelkVSlider", component: vSlider, width: 83, height: 480 },
            { tag: "ZelkHPureSlider", component: pureSlider, width: 200, height: 12 },
            // Three columns, each wider than its status; the bar's height is fixed.
            { tag: "ZelkStepBar", component: stepBar, height: 110 }
        ];
    }

    function test_implicitSize(data) {
        var alone = createTemporaryObject(data.component, testCase);
        var before = createTemporaryObject(pureSlider, row);
        var control = createTemporaryObject(data.component, row);
        var after = createTemporaryObject(pureSlider, row);
        if (data.width !== undefined)
            compare([alone.width, control.implicitWidth], [data.width, data.width], "the designed width is the default");
        compare([alone.height, control.implicitHeight], [data.height, data.height], "the designed height is the default");
        tryVerify(function() { return row.width === before.width + control.width + after.width; });
        compare([control.width, control.height], [control.implicitWidth, control.implicitHeight], "the layout gives the implicit size");
        compare([before.x, control.x, after.x], [0, before.width, before.width + control.width], "neighbours stand beside it, not over it");
    }

    // Each step's column has room for the status the bar writes itself.
    function test_stepBarColumns() {
        var bar = createTemporaryObject(stepBar, row, { currentStep: 1 });
        tryCompare(row, "width", bar.implicitWidth);
        var status = findChild(findChild(bar, "step1"), "statusText");
        verify(status.text === "In Progress" && status.width > 0);
        verify(bar.itemWidth > status.width + 20, "column " + bar.itemWidth + " for a status " + status.width + " wide");
        var empty = createTemporaryObject(stepBar, testCase, { model: null });
        compare(empty.implicitWidth, 2 * empty.margins);
    }

    // A stretched slider draws its groove and gauge over the width it is given.
    function test_stretchedSlider() {
        var slider = createTemporaryObject(stretchedSlider, wideRow);
        tryCompare(slider, "width", 1200);
        compare(findChild(slider, "slider").width, 1200 - 134);
        compare(findChild(slider, "gaugeItem").width, findChild(slider, "slider").travel);
    }
}
