import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "Theme"
    when: windowShown
    visible: true
    width: 200
    height: 200

    Component {
        id: glyphComponent
        Rectangle {
            width: 100; height: 100; color: "black"
            Text { anchors.centerIn: parent; font.family: ZelkDesign.faSolid; font.pixelSize: 64; color: "white"; text: ZelkDesign.fa.plus }
        }
    }

    // Each icon face has a name of its own, so icons set in faSolid draw from the Solid file.
    function test_iconsDrawFromTheSolidFace() {
        tryVerify(function() { return ZelkDesign.faSolid !== "" && ZelkDesign.faRegular !== "" && ZelkDesign.faBrands !== ""; });
        verify(ZelkDesign.faSolid !== ZelkDesign.faRegular);
        var solid = createTemporaryObject(glyphComponent, testCase);
        waitForRendering(solid);
        verify(TestSupport.grab(solid));
        // Lit at the centre and on the upper arm, dark between the arms.
        [[50, 50, "white"], [50, 22, "white"], [35, 35, "black"]].forEach(function(p) {
            verify(TestSupport.near(TestSupport.pixel(solid, p[0], p[1]), p[2], 40), "at " + p);
        });
    }

    // Advances straight from the files' metrics tables: 'W' is 876 units wide
    // in the Regular file and 943 in the Bold one (1000 units per em). A bold
    // drawn by emboldening the Regular file would measure neither.
    function test_boldUsesTheBoldFile() {
        var metrics = "import QtQuick 2.9; import ZelkDesign 1.0; FontMetrics { font.family: ZelkDesign.fontFamily; font.pixelSize: 200; font.bold: %1 }";
        fuzzyCompare(createTemporaryQmlObject(metrics.arg("false"), testCase).advanceWidth("W"), 175.2, 1);
        fuzzyCompare(createTemporaryQmlObject(metrics.arg("true"), testCase).advanceWidth("W"), 188.6, 1);
    }
}
