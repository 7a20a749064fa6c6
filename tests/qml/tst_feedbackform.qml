import QtQuick 2.9
import QtQuick.Controls 2.2
import QtTest 1.2
import OrvaneTest 1.0
import "forms"

TestCase {
    id: testCase
    name: "FeedbackForm"
    when: windowShown

    property SignalSpy warningSpy
    property var host

    // Popups still open while their window goes away leave updates behind
    // for a window that no longer exists.
    function cleanup() {
        if (host) {
            host.feedback.close();
            findChild(host.feedback, "warningDialog").close();
            tryCompare(host.feedback, "visible", false);
            host = null;
        }
    }

    Component {
        id: hostComponent
        FormHost {}
    }

    function openForm() {
        host = createTemporaryObject(hostComponent, testCase);
        verify(host);
        tryCompare(host, "visible", true);
        var form = host.feedback;
        form.open();
        tryCompare(form, "opened", true);
        warningSpy = createTemporaryObject(signalSpyComponent, testCase,
                                           { target: findChild(form, "warningDialog"), signalName: "opened" });
        return form;
    }

    function waitForRows(list) {
        tryVerify(function() { list.forceLayout(); return list.count === 0 || list.itemAtIndex(list.count - 1) !== null; });
    }

    function paths(form) {
        var list = [];
        for (var i = 0; i < form.attachments.count; ++i)
            list.push(form.attachments.get(i).path);
        return list;
    }

    function test_layout() {
        var form = openForm();
        compare(form.width, 668);
        compare(form.height, 637);
        compare(form.x, 800 / 2 - 668 / 2);
        compare(form.y, 800 / 2 - 637 / 2);
        compare(form.modal, true);
        compare(form.industries, ["Automotive", "Agriculture", "Banking", "Computer Software", "Education", "Health"]);
        var combo = findChild(form.contentItem, "industryComboBox");
        compare(combo.displayText, "Automotive");
        compare(findChild(form.contentItem, "applylBtn").focus, true);
    }

    // Each row: the choices made one after another (each a list of URLs as
    // the file dialog returns them), then the listed paths and the number of
    // times the warning box opened.
    function test_addFiles_data() {
        return [
            { tag: "windows drive", choices: [["file:///C:/data/a.txt"]],
              paths: ["C:/data/a.txt"], warnings: 0 },
            { tag: "unix path keeps its root", choices: [["file:///home/a.txt"]],
              paths: ["/home/a.txt"], warnings: 0 },
            { tag: "escapes decoded", choices: [["file:///home/my%20notes.txt"]],
              paths: ["/home/my notes.txt"], warnings: 0 },
            { tag: "several in dialog order", choices: [["file:///b", "file:///a", "file:///c"]],
              paths: ["/b", "/a", "/c"], warnings: 0 },
            { tag: "same file again", choices: [["file:///C:/data/a.txt"], ["file:///C:/data/a.txt"]],
              paths: ["C:/data/a.txt"], warnings: 1 },
            { tag: "a duplicate skips only itself", choices: [["file:///a"], ["file:///b", "file:///a", "file:///c"]],
              paths: ["/a", "/b", "/c"], warnings: 1 },
            { tag: "same path however escaped", choices: [["file:///x%20y"], ["file:///x y"]],
              paths: ["/x y"], warnings: 1 },
            { tag: "several duplicates, one box", choices: [["file:///a", "file:///b"], ["file:///a", "file:///b"]],
              paths: ["/a", "/b"], warnings: 1 },
            { tag: "twice in one choice", choices: [["file:///a", "file:///a"]],
              paths: ["/a"], warnings: 1 },
            { tag: "unix and drive paths differ", choices: [["file:///C:/a"], ["file:///C%3A/a"]],
              paths: ["C:/a"], warnings: 1 }
        ];
    }

    function test_addFiles(data) {
        var form = openForm();
        for (var i = 0; i < data.choices.length; ++i)
            form.addFiles(data.choices[i]);
        compare(paths(form), data.paths);
        compare(warningSpy.count, data.warnings);
        compare(warningSpy.target.visible, data.warnings > 0);
        for (var j = 0; j < form.attachments.count; ++j)
            compare(form.attachments.get(j).selected, false);
    }

    // Rows given as paths with a leading "*" for the selected ones.
    function test_removeSelected_data() {
        return [
            { tag: "two of three", rows: ["*/a", "/b", "*/c"], left: ["/b"] },
            { tag: "neighbours", rows: ["/a", "*/b", "*/c", "/d"], left: ["/a", "/d"] },
            { tag: "all", rows: ["*/a", "*/b"], left: [] },
            { tag: "none", rows: ["/a", "/b"], left: ["/a", "/b"] },
            { tag: "empty list", rows: [], left: [] }
        ];
    }

    function test_removeSelected(data) {
        var form = openForm();
        var list = findChild(form.contentItem, "attachmentList");
        var urls = [];
        for (var i = 0; i < data.rows.length; ++i)
            urls.push("file://" + data.rows[i].replace("*", ""));
        form.addFiles(urls);
        waitForRows(list);
        // Select by clicking the rows, as the user does.
        for (i = 0; i < data.rows.length; ++i) {
            if (data.rows[i][0] === "*") {
                list.positionViewAtIndex(i, ListView.Contain);
                var row = list.itemAtIndex(i);
                mouseClick(row, 20, row.height / 2);
                compare(form.attachments.get(i).selected, true);
            }
        }
        var removeButton = findChild(form.contentItem, "removeButton");
        compare(removeButton.enabled, data.rows.length > 0);
        if (removeButton.enabled)
            mouseClick(removeButton);
        compare(paths(form), data.left);
        compare(removeButton.enabled, data.left.length > 0);
    }

    function test_clickTogglesSelection() {
        var form = openForm();
        form.addFiles(["file:///a"]);
        var list = findChild(form.contentItem, "attachmentList");
        waitForRows(list);
        var row = list.itemAtIndex(0);
        mouseClick(row, 20, row.height / 2);
        compare(form.attachments.get(0).selected, true);
        mouseClick(row, 20, row.height / 2);
        compare(form.attachments.get(0).selected, false);
    }

    // Hostile file names reach the list as they are (the attachment keeps the
    // exact path) and show on one plain-text line that nothing in them can
    // restyle, break, reorder or load from; a path too long for the row loses
    // its beginning, never its end.
    function test_rowsShowNamesLiterally_data() {
        var longPath = "/home/user/" + new Array(400).join("very-long-folder/") + "end-of-path.txt";
        return [
            { tag: "plain", url: "file:///tmp/plain.txt", path: "/tmp/plain.txt", shown: "/tmp/plain.txt" },
            { tag: "bold markup", url: "file:///tmp/%3Cb%3Ex%3C/b%3E.txt", path: "/tmp/<b>x</b>.txt",
              shown: "/tmp/<b>x</b>.txt" },
            { tag: "image markup", url: "file:///tmp/%3Cimg%20src=%22qrc:/images/cross.png%22%3E.txt",
              path: "/tmp/<img src=\"qrc:/images/cross.png\">.txt", shown: "/tmp/<img src=\"qrc:/images/cross.png\">.txt" },
            { tag: "entities", url: "file:///tmp/a%26amp;b%26lt;.txt", path: "/tmp/a&amp;b&lt;.txt", shown: "/tmp/a&amp;b&lt;.txt" },
            { tag: "newline", url: "file:///tmp/a.txt%0A/etc/passwd", path: "/tmp/a.txt\n/etc/passwd",
              shown: "/tmp/a.txt\u240A/etc/passwd" },
            { tag: "carriage return and tab", url: "file:///tmp/a%0D%09b", path: "/tmp/a\r\tb", shown: "/tmp/a\u240D\u2409b" },
            { tag: "line separator", url: "file:///tmp/a%E2%80%A8b", path: "/tmp/a\u2028b", shown: "/tmp/a<U+2028>b" },
            { tag: "right-to-left override", url: "file:///tmp/invoice%E2%80%AEtxt.exe", path: "/tmp/invoice\u202Etxt.exe",
              shown: "/tmp/invoice<U+202E>txt.exe" },
            { tag: "right-to-left mark", url: "file:///tmp/%E2%80%8Fa.txt", path: "/tmp/\u200Fa.txt", shown: "/tmp/<U+200F>a.txt" },
            { tag: "hebrew name", url: "file:///tmp/%D7%A9%D7%9C%D7%95%D7%9D.txt", path: "/tmp/\u05E9\u05DC\u05D5\u05DD.txt",
              shown: "/tmp/\u05E9\u05DC\u05D5\u05DD.txt" },
            { tag: "very long path", url: "file://" + longPath, path: longPath, shown: longPath, elided: true }
        ];
    }

    function test_rowsShowNamesLiterally(data) {
        var form = openForm();
        form.addFiles(["file:///tmp/reference.txt", data.url]);
        compare(paths(form), ["/tmp/reference.txt", data.path]);
        var list = findChild(form.contentItem, "attachmentList");
        waitForRows(list);
        var reference = list.itemAtIndex(0);
        var row = list.itemAtIndex(1);
        compare(row.text, data.shown);
        compare(row.textFormat, Text.PlainText);
        compare(row.lineCount, 1);
        // One line; a fallback face for the control pictures may be a little taller.
        verify(row.height < reference.height * 1.5, row.height + " vs " + reference.height);
        compare(row.width, list.width);
        compare(row.truncated, data.elided === true);
        compare(row.elide, Text.ElideLeft);
        if (!data.elided) {
            // Markup would draw far less than the literal text.
            verify(row.contentWidth > data.shown.length * row.font.pixelSize * 0.3, row.contentWidth);
            return;
        }
        // Cut to the row, inside its padding.
        verify(row.contentWidth <= row.width - row.leftPadding - row.rightPadding + 1, row.contentWidth);
    }

    function test_warningOkCloses() {
        var form = openForm();
        form.addFiles(["file:///a", "file:///a"]);
        var box = warningSpy.target;
        tryCompare(box, "opened", true);
        compare(box.message, "The file has been attached!");
        compare(box.title, "Warning");
        mouseClick(findChild(box.contentItem, "warningOkButton"));
        tryCompare(box, "visible", false);
        compare(paths(form), ["/a"]);
    }

    function test_submitCloses() {
        var form = openForm();
        var closed = createTemporaryObject(signalSpyComponent, testCase, { target: form, signalName: "closed" });
        mouseClick(findChild(form.contentItem, "applylBtn"));
        tryCompare(closed, "count", 1);
        compare(form.visible, false);
        // Entries live as long as the dialog object.
        form.addFiles(["file:///kept"]);
        form.open();
        tryCompare(form, "opened", true);
        compare(paths(form), ["/kept"]);
    }

    Component {
        id: signalSpyComponent
        SignalSpy {}
    }
}
