import QtQuick 2.9
import QtTest 1.2

// Run by CTest with WILL_FAIL: a binding loop is a failure too.
TestCase {
    name: "BindingLoop"

    function test_loop() {
        var item = createTemporaryQmlObject("import QtQuick 2.9; Item { width: height + 1; height: width + 1 }", this);
        verify(item);
    }
}
