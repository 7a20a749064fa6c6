import QtQuick 2.9
import QtTest 1.2

// Run by CTest with WILL_FAIL: a TypeError the test did not announce must
// fail the run even though every assertion holds.
TestCase {
    name: "StrayWarning"

    function test_typeError() {
        var item = createTemporaryQmlObject("import QtQuick 2.9; Item { property var o: null; property int n: 0; Component.onCompleted: n = o.size }", this);
        verify(item);
    }
}
