// The library module as it ships in the bundle: its definition, and every
// published type loading cleanly.

#include "startup.h"

#include <QDirIterator>
#include <QMap>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QVersionNumber>
#include <QtTest>

namespace {

// One line per Qt module the documents import, at the highest version any of
// them asks for: deployment tools read them to bring those modules along.
QStringList dependsLines()
{
    static const QRegularExpression moduleImport(
        QStringLiteral(R"(^import\s+([A-Za-z][\w.]*)\s+(\d+\.\d+)\b)"), QRegularExpression::MultilineOption);
    QMap<QString, QVersionNumber> wanted;
    QDirIterator documents(SOURCE_DIR "/ZelkDesign", { "*.qml", "*.js" }, QDir::Files, QDirIterator::Subdirectories);
    while (documents.hasNext()) {
        QFile file(documents.next());
        // A "+qt6" folder holds what the Qt 6 build uses instead of its neighbours.
        if (file.fileName().contains(QLatin1String("/+qt6/")))
            continue;
        if (!file.open(QIODevice::ReadOnly))
            return { "cannot read " + file.fileName() };
        auto matches = moduleImport.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const QVersionNumber version = QVersionNumber::fromString(match.captured(2));
            QVersionNumber &highest = wanted[match.captured(1)];
            highest = qMax(highest, version);
        }
    }
    wanted.remove(QStringLiteral("ZelkDesign"));
    QStringList lines;
    for (auto module = wanted.cbegin(); module != wanted.cend(); ++module)
        lines << QStringLiteral("depends %1 %2").arg(module.key(), module.value().toString());
    return lines;
}

} // namespace

class TestModule : public QObject {
    Q_OBJECT

private slots:
    void moduleDefinition();
    void everyDocumentPublished();
    void typesLoadCleanly();
};

void TestModule::moduleDefinition()
{
    const QStringList depends = dependsLines();
    QVERIFY(depends.size() > 1);
    QStringList expected = QStringList { "module ZelkDesign" } + depends;
    expected << "singleton ZelkDesign 1.0 ZelkDesign.qml";
    for (const QString &type : Startup::publishedTypes())
        expected << QStringLiteral("%1 1.0 %1.qml").arg(type);
    QFile qmldir(":/ZelkDesign/qmldir");
    QVERIFY(qmldir.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qmldir.readAll());
    QVERIFY2(text.count("\r\n") == text.count('\n'),
        "qmldir must end every line with CR LF, as the module is published; .gitattributes keeps them on "
        "checkout, so an editor that saved the file with LF endings changed it");
    QCOMPARE(text, expected.join("\r\n") + "\r\n");
}

// A document in the module's folder that qmldir does not publish is a control
// nobody can import (and one the gallery, the benchmark and these tests skip).
void TestModule::everyDocumentPublished()
{
    QStringList documents = QDir(SOURCE_DIR "/ZelkDesign").entryList({ "Zelk*.qml" }, QDir::Files);
    documents.removeOne("ZelkDesign.qml"); // the theme singleton
    for (QString &document : documents)
        document.chop(4);
    documents.sort();
    QStringList published = Startup::publishedTypes();
    published.sort();
    QCOMPARE(published, documents);
}

// All types in one document: a warning names the type's own file.
void TestModule::typesLoadCleanly()
{
    const QStringList types = Startup::publishedTypes();
    QVERIFY(!types.isEmpty());
    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    QStringList warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            warnings << error.toString();
    });
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.9\nimport ZelkDesign 1.0\nItem { width: 800; height: 800\n"
            + types.join(" {}\n").toUtf8() + " {}\n}",
        QUrl(QStringLiteral("qrc:/sanity.qml")));
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCoreApplication::processEvents(); // let queued work (image and font loads) report
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestModule)
#include "tst_module.moc"
