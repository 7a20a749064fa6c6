import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0

TestCase {
    id: testCase
    name: "FileSelector"
    when: windowShown
    visible: true
    width: 720
    height: 100

    Component { id: selectorComponent; ZelkFileSelector {} }

    function test_typeAndAccept() {
        var selector = createTemporaryObject(selectorComponent, testCase);
        var field = selector.children[0];
        // The button covers the field's right end; the text must stop short of it.
        verify(field.rightPadding >= selector.children[2].width);
        mouseClick(field, 50, 25);
        keyClick(Qt.Key_A);
        compare(selector.filePath, "a");
        // An empty choice keeps what is there; a chosen URL shows as its local path.
        selector.acceptFiles([]);
        compare(selector.filePath, "a");
        selector.acceptFiles(["file:///D:/r%C3%A9sum%C3%A9%201.txt", "file:///other"]);
        compare(field.text, "D:/résumé 1.txt");
    }

    // The library's lines go to its own category at debug level, which a host may switch off.
    function test_logLines_data() {
        return [
            { tag: "shown by default", rules: "", lines: ["You chose: file:///tmp/a.txt", "Canceled"] },
            { tag: "silenced", rules: "zelkdesign.debug=false", lines: [] },
            { tag: "the default category silenced", rules: "qml.debug=false\ndefault.debug=false", lines: ["You chose: file:///tmp/a.txt", "Canceled"] }
        ];
    }

    function test_logLines(data) {
        var selector = createTemporaryObject(selectorComponent, testCase);
        TestSupport.setLoggingRules(data.rules);
        TestSupport.recordMessages();
        try {
            selector.acceptFiles(["file:///tmp/a.txt"]);
            selector.children[1].canceled();
        } finally {
            TestSupport.setLoggingRules("");
        }
        compare(TestSupport.recordedMessages(), data.lines);
        compare(selector.filePath, "/tmp/a.txt");
    }
}
