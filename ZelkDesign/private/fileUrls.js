.pragma library

// The local path a file URL names, as the platform spells it: "/home/a b.txt"
// on Unix, "D:/data/a.txt" for a drive URL, "//server/share/a.txt" for a UNC
// one. Text that is not a file URL is returned unchanged, so a typed path
// passes through as it is.
function toLocalPath(url) {
    var text = String(url);
    var match = /^file:(\/\/([^\/]*))?(\/.*)?$/i.exec(text);
    if (!match)
        return text;
    var host = match[2] || "";
    var path = decode(match[3] || "");
    if (host !== "" && host.toLowerCase() !== "localhost")
        return "//" + decode(host) + path;
    // A drive letter follows the URL's root slash, which is not part of a Windows path.
    if (/^\/[A-Za-z]:(\/|$)/.test(path))
        return path.substring(1);
    return path;
}

function toLocalPaths(urls) {
    var paths = [];
    for (var i = 0; i < urls.length; ++i)
        paths.push(toLocalPath(urls[i]));
    return paths;
}

function decode(text) {
    try {
        return decodeURIComponent(text);
    } catch (e) {
        // A stray "%" that starts no escape is part of the name.
        return text;
    }
}

// A path as a one-line list row shows it: every character kept and in its
// place, but none that acts on the text around it. Control characters
// (a newline would split one file into two rows) show as their Unicode
// control pictures; line separators and the invisible direction marks and
// overrides (which can make "a\u202Etxt.exe" read "aexe.txt") show as
// "<U+XXXX>". The path itself is never changed, only how it reads.
function displayPath(path) {
    return String(path)
        .replace(/[\u0000-\u001F\u007F]/g, function (c) {
            var code = c.charCodeAt(0);
            return String.fromCharCode(code === 0x7F ? 0x2421 : 0x2400 + code);
        })
        .replace(/[\u0080-\u009F\u061C\u200E\u200F\u2028-\u202E\u2066-\u2069]/g, function (c) {
            var hex = c.charCodeAt(0).toString(16).toUpperCase();
            return "<U+" + "0000".substring(hex.length) + hex + ">";
        });
}
