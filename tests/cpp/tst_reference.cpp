// The API reference (docs/reference.md) against the library's documents and
// qmldir: a control or member added, removed or renamed on one side only, or
// a changed base type, fails; so does an example that no longer loads.

#include "startup.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Api {
    QString base;
    QSet<QString> members; // "property x", "signal y", "function z"
    QStringList examples;
};

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Strings emptied and comments dropped, line breaks kept.
QString codeOnly(const QString &source)
{
    static const QRegularExpression token(R"re("(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|//[^\n]*|/\*[\s\S]*?\*/)re");
    QString code;
    int from = 0;
    for (auto it = token.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        code += source.mid(from, m.capturedStart() - from);
        code += m.captured().startsWith('/') ? QString(m.captured().count('\n'), '\n') : QStringLiteral("\"\"");
        from = m.capturedEnd();
    }
    return code + source.mid(from);
}

// The root object's type and own members, with those of the private helper
// it is built on (whose members are its own).
Api declared(const QString &moduleDir, const QString &fileName)
{
    static const QRegularExpression rootRe(R"(^\s*([A-Z][\w.]*)\s*\{)");
    static const QRegularExpression memberRe(
        R"(^\s*(?:(?:default|readonly)\s+)*(property)\s+\S+\s+(\w+)|^\s*(signal|function)\s+(\w+))");
    Api api;
    for (QString path = moduleDir + '/' + fileName; QFile::exists(path);
         path = moduleDir + "/private/" + api.base.section('.', -1) + ".qml") {
        QString base;
        int depth = 0;
        for (const QString &line : codeOnly(readText(path)).split('\n')) {
            const QRegularExpressionMatch m = memberRe.match(line);
            if (depth == 0 && base.isEmpty() && rootRe.match(line).hasMatch())
                base = rootRe.match(line).captured(1);
            else if (depth == 1 && m.hasMatch())
                api.members << (m.captured(1) + m.captured(3) + ' ' + m.captured(2) + m.captured(4));
            depth += line.count('{') - line.count('}');
        }
        api.base = base;
    }
    return api;
}

// "### Name" sections: the "- Extends:" type, the first column of Property,
// Signal and Function tables, and the ```qml examples.
QMap<QString, Api> documented(const QString &markdown)
{
    static const QRegularExpression extendsRe(R"(^- Extends:[^`]*`([\w.]+)`)");
    static const QRegularExpression rowRe(R"(^\|\s*`?(\w+))");
    QMap<QString, Api> sections;
    QString current, table, fence, snippet;
    for (const QString &line : markdown.split('\n')) {
        if (!fence.isEmpty() && line.trimmed() != "```") {
            snippet += line + '\n';
        } else if (!fence.isEmpty()) {
            if (fence == "qml" && !current.isEmpty())
                sections[current].examples << snippet;
            fence.clear();
        } else if (line.startsWith("```")) {
            fence = line.trimmed().size() > 3 ? line.trimmed().mid(3) : QStringLiteral("text");
            snippet.clear();
        } else if (line.startsWith('#')) {
            table.clear();
            current = line.startsWith("### ") ? line.mid(4).section(' ', 0, 0) : QString();
            if (!current.isEmpty())
                sections[current];
        } else if (!current.isEmpty() && extendsRe.match(line).hasMatch()) {
            sections[current].base = extendsRe.match(line).captured(1);
        } else if (current.isEmpty() || !line.startsWith('|')) {
            table.clear();
        } else if (table.isEmpty()) {
            table = rowRe.match(line).captured(1).toLower();
        } else if (QStringList { "property", "signal", "function" }.contains(table) && rowRe.match(line).hasMatch()) {
            sections[current].members << table + ' ' + rowRe.match(line).captured(1);
        }
    }
    return sections;
}

const QString moduleDir = QStringLiteral(SOURCE_DIR "/ZelkDesign");

} // namespace

class TestReference : public QObject {
    Q_OBJECT

private slots:
    void sectionsMatchDocuments();
    void galleryShowsEveryType();
    void membersMatch_data();
    void membersMatch();
    void examplesLoad_data();
    void examplesLoad();

private:
    QMap<QString, Api> m_sections = documented(readText(SOURCE_DIR "/docs/reference.md"));
    QStringList m_documents = QDir(moduleDir).entryList({ "*.qml" }, QDir::Files, QDir::Name);
};

void TestReference::sectionsMatchDocuments()
{
    QStringList names = m_documents;
    names.replaceInStrings(QRegularExpression("\\.qml$"), QString());
    QVERIFY(names.contains("ZelkDesign") && names.size() > 1);
    QCOMPARE(m_sections.keys(), names);
    // A document qmldir does not publish is a control nobody can import.
    QStringList published = Startup::publishedTypes() << "ZelkDesign";
    published.sort();
    QCOMPARE(published, names);
}

// The gallery, which illustrates the reference: a card for each published type.
void TestReference::galleryShowsEveryType()
{
    QString gallery;
    for (const QString &page : QDir(SOURCE_DIR "/gallery/qml").entryList({ "*Page.qml" }))
        gallery += readText(SOURCE_DIR "/gallery/qml/" + page);
    QStringList missing;
    for (const QString &type : Startup::publishedTypes()) {
        if (!gallery.contains("title: \"" + type + '"')
            || !gallery.contains(QRegularExpression("\\b" + type + "\\s*\\{")))
            missing << type;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("no gallery card shows " + missing.join(", ")));
}

void TestReference::membersMatch_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : qAsConst(m_documents))
        QTest::newRow(qPrintable(file)) << file;
}

void TestReference::membersMatch()
{
    QFETCH(QString, file);
    const Api code = declared(moduleDir, file);
    const Api doc = m_sections.value(file.chopped(4));
    QCOMPARE(doc.base, code.base.section('.', -1));
    QStringList undocumented = (code.members - doc.members).values(), missing = (doc.members - code.members).values();
    undocumented.sort();
    missing.sort();
    QVERIFY2(undocumented.isEmpty(), qPrintable("not in docs/reference.md: " + undocumented.join(", ")));
    QVERIFY2(missing.isEmpty(), qPrintable("documented, not declared: " + missing.join(", ")));
}

void TestReference::examplesLoad_data()
{
    QTest::addColumn<QString>("code");
    for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
        QVERIFY2(!it->examples.isEmpty(), qPrintable(it.key() + " shows no example"));
        for (int i = 0; i < it->examples.size(); ++i)
            QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(it.key()).arg(i + 1))) << it->examples.at(i);
    }
}

// As a reader would paste it: the pictures an example names are the reader's
// own, so only their absence may be reported.
void TestReference::examplesLoad()
{
    QFETCH(QString, code);
    QTemporaryDir dir;
    const QUrl url = QUrl::fromLocalFile(dir.filePath("Example.qml"));
    const QString ownPictures = "Cannot open: " + QUrl::fromLocalFile(dir.path()).toString();
    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    engine.setOutputWarningsToStandardError(false);
    QStringList warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors) {
            if (!error.toString().contains(ownPictures))
                warnings << error.toString();
        }
    });
    QQuickWindow window;
    window.resize(1920, 1080);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QQmlComponent component(&engine);
    component.setData(code.toUtf8(), url);
    QScopedPointer<QObject> object(component.beginCreate(engine.rootContext()));
    QVERIFY2(object, qPrintable(component.errorString() + code));
    if (auto item = qobject_cast<QQuickItem *>(object.data()))
        item->setParentItem(window.contentItem());
    component.completeCreate();
    QCoreApplication::processEvents();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n') + '\n' + code));
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
