pragma Singleton
import QtQuick 2.9
import "private/accentShades.js" as AccentShades

QtObject {
    id: root

    property string fontFamily: "Noto Sans Disp"
    property color themeColor: "#2e91ed"
    property string faRegular: faRegularFontLoader.name
    property string faSolid: faSolidFontLoader.name
    property string faBrands: faBrandsFontLoader.name

    // Takes whatever a color property takes: a color, "#rrggbb", "#aarrggbb" or
    // a name. A string has no channels of its own; tinting with a transparent
    // colour is how a script gets the color it names, unchanged.
    function semiTransparent(prevColor, alpha) {
        var c = Qt.tint(prevColor, "transparent");
        return Qt.rgba(c.r, c.g, c.b, alpha);
    }

    property FontLoader fontLoaderRegular: FontLoader { source: Qt.resolvedUrl("../fonts/NotoSansDisplay-Regular.ttf") }
    property FontLoader fontLoaderSemiBold: FontLoader { source: Qt.resolvedUrl("../fonts/NotoSansDisplay-SemiBold.ttf") }
    property FontLoader fontLoaderBold: FontLoader { source: Qt.resolvedUrl("../fonts/NotoSansDisplay-Bold.ttf") }
    property FontLoader faRegularFontLoader: FontLoader { source: Qt.resolvedUrl("../fonts/Font Awesome 5 Free-Regular-400.otf") }
    property FontLoader faSolidFontLoader: FontLoader { source: Qt.resolvedUrl("../fonts/Font Awesome 5 Free-Solid-900.otf") }
    property FontLoader faBrandsFontLoader: FontLoader { source: Qt.resolvedUrl("../fonts/Font Awesome 5 Brands-Regular-400.otf") }

    property var fa: ({
        "file": "\uf15b",
        "folder": "\uf07b",
        "arrowLeft": "\uf060",
        "arrowRight": "\uf061",
        "arrowUp": "\uf062",
        "arrowDown": "\uf063",
        "check": "\uf00c",
        "hdd": "\uf0a0",
        "home": "\uf015",
        "infoCircle": "\uf05a",
        "sortDown": "\uf0dd",
        "plus": "\uf067",
        "minus": "\uf068"
    })

    // The palette: the greys and text colours that several controls share.
    // Plain properties, so an application may restyle any of them.
    property color textColor: "#9b9b9b"
    property color mutedTextColor: "#676767"
    property color disabledTextColor: "#3f3f3f"
    property color brightTextColor: "#ffffff"
    property color selectedTextColor: "#fdfdfd"
    property color highlightedTextColor: "#ffffff"
    property color titleTextColor: "#f9f9f9"
    property color symbolColor: "#b7b7b7"
    property color frameColor: "#676767"
    property color fieldColor: "#262626"
    property color fieldBorderColor: "#484848"
    property color fieldShadowColor: "#1a1a1a"
    property color trayColor: "#212121"
    property color trayBorderColor: "#666666"
    property color raisedTopColor: "#333436"
    property color raisedBottomColor: "#272829"
    property color raisedBorderColor: "#464748"
    property color raisedTextColor: "#c1c1c1"
    property color raisedDisabledTextColor: "#585959"
    property color titleBandTopColor: "#222222"
    property color titleBandBottomColor: "#1a1a1a"
    property color titleButtonTopColor: "#101010"
    property color titleButtonBottomColor: "#0d0d0d"
    property color panelFrameColor: "#343434"

    // Shades of the accent. Each follows themeColor, keeping the relation it
    // has to the stock accent; assigning one fixes it instead.
    property color lightAccentColor: AccentShades.follow(themeColor, "#3ea2ff")
    property color accentMarkColor: AccentShades.follow(themeColor, "#004d94")
}
