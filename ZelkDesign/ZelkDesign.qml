pragma Singleton
import QtQuick 2.9

QtObject {
    id: root

    property string fontFamily: "Noto Sans Disp"
    property color themeColor: "#2e91ed"
    property string faRegular: faRegularFontLoader.name
    property string faSolid: faSolidFontLoader.name
    property string faBrands: faBrandsFontLoader.name

    function semiTransparent(prevColor, alpha) {
        return Qt.rgba(prevColor.r, prevColor.g, prevColor.b, alpha);
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
}
