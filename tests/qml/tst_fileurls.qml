import QtQuick 2.9
import QtTest 1.2
import "qrc:/ZelkDesign/private/fileUrls.js" as FileUrls

TestCase {
    name: "FileUrls"

    function test_toLocalPath_data() {
        return [
            { tag: "unix keeps its root", input: "file:///home/a.txt", output: "/home/a.txt" },
            { tag: "windows drive of either case", input: "file:///d:/data/a.txt", output: "d:/data/a.txt" },
            { tag: "a drive-like folder stays", input: "file:///home/C:x/a", output: "/home/C:x/a" },
            { tag: "escapes decoded", input: "file:///r%C3%A9sum%C3%A9%20100%25%23%3Cb%3E.txt", output: "/résumé 100%#<b>.txt" },
            { tag: "stray percent kept", input: "file:///tmp/50%zz.txt", output: "/tmp/50%zz.txt" },
            { tag: "localhost", input: "file://localhost/etc/hosts", output: "/etc/hosts" },
            { tag: "unc share", input: "file://server/share/a.txt", output: "//server/share/a.txt" },
            { tag: "typed path unchanged", input: "D:/data/a.txt", output: "D:/data/a.txt" }
        ];
    }

    function test_toLocalPath(data) {
        compare(FileUrls.toLocalPath(data.input), data.output);
        // A url value, as the file dialog hands it over, gives the same.
        if (data.input.indexOf("file:") === 0)
            compare(FileUrls.toLocalPath(Qt.resolvedUrl(data.input)), data.output);
    }

    function test_displayPath_data() {
        var kept = "<b>&amp;</b> /\u05E9\u0645 \uD83D\uDC69\u200D\uD83D\uDCBB\u00A0";
        return [
            { tag: "markup, right-to-left letters and joiners kept", input: kept, output: kept },
            { tag: "control characters as pictures", input: "a\u0000\u0001\t\n\r\u001B\u001F\u007F",
              output: "a\u2400\u2401\u2409\u240A\u240D\u241B\u241F\u2421" },
            { tag: "separators and direction characters named", input: "\u0080\u009F\u061C\u200E\u200F\u2028\u202E\u2066\u2069",
              output: "<U+0080><U+009F><U+061C><U+200E><U+200F><U+2028><U+202E><U+2066><U+2069>" }
        ];
    }

    function test_displayPath(data) {
        compare(FileUrls.displayPath(data.input), data.output);
    }
}
