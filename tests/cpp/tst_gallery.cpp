// The gallery's snapshot mode, as the documentation images are made: one image
// per page, each showing its own page, written without a QML warning; and a
// directory that cannot be made ends the run with a failure status.

#include <QColor>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList pages { "buttons", "toggles", "selectors", "sliders", "progress", "panels", "notations", "choosers" };

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QString errors;
};

Run runGallery(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(GALLERY), arguments);
    Run run;
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.exitStatus = process.exitStatus();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

bool near(QRgb a, QColor b)
{
    return qAbs(qRed(a) - b.red()) <= 8 && qAbs(qGreen(a) - b.green()) <= 8 && qAbs(qBlue(a) - b.blue()) <= 8;
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void snapshotWritesEveryPage();
    void snapshotFailsWhenDirectoryCannotBeMade_data();
    void snapshotFailsWhenDirectoryCannotBeMade();
};

void TestGallery::snapshotWritesEveryPage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("images/gallery");

    const Run run = runGallery({ "--snapshot", out });
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    // Engine warnings name the document they come from.
    QVERIFY2(!run.errors.contains("qrc:/"), qPrintable(run.errors));

    QStringList expected;
    for (const QString &page : pages)
        expected << page + ".png";
    QStringList written = QDir(out).entryList(QDir::Files, QDir::Name);
    expected.sort();
    QCOMPARE(written, expected);

    QSet<QByteArray> digests;
    for (int i = 0; i < pages.size(); ++i) {
        const QString path = QDir(out).filePath(pages.at(i) + ".png");
        QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY(image.width() > 0 && image.width() <= 1280);
        QVERIFY(image.height() > 0 && image.height() <= 800);

        // The family list marks the page on show with a blue bar at its left
        // edge; entries are 48 high, 4 apart, the first 74 from the top.
        for (int entry = 0; entry < pages.size(); ++entry) {
            const bool marked = near(image.pixel(1, 74 + 52 * entry + 24), QColor("#2e91ed"));
            QVERIFY2(marked == (entry == i), qPrintable(QString("%1: entry %2").arg(pages.at(i)).arg(entry)));
        }

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        digests.insert(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    QCOMPARE(digests.size(), pages.size());
}

void TestGallery::snapshotFailsWhenDirectoryCannotBeMade_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a file is in the way") << "blocker";
    QTest::newRow("below a file") << "blocker/images";
}

void TestGallery::snapshotFailsWhenDirectoryCannotBeMade()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const Run run = runGallery({ "--snapshot", dir.filePath(target) });
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QVERIFY2(run.exitCode != 0, qPrintable(run.errors));
    QVERIFY2(run.errors.contains("snapshot failed"), qPrintable(run.errors));
}

QTEST_GUILESS_MAIN(TestGallery)
#include "tst_gallery.moc"
