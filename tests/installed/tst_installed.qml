import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

// Run by Qt's stock qmltestrunner against the installed module (never the
// application's bundle): the library must work from plain files.
TestCase {
    id: testCase
    name: "InstalledModule"
    when: windowShown
    visible: true
    width: 400
    height: 400

    function moduleFile(name) {
        // The module folder lies beside fonts/, as in the bundle.
        var url = String(ZelkDesign.fontLoaderRegular.source).replace(/fonts\/[^\/]*$/, "ZelkDesign/" + name);
        var request = new XMLHttpRequest();
        request.open("GET", url, false);
        request.send();
        return request.responseText;
    }

    function test_assetsLoadFromFiles() {
        verify(String(ZelkDesign.fontLoaderRegular.source).indexOf("file://") === 0, ZelkDesign.fontLoaderRegular.source);
        var loaders = [ZelkDesign.fontLoaderRegular, ZelkDesign.fontLoaderSemiBold, ZelkDesign.fontLoaderBold,
                       ZelkDesign.faRegularFontLoader, ZelkDesign.faSolidFontLoader, ZelkDesign.faBrandsFontLoader];
        for (var i = 0; i < loaders.length; ++i)
            tryCompare(loaders[i], "status", FontLoader.Ready);
    }

    function test_everyTypeInstantiates() {
        var lines = moduleFile("qmldir").split("\r\n");
        compare(lines[0], "module ZelkDesign");
        var types = 0;
        for (var i = 1; i < lines.length; ++i) {
            if (lines[i] === "" || /^(depends|singleton) /.test(lines[i]))
                continue;
            var type = lines[i].split(" ")[0];
            var object = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + type + " {}", testCase, type);
            verify(object, type);
            ++types;
        }
        if (types === 0)
            skip("the module lists no components yet");
    }

    function test_textFaces() {
        var metrics = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; FontMetrics { font.family: ZelkDesign.fontFamily; font.pixelSize: 200 }", testCase);
        // 'W' advances 876 units of 1000 in the Noto Sans Display Regular file.
        fuzzyCompare(metrics.advanceWidth("W"), 175.2, 1);

        tryVerify(function() { return ZelkDesign.faSolid !== ""; });
        var icon = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; Rectangle { width: 100; height: 100; color: 'black';"
                                            + " Text { anchors.centerIn: parent; font.family: ZelkDesign.faSolid; font.pixelSize: 64; color: 'white'; text: ZelkDesign.fa.plus } }", testCase);
        waitForRendering(icon);
        var image = grabImage(icon);
        compare(String(image.pixel(50, 50)), "#ffffff", "centre of the plus");
        compare(String(image.pixel(35, 35)), "#000000", "between the arms");
    }
}
