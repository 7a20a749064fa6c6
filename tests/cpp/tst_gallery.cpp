// The gallery's snapshot mode, which makes the documentation images, and
// every published type on show in the gallery.

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
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass())
        names << QString::fromLatin1(meta->className()).section(QLatin1String("_QML"), 0, 0);
    return names;
}

// Whether an object, its QObject children (popups among them) or its child
// items (a repeater's delegates are only those) are of the type.
bool holds(const QObject *object, const QString &type)
{
    const auto *item = qobject_cast<const QQuickItem *>(object);
    return typeNames(object).contains(type)
        || std::any_of(object->children().cbegin(), object->children().cend(),
            [&](const QObject *child) { return holds(child, type); })
        || (item && std::any_of(item->childItems().cbegin(), item->childItems().cend(), [&](const QQuickItem *child) {
               return child->parent() != item && holds(child, type);
           }));
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void snapshot();
    void everyPublishedTypeOnAPage();
};

// Each page's image, its own entry alone marked in the family list; and a
// directory that cannot be made fails the run.
void TestGallery::snapshot()
{
    QTemporaryDir dir;
    QProcess gallery;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    gallery.start(GALLERY, { "--snapshot", dir.filePath("blocker/images") });
    QVERIFY(gallery.waitForFinished(180000));
    QVERIFY(gallery.exitCode() != 0 && gallery.readAllStandardError().contains("snapshot failed"));

    const QDir out(dir.filePath("images/gallery"));
    gallery.start(GALLERY, { "--snapshot", out.path() });
    QVERIFY(gallery.waitForFinished(180000));
    const QString errors = QString::fromLocal8Bit(gallery.readAllStandardError());
    QVERIFY2(gallery.exitStatus() == QProcess::NormalExit && gallery.exitCode() == 0, qPrintable(errors));
    QVERIFY2(!errors.contains("qrc:/"), qPrintable(errors)); // engine warnings name their document
    const QStringList pages { "buttons", "toggles", "selectors", "sliders", "progress", "panels", "notations",
        "choosers" };
    QCOMPARE(out.entryList(QDir::Files).size(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QImage image(out.filePath(pages.at(i) + ".png"));
        QVERIFY2(!image.isNull(), qPrintable(pages.at(i)));
        // Entries are 48 high, 4 apart, the first 74 from the top; the mark
        // is a blue bar at the left edge.
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
    QVERIFY(window->property("title").toString().contains(QStringLiteral("%1 components").arg(published.size())));
    QList<QObject *> loaders;
    for (QObject *object : window->findChildren<QObject *>()) {
        if (object->inherits("QQuickLoader"))
            loaders << object;
    }
    QCOMPARE(loaders.size(), 8);
    for (int page = 0; page < loaders.size(); ++page) {
        window->setProperty("currentPage", page);
        QTRY_VERIFY(loaders.at(page)->property("item").value<QObject *>());
    }
    QStringList missing = published;
    for (QObject *card : window->findChildren<QObject *>()) {
        if (typeNames(card).contains(QLatin1String("Card")) && holds(card, card->property("title").toString()))
            missing.removeAll(card->property("title").toString());
    }
    QVERIFY2(missing.isEmpty(), qPrintable("no card shows " + missing.join(", ")));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
