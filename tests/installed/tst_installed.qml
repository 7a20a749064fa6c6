import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

// Run by Qt's stock qmltestrunner against the installed module (never the
// application's bundle): the library must work from plain files.
TestCase {
    id: testCase
    name: "InstalledModule"
    when: windowShown

    function test_fontsLoadFromFiles() {
        verify(String(ZelkDesign.fontLoaderRegular.source).indexOf("file://") === 0, ZelkDesign.fontLoaderRegular.source);
        var loaders = [ZelkDesign.fontLoaderRegular, ZelkDesign.fontLoaderSemiBold, ZelkDesign.fontLoaderBold,
                       ZelkDesign.faRegularFontLoader, ZelkDesign.faSolidFontLoader, ZelkDesign.faBrandsFontLoader];
        for (var i = 0; i < loaders.length; ++i)
            tryCompare(loaders[i], "status", FontLoader.Ready);
    }

    function test_everyTypeInstantiates() {
        // The module folder lies beside fonts/, as in the bundle.
        var request = new XMLHttpRequest();
        request.open("GET", String(ZelkDesign.fontLoaderRegular.source).replace(/fonts\/[^\/]*$/, "ZelkDesign/qmldir"), false);
        request.send();
        var types = request.responseText.split("\r\n").filter(function(line) { return /^Zelk\w+ 1\.0 /.test(line); });
        verify(types.length > 1, request.responseText);
        for (var i = 0; i < types.length; ++i) {
            var type = types[i].split(" ")[0];
            verify(createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; " + type + " {}", testCase, type), type);
        }
    }
}
