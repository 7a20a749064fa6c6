// Every text a view shows must reach translators: wrapped where it is
// declared, and found by lupdate.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void viewTextsAreWrapped_data();
    void viewTextsAreWrapped();
    void lupdateExtracts_data();
    void lupdateExtracts();

private:
    QString m_ts;
};

void TestTranslations::viewTextsAreWrapped_data()
{
    QTest::addColumn<QString>("file");
    QDirIterator it(QStringLiteral(SOURCE_DIR "/qml"), { "*.qml" }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QDir(SOURCE_DIR).relativeFilePath(path))) << path;
    }
}

void TestTranslations::viewTextsAreWrapped()
{
    QFETCH(QString, file);
    QFile source(file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    // A visible property bound straight to a string literal (not an empty one).
    const QRegularExpression bare(
        QStringLiteral("\\b(text|title|message|placeholderText|description)\\s*:\\s*\"[^\"]+\""));
    int line = 0;
    while (!source.atEnd()) {
        const QString text = QString::fromUtf8(source.readLine());
        ++line;
        const auto match = bare.match(text);
        QVERIFY2(!match.hasMatch(),
            qPrintable(QStringLiteral("line %1 shows an untranslatable text: %2").arg(line).arg(text.trimmed())));
    }
}

void TestTranslations::lupdateExtracts_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : { "Orvane Tool", "Select devices:", "Next", "Warning", "You haven't select any devices!",
             "OK", "Enter description" })
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestTranslations::lupdateExtracts()
{
    QFETCH(QString, text);
    if (m_ts.isEmpty()) {
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
        m_ts = QString::fromUtf8(file.readAll());
    }
    QString escaped = text.toHtmlEscaped();
    escaped.replace("&quot;", "\"").replace("'", "&apos;");
    QVERIFY2(m_ts.contains("<source>" + escaped + "</source>"), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
