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

    // Any colour QML takes comes back with its red, green and blue and the given
    // alpha; the colour's own alpha is replaced, not multiplied.
    function test_semiTransparent_data() {
        return [
            { tag: "theme color", color: ZelkDesign.themeColor, alpha: 0.5, rgb: [46, 145, 237] },
            { tag: "#rrggbb", color: "#2e91ed", alpha: 0.25, rgb: [46, 145, 237] },
            { tag: "#aarrggbb", color: "#33ff8000", alpha: 1, rgb: [255, 128, 0] },
            { tag: "name", color: "steelblue", alpha: 0, rgb: [70, 130, 180] },
            { tag: "Qt.rgba", color: Qt.rgba(1, 1, 1, 0.2), alpha: 0.75, rgb: [255, 255, 255] }
        ];
    }

    function test_semiTransparent(data) {
        var c = ZelkDesign.semiTransparent(data.color, data.alpha);
        compare([Math.round(c.r * 255), Math.round(c.g * 255), Math.round(c.b * 255)], data.rgb);
        fuzzyCompare(c.a, data.alpha, 1 / 255);
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
