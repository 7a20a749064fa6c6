// Every text a view or the library shows must reach translators: wrapped
// where it is declared, and found by lupdate in the context that looks it up.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void viewTextsAreWrapped_data();
    void viewTextsAreWrapped();
    void lupdateExtracts_data();
    void lupdateExtracts();

private:
    // "context/source" of every message lupdate finds.
    QSet<QString> m_extracted;
};

void TestTranslations::viewTextsAreWrapped_data()
{
    QTest::addColumn<QString>("file");
    for (const char *dir : { "qml", "ZelkDesign" }) {
        QDirIterator it(QStringLiteral(SOURCE_DIR "/") + dir, { "*.qml" }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(QDir(SOURCE_DIR).relativeFilePath(path))) << path;
        }
    }
}

void TestTranslations::viewTextsAreWrapped()
{
    QFETCH(QString, file);
    QFile source(file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    // Placeholders that the library shows as written in any language, for
    // its users to replace; the views have none.
    static const QStringList plainLibraryTexts = { "New Project", "Calibrating", "Browse", "Please choose a file",
        "Additional Options", "a.", "-", "High Detail", "Medium Detail", "Low Detail" };
    const bool inLibrary = QDir(SOURCE_DIR).relativeFilePath(file).startsWith("ZelkDesign/");
    // A property a person reads or hears, and the expression bound to it.
    const QRegularExpression visible(
        QStringLiteral("(?:^|[\\s{;])(text|title|message|placeholderText|description|label|Accessible\\.name|"
                       "Accessible\\.description|ToolTip\\.text)\\s*:\\s*(.+)$"));
    // A wrapped literal is fine wherever it stands in the expression.
    const QRegularExpression wrapped(QStringLiteral("\\b(?:qsTr|qsTranslate|qsTrId|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_"
                                                    "TRID_NOOP)\\s*\\((?:[^()\"]|\"(?:[^\"\\\\]|\\\\.)*\")*\\)"));
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    int line = 0;
    while (!source.atEnd()) {
        const QString text = QString::fromUtf8(source.readLine()).trimmed();
        ++line;
        if (text.startsWith("//"))
            continue;
        const auto match = visible.match(text);
        if (!match.hasMatch())
            continue;
        QString expression = match.captured(2);
        expression.remove(wrapped);
        auto literals = literal.globalMatch(expression);
        while (literals.hasNext()) {
            const QString shown = literals.next().captured(1);
            if (shown.isEmpty() || (inLibrary && plainLibraryTexts.contains(shown)))
                continue;
            QFAIL(qPrintable(QStringLiteral("line %1 shows an untranslatable text: %2").arg(line).arg(text)));
        }
    }
}

void TestTranslations::lupdateExtracts_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, QStringList>> expected = {
        { "MainView", { "Orvane Tool" } },
        { "SelectDevicesView", { "Select devices:", "Next", "Warning", "You haven't select any devices!", "OK" } },
        { "DeviceStepView", { "Next" } },
        { "UserFeedbackDialog",
            { "User Feedback", "Do you have any suggestions or ideas back to us?", "My email: %1", "Industry:%1",
                "Content:%1", "Attachments:", "(< 50M)", "Submit", "Warning", "The file has been attached!", "OK",
                "Choose files to attach", "Attachments", "Add attachments", "Remove selected attachments" } },
        { "UserRateDialog", { "Industry:%1", "Corvex User Evaluation: %1" } },
        // Marked by the forms, looked up by the combo box's list in its own context.
        { "ZelkChooseComboBox",
            { "Automotive", "Agriculture", "Banking", "Computer Software", "Education", "Health" } },
        { "ZelkTextArea", { "Enter description" } },
        { "ZelkHSlider", { "Bright", "Dark" } },
        { "ZelkVSlider", { "High", "Low", "mm" } },
        { "ZelkArrowNotation", { "Too Far", "pull down" } },
        { "ZelkRectNotation", { "Too Far", "pull down" } },
        { "ZelkNotation",
            { "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et "
              "dolore magna aliqua." } },
        { "ZelkStepBar", { "In Progress", "Go back to %1" } },
        { "ZelkRating", { "Rating %1 of %2" } },
        { "ZelkDialog", { "Close" } },
        { "ZelkExpandableToolPanel", { "Collapse" } },
    };
    for (const auto &context : expected) {
        for (const QString &text : context.second)
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(context.first, text)))
                << QString::fromUtf8(context.first) << text;
    }
}

void TestTranslations::lupdateExtracts()
{
    QFETCH(QString, context);
    QFETCH(QString, text);
    if (m_extracted.isEmpty()) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ts = dir.filePath("probe.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(SOURCE_DIR);
        lupdate.start(LUPDATE, { "-silent", "-recursive", "qml", "ZelkDesign", "-ts", ts });
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString current;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                current = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                m_extracted.insert(current + '/' + xml.readElementText());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
    QVERIFY2(m_extracted.contains(context + '/' + text), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
