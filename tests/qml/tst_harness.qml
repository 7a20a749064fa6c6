import QtQuick 2.9
import QtTest 1.2

// A QML warning announced with ignoreWarning() passes (harness/ shows the other side).
TestCase {
    name: "Harness"

    function test_announcedWarningPasses() {
        ignoreWarning(/TypeError: Cannot read property .size. of null/);
        var item = createTemporaryQmlObject("import QtQuick 2.9; Item { property var o: null; property int n: 0; Component.onCompleted: n = o.size }", this);
        verify(item);
    }
}
