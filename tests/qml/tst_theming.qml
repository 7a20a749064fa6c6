import QtQuick 2.9
import QtTest 1.2
import ZelkDesign 1.0
import OrvaneTest 1.0
import "qrc:/ZelkDesign/private/accentShades.js" as AccentShades
import "catalogue.js" as Catalogue

// One table over every published type: what a change of accent does to its
// pixels, and what disabling it does; then the theme's colour and font helpers.
TestCase {
    id: testCase
    name: "Theming"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    // Black, so that a dimmed layer reads as its colour times its opacity.
    Rectangle { anchors.fill: parent; color: "black" }

    readonly property color stock: "#2e91ed"
    readonly property color green: "#3cc24a"
    property var made: []
    property Item page: null

    Component { id: pageComponent; Item { width: testCase.width; height: testCase.height } }

    // One row per published type, as the catalogue describes it.
    function test_table_data() {
        var lights = {
            checked: function(control) { control.checked = true; },
            focused: function(control) { control.forceActiveFocus(); },
            // Focused without a blinking cursor, which would differ from grab to grab.
            typing: function(control) { control.forceActiveFocus(); control.cursorVisible = false; },
            pointed: function(control) { var close = findChild(control, "closeArea"); mouseMove(close, close.width / 2, close.height / 2); },
            tool: function(control) { findChild(control, "toolButton0").forceActiveFocus(); }
        };
        return Object.keys(Catalogue.types).map(function(type) {
            var traits = Catalogue.types[type][0], words = traits.split(" "), margin = / m([0-9]+)/.exec(traits);
            return { tag: type, accent: words[0] === "accent", margin: margin ? Number(margin[1]) : 4, lit: lights[words[1]],
                     dims: words.filter(function(word) { return /^(none|own|flat|layers)$/.test(word); })[0] };
        });
    }

    function initTestCase() {
        TestSupport.useGreyText();
    }

    function cleanup() {
        ZelkDesign.themeColor = stock;
        // The row's controls go with their page, made at run time and dropped
        // at the end of the row, as a host drops one: nothing may warn then.
        made = [];
        page = null;
    }

    // The item to grab: a popup's background, which is what shows.
    function make(data) {
        page = page || createTemporaryObject(pageComponent, testCase);
        var control = Catalogue.make(data.tag, page, {}, findChild);
        made.push(control);
        tryVerify(function() { return control.opened !== false; });
        return control.opened ? control.background : control;
    }

    // Unchanged over three frames of the window: every animation and first paint
    // is over (a running animation moves on with each frame). The last grab kept as `name`.
    function settle(item, margin, name) {
        var steadySince = -1;
        tryVerify(function() {
            var frame = TestSupport.frames(item);
            TestSupport.grab(item);
            if (steadySince < 0 || TestSupport.compareWithKept(item, "previous", margin).largest > 0)
                steadySince = frame;
            TestSupport.keep("previous");
            return frame - steadySince >= 3;
        }, 5000, "the control comes to rest");
        TestSupport.keep(name || "previous");
    }

    function test_table(data) {
        mouseMove(testCase, testCase.width - 5, testCase.height - 5);
        // The lit control under the stock accent, under a green one, and back.
        var item = make(data);
        if (data.lit)
            data.lit(made[0]);
        settle(item, data.margin, "stock");
        ZelkDesign.themeColor = green;
        settle(item, data.margin);
        var change = TestSupport.compareWithKept(item, "stock", data.margin, stock, green);
        // With an accent, no pixel keeps its stock hue; without, nothing changes.
        verify(data.accent ? change.accentPixels > 20 && change.stayed === 0 : change.accentPixels === 0 && change.largest === 0, JSON.stringify(change));
        compare(change.strays, 0, "other pixels that changed with the accent");
        ZelkDesign.themeColor = stock;
        settle(item, data.margin);
        compare(TestSupport.compareWithKept(item, "stock", data.margin).largest, 0, "the stock accent draws as before");

        // The control at rest, enabled and then not.
        if (data.lit) {
            made[0].visible = false;
            item = make(data);
            settle(item, data.margin, "stock");
        }
        made[made.length - 1].enabled = false;
        settle(item, data.margin);
        var dimmed = TestSupport.compareWithKept(item, "stock", data.margin), light = dimmed.brightness;
        verify({ none: dimmed.largest === 0, own: dimmed.largest > 40, flat: Math.abs(light - 0.3) <= 0.04, layers: light > 0.3 && light < 0.45 }[data.dims],
               data.dims + ": " + JSON.stringify(dimmed));
    }

    // A shade keeps to the accent the hue turn, saturation and value it has
    // to the stock accent; under the stock accent it is the drawn colour itself.
    function test_shades_data() {
        return [
            { tag: "stock accent", accent: "#2e91ed", shades: ["#3ea2ff", "#004d94", "#88184669"] },
            { tag: "green", accent: "#3cc24a", shades: ["#49d158", "#11791c", "#881d5620"] },
            { tag: "grey stays grey", accent: "#808080", shades: ["#8a8a8a", "#505050", "#88393939"] },
            { tag: "value held at full", accent: "#ffff00", shades: ["#ffff10", "#9f9f00", "#88716c05"] }
        ];
    }

    function test_shades(data) {
        compare(["#3ea2ff", "#004d94", "#88184669", "#2e91ed"].map(function(reference) { return AccentShades.follow(data.accent, reference).toLowerCase(); }),
                data.shades.concat([data.accent]));
    }

    // Any colour QML takes comes back with its red, green and blue and the
    // given alpha; the colour's own alpha is replaced, not multiplied.
    function test_semiTransparent() {
        [["#2e91ed", 0.25, [46, 145, 237]], ["#33ff8000", 1, [255, 128, 0]], ["steelblue", 0, [70, 130, 180]], [Qt.rgba(1, 1, 1, 0.2), 0.75, [255, 255, 255]]].forEach(function(row) {
            var c = ZelkDesign.semiTransparent(row[0], row[1]);
            compare([c.r, c.g, c.b].map(function(channel) { return Math.round(channel * 255); }), row[2], String(row[0]));
            fuzzyCompare(c.a, row[1], 1 / 255, String(row[0]));
        });
    }

    // 'W' is 876 units wide in the Regular file and 943 in the Bold one (1000
    // a em): a bold made by emboldening the Regular file would measure neither.
    function test_boldUsesTheBoldFile() {
        var metrics = "import QtQuick 2.9; import ZelkDesign 1.0; FontMetrics { font.family: ZelkDesign.fontFamily; font.pixelSize: 200; font.bold: %1 }";
        fuzzyCompare(createTemporaryQmlObject(metrics.arg("false"), testCase).advanceWidth("W"), 175.2, 1);
        fuzzyCompare(createTemporaryQmlObject(metrics.arg("true"), testCase).advanceWidth("W"), 188.6, 1);
    }

    // The catalogue covers the module's types, no more and no fewer.
    function test_catalogueCoversTheModule() {
        var published = TestSupport.readFile(":/ZelkDesign/qmldir").split("\r\n").map(function(line) { return line.split(" "); })
            .filter(function(fields) { return fields.length === 3 && /\.qml$/.test(fields[2]); }).map(function(fields) { return fields[0]; });
        compare(Object.keys(Catalogue.types).sort(), published.sort());
    }
}
