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

    // The first URL chosen shows as its local path, whether the dialog hands
    // over a string or a url value; an empty choice keeps it, and it can be
    // typed on, clear of the button over the field's right end.
    function test_paths_data() {
        return [
            { tag: "unix keeps its root", url: "file:///home/a.txt", path: "/home/a.txt" },
            { tag: "windows drive", url: "file:///d:/r%C3%A9sum%C3%A9%201.txt", path: "d:/résumé 1.txt" },
            { tag: "a drive-like folder stays", url: "file:///home/C:x/a", path: "/home/C:x/a" },
            { tag: "escapes decoded", url: "file:///100%25%23%3Cb%3E.txt", path: "/100%#<b>.txt" },
            { tag: "stray percent kept", url: "file:///tmp/50%zz.txt", path: "/tmp/50%zz.txt" },
            { tag: "localhost", url: "file://localhost/etc/hosts", path: "/etc/hosts" },
            { tag: "unc share", url: "file://server/share/a.txt", path: "//server/share/a.txt" }
        ];
    }

    function test_paths(data) {
        var selector = createTemporaryObject(selectorComponent, testCase);
        var field = selector.children[0];
        verify(field.rightPadding >= selector.children[2].width);
        selector.acceptFiles([Qt.resolvedUrl(data.url)]);
        compare(selector.filePath, data.path);
        selector.acceptFiles([data.url, "file:///other"]);
        selector.acceptFiles([]);
        compare(field.text, data.path);
        mouseClick(field, 50, 25);
        keyClick(Qt.Key_End);
        keyClick(Qt.Key_A);
        compare(selector.filePath, data.path + "a");
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
        selector.acceptFiles(["file:///tmp/a.txt"]);
        selector.children[1].canceled();
        TestSupport.setLoggingRules("");
        compare(TestSupport.recordedMessages(), data.lines);
    }
}
