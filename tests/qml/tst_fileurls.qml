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

    function test_displayPath_data() {
        return [
            { tag: "plain", path: "/home/a b.txt", shown: "/home/a b.txt" },
            { tag: "markup and entities kept", path: "<b>&amp;</b>", shown: "<b>&amp;</b>" },
            { tag: "control characters as pictures", path: "a\u0000\u0001\t\n\r\u001B\u001F\u007F",
              shown: "a\u2400\u2401\u2409\u240A\u240D\u241B\u241F\u2421" },
            { tag: "c1 controls", path: "a\u0085\u009F", shown: "a<U+0085><U+009F>" },
            { tag: "line and paragraph separators", path: "a\u2028b\u2029", shown: "a<U+2028>b<U+2029>" },
            { tag: "direction marks", path: "\u200E\u200F\u061C", shown: "<U+200E><U+200F><U+061C>" },
            { tag: "embeddings and overrides", path: "\u202A\u202B\u202C\u202D\u202E", shown: "<U+202A><U+202B><U+202C><U+202D><U+202E>" },
            { tag: "isolates", path: "\u2066\u2067\u2068\u2069", shown: "<U+2066><U+2067><U+2068><U+2069>" },
            { tag: "letters of right-to-left scripts kept", path: "/\u05E9\u05DC\u0645.txt", shown: "/\u05E9\u05DC\u0645.txt" },
            { tag: "joiners and emoji kept", path: "\uD83D\uDC69\u200D\uD83D\uDCBB", shown: "\uD83D\uDC69\u200D\uD83D\uDCBB" },
            { tag: "empty", path: "", shown: "" }
        ];
    }

    function test_displayPath(data) {
        compare(FileUrls.displayPath(data.path), data.shown);
    }
}
