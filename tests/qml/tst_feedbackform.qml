import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "forms"

TestCase {
    id: testCase
    name: "FeedbackForm"
    when: windowShown

    property var host
    property var list

    Component { id: hostComponent; FormHost {} }

    // Popups still open while their window goes away leave updates behind
    // for a window that no longer exists.
    function cleanup() {
        host.feedback.close();
        findChild(host.feedback, "warningDialog").close();
        tryCompare(host.feedback, "visible", false);
    }

    function openForm(urls) {
        var form = (host = createTemporaryObject(hostComponent, testCase)).feedback;
        form.open();
        tryCompare(form, "opened", true);
        form.addFiles(urls);
        list = findChild(form.contentItem, "attachmentList");
        tryVerify(function() { list.forceLayout(); return list.count === 0 || list.itemAtIndex(list.count - 1) !== null; });
        return form;
    }

    function paths(form) {
        return Array.from({ length: form.attachments.count }, function(_, i) { return form.attachments.get(i).path; });
    }

    // Each file not yet listed is added in the order given; one already
    // listed, however escaped, is skipped and raises the warning box. A row
    // clicked once is selected, twice unselected; neighbours both go.
    function test_addAndRemove() {
        var form = openForm(["file:///b", "file:///x%20y"]);
        var box = findChild(form, "warningDialog");
        verify(!box.visible);
        form.addFiles(["file:///a", "file:///a", "file:///x y", "file:///b", "file:///c"]);
        compare(paths(form), ["/b", "/x y", "/a", "/c"]);
        tryCompare(box, "opened", true);
        mouseClick(findChild(box.contentItem, "warningOkButton"));
        tryCompare(box, "visible", false);
        [0, 0, 1, 2].forEach(function(i) {
            list.positionViewAtIndex(i, ListView.Contain);
            mouseClick(list.itemAtIndex(i), 20, list.itemAtIndex(i).height / 2);
        });
        mouseClick(findChild(form.contentItem, "removeButton"));
        compare(paths(form), ["/b", "/c"]);
    }

    // A file, handed over as the file dialog does, is listed as the local path its URL names,
    // on one plain-text line that nothing in the name can restyle, break, reorder or load
    // from; a path too long for the row loses its beginning, never its end.
    function test_rows_data() {
        var longPath = "/home/user/" + new Array(400).join("very-long-folder/") + "end-of-path.txt";
        return [
            { tag: "markup, line break and direction override", url: "file:///%3Cimg%20src=%22qrc:/images/cross.png%22%3E%0A%E2%80%AEtxt.exe",
              path: "/<img src=\"qrc:/images/cross.png\">\n\u202Etxt.exe", shown: "/<img src=\"qrc:/images/cross.png\">\u240A<U+202E>txt.exe" },
            { tag: "very long path", url: "file://" + longPath, path: longPath, elided: true },
            { tag: "windows drive", url: "file:///d:/r%C3%A9sum%C3%A9%201.txt", path: "d:/résumé 1.txt" },
            { tag: "a drive-like folder stays", url: "file:///home/C:x/a", path: "/home/C:x/a" },
            { tag: "escapes decoded", url: "file:///100%25%23%3Cb%3E.txt", path: "/100%#<b>.txt" },
            { tag: "stray percent kept", url: "file:///tmp/50%zz.txt", path: "/tmp/50%zz.txt" },
            { tag: "localhost", url: "file://localhost/etc/hosts", path: "/etc/hosts" },
            { tag: "unc share", url: "file://server/share/a.txt", path: "//server/share/a.txt" }
        ];
    }

    function test_rows(data) {
        var form = openForm([Qt.resolvedUrl(data.url)]);
        var row = list.itemAtIndex(0), shown = data.shown || data.path;
        compare([paths(form)[0], row.text, row.truncated, row.elide], [data.path, shown, data.elided === true, Text.ElideLeft]);
        // Markup would lay out far narrower than the literal text.
        verify(row.implicitWidth > shown.length * row.font.pixelSize * 0.3, row.implicitWidth);
        verify(row.contentWidth <= row.width - row.leftPadding - row.rightPadding + 1, row.contentWidth);
    }

    // From the keyboard alone: the form opens with Submit holding the focus;
    // Tab goes on from the message (it types no tab character) to the
    // attachment list, where Space selects or unselects the current row,
    // ringed, and Delete removes the selected rows.
    function test_attachmentsByKeys() {
        var form = openForm(["file:///a", "file:///b", "file:///c"]);
        host.requestActivate();
        tryVerify(function() { return host.active && host.activeFocusItem !== null; }, 5000, "the window has the keyboard");
        mouseMove(host.contentItem, 5, 5);
        compare(host.activeFocusItem, findChild(form.contentItem, "applylBtn"));
        var content = findChild(form.contentItem, "contentTextArea");
        content.forceActiveFocus(Qt.TabFocusReason);
        [Qt.Key_Tab, Qt.Key_Down, Qt.Key_Space, Qt.Key_Up, Qt.Key_Space, Qt.Key_Space, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down]
            .forEach(function(key) { keyClick(key); });
        compare([list.activeFocus, content.text, list.currentIndex], [true, "", 2]);
        var row = list.itemAtIndex(2);
        tryVerify(function() { return TestSupport.grab(row) && TestSupport.near(TestSupport.pixel(row, row.width / 2, 1), "#2e91ed", 16); },
                  3000, "the current row is ringed");
        keyClick(Qt.Key_Delete);
        compare(paths(form), ["/a", "/c"]);
    }
}
