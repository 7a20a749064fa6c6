// Every text a view or the library shows must reach translators: wrapped
// where it is declared, and found by lupdate in the context that looks it up.

#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void textsReachTranslators();
};

void TestTranslations::textsReachTranslators()
{
    QTemporaryDir dir;
    QProcess lupdate;
    lupdate.setWorkingDirectory(SOURCE_DIR);
    lupdate.start(LUPDATE, { "-silent", "-recursive", "qml", "ZelkDesign", "-ts", dir.filePath("probe.ts") });
    QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
    QFile ts(dir.filePath("probe.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QSet<QString> extracted; // "context/source"
    QString context;
    for (QXmlStreamReader xml(&ts); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            extracted.insert(context + '/' + xml.readElementText());
    }
    // The forms mark these for the combo box's list, which looks them up in its own context.
    QVERIFY(extracted.contains("ZelkChooseComboBox/Automotive"));

    const QString literal = QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"");
    // A wrapped text, in the context named or else the file's own.
    const QRegularExpression marked("\\b(?:(?:qsTranslate|QT_TRANSLATE_NOOP)\\s*\\(\\s*" + literal
        + "\\s*,|(?:qsTr|QT_TR_NOOP)\\s*\\()\\s*" + literal);
    // A property a person reads or hears, and the expression bound to it.
    const QRegularExpression visible("(?:^|[\\s{;])(?:text|title|message|placeholderText|description|\\w*[lL]abel|"
                                     "notation\\w*|unit|Accessible\\.name|Accessible\\.description|ToolTip\\.text)"
                                     "[ \t]*:[ \t]*(.+)$",
        QRegularExpression::MultilineOption);
    // Placeholders the library shows as written in any language, for its
    // users to replace; the views have none.
    const QStringList plainLibraryTexts = { "New Project", "Calibrating", "Browse", "Please choose a file", "a.", "-",
        "High Detail", "Medium Detail", "Low Detail" };
    for (const QString root : { "/qml", "/ZelkDesign" }) {
        for (QDirIterator it(SOURCE_DIR + root, { "*.qml", "*.js" }, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile source(it.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(source.readAll())
                                     .remove(QRegularExpression("^\\s*//.*$", QRegularExpression::MultilineOption));
            for (auto m = marked.globalMatch(code); m.hasNext();) {
                const auto match = m.next();
                const QString key = (match.captured(1).isNull() ? it.fileInfo().completeBaseName() : match.captured(1))
                    + '/' + match.captured(2).replace(QRegularExpression("\\\\(.)"), "\\1");
                QVERIFY2(
                    extracted.contains(key), qPrintable(source.fileName() + " marks a text lupdate misses: " + key));
            }
            for (auto m = visible.globalMatch(code); m.hasNext();) {
                const auto match = m.next();
                for (auto shown = QRegularExpression(literal).globalMatch(match.captured(1).remove(marked));
                     shown.hasNext();) {
                    const QString text = shown.next().captured(1);
                    QVERIFY2(text.isEmpty() || (root == "/ZelkDesign" && plainLibraryTexts.contains(text)),
                        qPrintable(source.fileName() + " shows an untranslatable text: " + match.captured(0)));
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
