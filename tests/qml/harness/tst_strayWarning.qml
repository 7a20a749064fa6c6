import QtQuick 2.9
import QtTest 1.2

// Run by CTest with WILL_FAIL: an unannounced TypeError fails the run.
TestCase {
    name: "StrayWarning"

    function test_typeError() {
        var item = createTemporaryQmlObject("import QtQuick 2.9; Item { property var o: null; property int n: 0; Component.onCompleted: n = o.size }", this);
        verify(item);
    }
}
