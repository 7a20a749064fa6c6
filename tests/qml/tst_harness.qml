import QtQuick 2.9
import QtTest 1.2

// The engine every test gets is the application's: the backend, the
// arguments and the library import are all in place.
TestCase {
    name: "Harness"

    function test_engineIsTheApplications() {
        verify($app);
        compare($app.language, "en");
        compare($params.length, 0);
        var theme = createTemporaryQmlObject("import QtQuick 2.9; import ZelkDesign 1.0; QtObject { property color c: ZelkDesign.themeColor }", this);
        compare(theme.c, "#2e91ed");
    }

    function test_announcedWarningPasses() {
        ignoreWarning(/TypeError: Cannot read property .size. of null/);
        var item = createTemporaryQmlObject("import QtQuick 2.9; Item { property var o: null; property int n: 0; Component.onCompleted: n = o.size }", this);
        verify(item);
    }
}
