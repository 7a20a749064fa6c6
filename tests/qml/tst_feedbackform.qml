import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "forms"

TestCase {
    id: testCase
    name: "FeedbackForm"
    when: windowShown

    property var host

    Component { id: hostComponent; FormHost {} }

    // Popups still open while their window goes away leave updates behind
    // for a window that no longer exists.
    function cleanup() {
        host.feedback.close();
        findChild(host.feedback, "warningDialog").close();
        tryCompare(host.feedback, "visible", false);
    }

    function openForm(urls) {
        host = createTemporaryObject(hostComponent, testCase);
        var form = host.feedback;
        form.open();
        tryCompare(form, "opened", true);
        var list = findChild(form.contentItem, "attachmentList");
        form.addFiles(urls);
        tryVerify(function() { list.forceLayout(); return list.count === 0 || list.itemAtIndex(list.count - 1) !== null; });
        return form;
    }

    function paths(form) {
        return Array.from({ length: form.attachments.count }, function(_, i) { return form.attachments.get(i).path; });
    }

    // Each file not yet listed is added in the order given; one already
    // listed, however escaped, is skipped and raises the warning box.
    function test_addFiles() {
        var form = openForm(["file:///b", "file:///x%20y"]);
        var box = findChild(form, "warningDialog");
        verify(!box.visible);
        form.addFiles(["file:///a", "file:///a", "file:///x y", "file:///b", "file:///c"]);
        compare(paths(form), ["/b", "/x y", "/a", "/c"]);
        tryCompare(box, "opened", true);
        mouseClick(findChild(box.contentItem, "warningOkButton"));
        tryCompare(box, "visible", false);
    }

    // Rows are clicked once ("*") to select them or twice ("-"), which unselects.
    function test_removeSelected() {
        var rows = ["*/a", "-/b", "*/c", "*/d", "/e", "*/f"];
        var form = openForm(rows.map(function(row) { return "file://" + row.replace(/^[*-]/, ""); }));
        var list = findChild(form.contentItem, "attachmentList");
        rows.forEach(function(row, i) {
            var clicks = { "*": 1, "-": 2 }[row[0]] || 0;
            list.positionViewAtIndex(i, ListView.Contain);
            for (var c = 0; c < clicks; ++c)
                mouseClick(list.itemAtIndex(i), 20, list.itemAtIndex(i).height / 2);
            compare(form.attachments.get(i).selected, clicks === 1, row);
        });
        mouseClick(findChild(form.contentItem, "removeButton"));
        compare(paths(form), ["/b", "/e"]);
    }

    // A file name reaches the list as it is and shows on one plain-text line
    // that nothing in it can restyle, break, reorder or load from; a path too
    // long for the row loses its beginning, never its end.
    function test_rowsShowNamesLiterally_data() {
        var longPath = "/home/user/" + new Array(400).join("very-long-folder/") + "end-of-path.txt";
        return [
            { tag: "markup, line break and direction override",
              url: "file:///%3Cimg%20src=%22qrc:/images/cross.png%22%3E%0A%E2%80%AEtxt.exe",
              path: "/<img src=\"qrc:/images/cross.png\">\n\u202Etxt.exe",
              shown: "/<img src=\"qrc:/images/cross.png\">\u240A<U+202E>txt.exe" },
            { tag: "very long path", url: "file://" + longPath, path: longPath, shown: longPath, elided: true }
        ];
    }

    function test_rowsShowNamesLiterally(data) {
        var form = openForm([data.url]);
        var row = findChild(form.contentItem, "attachmentList").itemAtIndex(0);
        compare([paths(form)[0], row.text, row.truncated, row.elide], [data.path, data.shown, data.elided === true, Text.ElideLeft]);
        // Markup would lay out far narrower than the literal text.
        verify(row.implicitWidth > data.shown.length * row.font.pixelSize * 0.3, row.implicitWidth);
        verify(row.contentWidth <= row.width - row.leftPadding - row.rightPadding + 1, row.contentWidth);
    }
}
