.pragma library

// What the Qt Quick Controls 2 Default style (Qt 5.15) gives the controls the
// library is built on, from its palette and its fonts. The Plain* documents
// set these on the templates themselves, so that the library looks the same
// whatever style the host application picks.

function textColor(enabled) {
    return enabled ? "#353637" : "#7f353637";
}

function windowTextColor(enabled) {
    return enabled ? "#26282a" : "#bdbebf";
}

function selectionColor(enabled) {
    return enabled ? "#0066ff" : "#f0f6ff";
}

var selectedTextColor = "#090909";
var linkColor = "#45a7d7";
var scrollIndicatorColor = "#bdbdbd";
// The shades a dimmed popup lays over the window, modal or not.
var modalDimColor = "#7f28282a";
var modelessDimColor = "#1e28282a";

// The font the Default style gives a control that names none, the
// application's: with each property fixed that some style's theme sets
// (family, size, weight, capitalization), so the host's style fills in none.
// The size goes in points, as the platforms give their fonts (QML reports a
// size in pixels as its equivalent in points).
function controlFont(font) {
    return Qt.font({ family: font.family, pointSize: font.pointSize, weight: font.weight, italic: font.italic,
                     capitalization: font.capitalization });
}

// The style's placeholders are their field's colour at half alpha, rounded
// down to 127 of 255.
function placeholderColor(color) {
    return Qt.rgba(color.r, color.g, color.b, 127 / 255);
}
