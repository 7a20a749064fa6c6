// The gallery's snapshot mode, as the documentation images are made, and a
// directory that cannot be made failing the run.

#include <QImage>
#include <QtTest>

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void snapshot_data();
    void snapshot();
};

void TestGallery::snapshot_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("every page") << "images/gallery";
    QTest::newRow("a file in the way") << "blocker/images";
}

void TestGallery::snapshot()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QDir out(dir.filePath(target));
    QProcess gallery;
    gallery.start(GALLERY, { "--snapshot", out.path() });
    QVERIFY(gallery.waitForFinished(180000));
    const QString errors = QString::fromLocal8Bit(gallery.readAllStandardError());
    QCOMPARE(gallery.exitStatus(), QProcess::NormalExit);
    if (target.startsWith("blocker")) {
        QVERIFY2(gallery.exitCode() != 0 && errors.contains("snapshot failed"), qPrintable(errors));
        return;
    }
    QVERIFY2(gallery.exitCode() == 0, qPrintable(errors));
    QVERIFY2(!errors.contains("qrc:/"), qPrintable(errors)); // engine warnings name their document

    const QStringList pages { "buttons", "toggles", "selectors", "sliders", "progress", "panels", "notations",
        "choosers" };
    QCOMPARE(out.entryList(QDir::Files).size(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QImage image(out.filePath(pages.at(i) + ".png"));
        QVERIFY2(!image.isNull(), qPrintable(pages.at(i)));
        // The family list marks the page on show, and only it, with a blue bar
        // at its left edge; entries are 48 high, 4 apart, the first 74 from the top.
        for (int entry = 0; entry < pages.size(); ++entry) {
            const QRgb px = image.pixel(1, 74 + 52 * entry + 24);
            const bool marked = qAbs(qRed(px) - 0x2e) + qAbs(qGreen(px) - 0x91) + qAbs(qBlue(px) - 0xed) <= 24;
            QVERIFY2(marked == (entry == i), qPrintable(QString("%1: entry %2").arg(pages.at(i)).arg(entry)));
        }
    }
}

QTEST_GUILESS_MAIN(TestGallery)
#include "tst_gallery.moc"
