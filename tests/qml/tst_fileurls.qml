import QtQuick 2.9
import QtTest 1.2
import "qrc:/ZelkDesign/private/fileUrls.js" as FileUrls

TestCase {
    name: "FileUrls"

    function test_toLocalPath_data() {
        return [
            { tag: "unix absolute keeps its root", url: "file:///home/a.txt", path: "/home/a.txt" },
            { tag: "windows drive", url: "file:///D:/data/a.txt", path: "D:/data/a.txt" },
            { tag: "lower-case drive", url: "file:///c:/a.txt", path: "c:/a.txt" },
            { tag: "drive root", url: "file:///C:/", path: "C:/" },
            { tag: "escapes decoded", url: "file:///home/my%20notes/r%C3%A9sum%C3%A9.txt", path: "/home/my notes/résumé.txt" },
            { tag: "escaped percent and hash", url: "file:///tmp/100%25%23x.txt", path: "/tmp/100%#x.txt" },
            { tag: "markup in the name", url: "file:///tmp/%3Cb%3Ex%3C/b%3E.txt", path: "/tmp/<b>x</b>.txt" },
            { tag: "stray percent kept", url: "file:///tmp/50%zz.txt", path: "/tmp/50%zz.txt" },
            { tag: "localhost", url: "file://localhost/etc/hosts", path: "/etc/hosts" },
            { tag: "unc share", url: "file://server/share/a.txt", path: "//server/share/a.txt" },
            { tag: "root only", url: "file:///", path: "/" },
            { tag: "a path with a drive-like folder stays", url: "file:///home/C:x/a", path: "/home/C:x/a" },
            { tag: "typed path unchanged", url: "D:/data/a.txt", path: "D:/data/a.txt" },
            { tag: "other scheme unchanged", url: "qrc:/images/x.png", path: "qrc:/images/x.png" },
            { tag: "empty", url: "", path: "" }
        ];
    }

    function test_toLocalPath(data) {
        compare(FileUrls.toLocalPath(data.url), data.path);
        // A url value, as the file dialog hands it over, gives the same.
        if (data.url.indexOf("file:") === 0)
            compare(FileUrls.toLocalPath(Qt.resolvedUrl(data.url)), data.path);
    }

    function test_toLocalPaths() {
        compare(FileUrls.toLocalPaths(["file:///a", "file:///E:/b"]), ["/a", "E:/b"]);
        compare(FileUrls.toLocalPaths([]), []);
    }
}
