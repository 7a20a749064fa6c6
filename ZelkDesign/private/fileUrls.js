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
