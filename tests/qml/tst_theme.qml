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
            property alias face: glyph.font.family
            property alias glyph: glyph
            width: 100
            height: 100
            color: "black"
            Text {
                id: glyph
                anchors.centerIn: parent
                font.pixelSize: 64
                color: "white"
                text: ZelkDesign.fa.plus
            }
        }
    }

    function test_members() {
        compare(ZelkDesign.fontFamily, "Noto Sans Disp");
        compare(ZelkDesign.themeColor, "#2e91ed");
        var c = ZelkDesign.semiTransparent(ZelkDesign.themeColor, 0.5);
        compare(Math.round(c.r * 255), 46);
        compare(Math.round(c.g * 255), 145);
        compare(Math.round(c.b * 255), 237);
        fuzzyCompare(c.a, 0.5, 0.01);
        // The colour's own alpha is replaced, not multiplied.
        compare(ZelkDesign.semiTransparent(Qt.rgba(1, 0, 0, 0.2), 1).a, 1);
    }

    function test_glyphMap() {
        var expected = {
            "file": 0xf15b, "folder": 0xf07b, "arrowLeft": 0xf060, "arrowRight": 0xf061,
            "arrowUp": 0xf062, "arrowDown": 0xf063, "check": 0xf00c, "hdd": 0xf0a0,
            "home": 0xf015, "infoCircle": 0xf05a, "sortDown": 0xf0dd, "plus": 0xf067, "minus": 0xf068
        };
        compare(Object.keys(ZelkDesign.fa), Object.keys(expected));
        for (var key in expected) {
            compare(ZelkDesign.fa[key].length, 1, key);
            compare(ZelkDesign.fa[key].charCodeAt(0), expected[key], key);
        }
        compare(ZelkDesign.fa.noSuchIcon, undefined);
    }

    function test_fontsRegistered() {
        tryVerify(function() { return ZelkDesign.faSolid !== "" && ZelkDesign.faRegular !== "" && ZelkDesign.faBrands !== ""; });
        var families = Qt.fontFamilies();
        verify(families.indexOf("Noto Sans Disp") >= 0);
        verify(families.indexOf("Noto Sans Disp SemBd") >= 0);
        // Each icon face answers to a name of its own, so text in faSolid
        // can only draw from the Solid file.
        verify(ZelkDesign.faSolid !== ZelkDesign.faRegular);
    }

    // The icon map's characters draw as icons from the Solid face.
    function test_plusDrawsInSolid() {
        tryVerify(function() { return ZelkDesign.faSolid !== ""; });
        var solid = createTemporaryObject(glyphComponent, testCase, { face: ZelkDesign.faSolid, x: 0 });
        waitForRendering(solid);
        verify(TestSupport.grab(solid));
        verify(solid.glyph.contentWidth > 20);
        verify(TestSupport.near(TestSupport.pixel(solid, 50, 50), "white", 40), "centre of the plus is lit");
        verify(TestSupport.near(TestSupport.pixel(solid, 50, 22), "white", 40), "upper arm is lit");
        verify(TestSupport.near(TestSupport.pixel(solid, 35, 35), "black", 40), "between the arms is dark");
    }

    // Advances straight from the files' metrics tables: 'W' is 876 units wide
    // in the Regular file and 943 in the Bold one (1000 units per em). A bold
    // drawn by emboldening the Regular file would measure neither.
    function test_boldUsesTheBoldFile() {
        var regular = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; FontMetrics { font.family: ZelkDesign.fontFamily; font.pixelSize: 200 }", testCase);
        var bold = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; FontMetrics { font.family: ZelkDesign.fontFamily; font.pixelSize: 200; font.bold: true }", testCase);
        fuzzyCompare(regular.advanceWidth("W"), 175.2, 1);
        fuzzyCompare(bold.advanceWidth("W"), 188.6, 1);
    }
}
