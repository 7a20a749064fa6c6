// Every published type on show in the gallery.

#include "galleryengine.h"
#include "startup.h"

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
    void everyPublishedTypeOnAPage();
};

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
