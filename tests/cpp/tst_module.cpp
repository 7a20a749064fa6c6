// The library module's definition as it ships in the bundle.

#include "startup.h"

#include <QDirIterator>
#include <QMap>
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
    QDirIterator documents(MODULE_DIR, { "*.qml", "*.js" }, QDir::Files, QDirIterator::Subdirectories);
    while (documents.hasNext()) {
        QFile file(documents.next());
        // A "+qt6" folder holds what the Qt 6 build uses instead of its neighbours.
        if (file.fileName().contains(QLatin1String("/+qt6/")) || !file.open(QIODevice::ReadOnly))
            continue;
        for (auto matches = moduleImport.globalMatch(QString::fromUtf8(file.readAll())); matches.hasNext();) {
            const QRegularExpressionMatch match = matches.next();
            QVersionNumber &highest = wanted[match.captured(1)];
            highest = qMax(highest, QVersionNumber::fromString(match.captured(2)));
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
};

// Every document in the module's folder is published: one that is not is a
// control nobody can import (and one the gallery and these tests skip).
void TestModule::moduleDefinition()
{
    QFile qmldir(":/ZelkDesign/qmldir");
    QVERIFY(qmldir.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qmldir.readAll());
    QVERIFY2(text.count("\r\n") == text.count('\n') && text.endsWith("\r\n"),
        "qmldir must end every line with CR LF, as the module is published; .gitattributes keeps them on "
        "checkout, so an editor that saved the file with LF endings changed it");
    const QStringList head = QStringList { "module ZelkDesign" } + dependsLines()
        + QStringList { "singleton ZelkDesign 1.0 ZelkDesign.qml" };
    QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    QVERIFY(head.size() > 3);
    QCOMPARE(lines.mid(0, head.size()), head);

    QStringList documents = QDir(MODULE_DIR).entryList({ "Zelk*.qml" }, QDir::Files, QDir::Name);
    documents.removeOne("ZelkDesign.qml");
    documents.replaceInStrings(QRegularExpression("^(\\w+)\\.qml$"), "\\1 1.0 \\1.qml");
    lines = lines.mid(head.size());
    lines.sort();
    QCOMPARE(lines, documents);
    QCOMPARE(Startup::publishedTypes().size(), documents.size());
}

QTEST_MAIN(TestModule)
#include "tst_module.moc"
