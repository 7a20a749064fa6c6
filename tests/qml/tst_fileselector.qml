import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0

TestCase {
    id: testCase
    name: "FileSelector"
    when: windowShown
    visible: true
    width: 720
    height: 100

    Component {
        id: selectorComponent
        ZelkFileSelector {}
    }

    function field(selector) {
        return selector.children[0];
    }

    function test_layout() {
        var selector = createTemporaryObject(selectorComponent, testCase);
        compare(selector.width, 693);
        compare(selector.height, 50);
        var button = selector.children[2];
        compare(button.text, "Browse");
        compare(button.width, 203);
        compare(button.x, 693 - 203);
        compare(field(selector).width, 693);
        // Text stops short of the button that covers the field's right end.
        verify(field(selector).rightPadding >= 203);
    }

    // What accepting the dialog with a URL puts into the field.
    function test_accept_data() {
        return [
            { tag: "windows drive", url: "file:///D:/data/a.txt", path: "D:/data/a.txt" },
            { tag: "unix keeps its root", url: "file:///home/a.txt", path: "/home/a.txt" },
            { tag: "escapes decoded", url: "file:///home/r%C3%A9sum%C3%A9%201.txt", path: "/home/résumé 1.txt" }
        ];
    }

    function test_accept(data) {
        var selector = createTemporaryObject(selectorComponent, testCase, { filePath: "old" });
        selector.acceptFiles([data.url]);
        compare(selector.filePath, data.path);
        compare(field(selector).text, data.path);
    }

    function test_typing() {
        var selector = createTemporaryObject(selectorComponent, testCase);
        mouseClick(field(selector), 50, 25);
        keyClick(Qt.Key_A);
        keyClick(Qt.Key_Slash);
        compare(selector.filePath, "a/");
        // An empty choice keeps what is there.
        selector.acceptFiles([]);
        compare(selector.filePath, "a/");
    }
}
