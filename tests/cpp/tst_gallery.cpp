// The gallery's snapshot mode, as the documentation images are made, and a
// directory that cannot be made failing the run; and every published type on
// show in the gallery.

#include "galleryengine.h"
#include "startup.h"

#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QtTest>

namespace {

// The QML type names along an object's meta-object chain ("Card_QMLTYPE_3"
// gives "Card"; a declaration that adds properties is "Name_QML_n").
QStringList typeNames(const QObject *object)
{
    QStringList names;
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        const QString name = QString::fromLatin1(meta->className());
        names << name.left(name.indexOf(QLatin1String("_QML")));
    }
    return names;
}

// Everything an object holds: its QObject children (popups among them) and
// its child items (a repeater's delegates are only those).
void collect(QObject *object, QSet<QObject *> *found)
{
    if (found->contains(object))
        return;
    found->insert(object);
    for (QObject *child : object->children())
        collect(child, found);
    if (auto *item = qobject_cast<QQuickItem *>(object)) {
        for (QQuickItem *child : item->childItems())
            collect(child, found);
    }
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void snapshot_data();
    void snapshot();
    void everyPublishedTypeOnAPage();
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

// Each published type has a card titled with its name that holds a live
// instance of it. The pages are built as a user builds them, by showing each.
void TestGallery::everyPublishedTypeOnAPage()
{
    const QStringList published = Startup::publishedTypes();
    QVERIFY(!published.isEmpty());
    QQmlApplicationEngine engine;
    Gallery::prepareEngine(&engine, {});
    QStringList warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            warnings << error.toString();
    });
    engine.load(QUrl(QStringLiteral("qrc:/gallery/qml/GalleryWindow.qml")));
    QCOMPARE(engine.rootObjects().size(), 1);
    QObject *window = engine.rootObjects().constFirst();
    const int pages = window->property("pageNames").toStringList().size();
    QCOMPARE(pages, 8);
    QVERIFY(window->property("title").toString().contains(QStringLiteral("%1 components").arg(published.size())));

    QList<QObject *> loaders;
    for (QObject *object : window->findChildren<QObject *>()) {
        if (object->inherits("QQuickLoader"))
            loaders << object;
    }
    QCOMPARE(loaders.size(), pages);
    for (int page = 0; page < pages; ++page) {
        window->setProperty("currentPage", page);
        // The start page is built once the window has shown its first frame.
        QTRY_VERIFY(loaders.at(page)->property("item").value<QObject *>());
    }

    QSet<QString> shown;
    for (QObject *card : window->findChildren<QObject *>()) {
        if (!typeNames(card).contains(QLatin1String("Card")))
            continue;
        const QString title = card->property("title").toString();
        QSet<QObject *> inside;
        collect(card, &inside);
        if (std::any_of(inside.cbegin(), inside.cend(),
                [&title](const QObject *object) { return typeNames(object).contains(title); }))
            shown.insert(title);
    }
    QStringList missing;
    for (const QString &type : published) {
        if (!shown.contains(type))
            missing << type;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("no card shows " + missing.join(", ")));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
