// The API reference (docs/reference.md) against the library's documents: each
// member a document's root object declares is documented under its section
// with the same kind, type and parameters, each documented member exists, the
// base type is the one the document extends, and every example loads cleanly.

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

struct Member {
    QString kind; // "property", "signal" or "function"
    QString name;
    QString type; // properties: the declared type, "alias" for aliases
    QString parameters; // signals and functions, whitespace normalised
    bool readOnly = false;
    bool isDefault = false;
    QString documentedType; // the reference's Type cell, for documented properties
    QString inheritedFrom; // the private helper that declares it, if not the document itself
};

Member makeMember(const QString &kind, const QString &name, const QString &type = {}, const QString &parameters = {})
{
    Member member;
    member.kind = kind;
    member.name = name;
    member.type = type;
    member.parameters = parameters;
    return member;
}

struct Declaration {
    QString base;
    QList<Member> members;
};

struct Section {
    QString base;
    QList<Member> members;
    QStringList snippets;
};

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString simplifiedParameters(const QString &text)
{
    return text.simplified().replace(QStringLiteral(" ,"), QStringLiteral(","));
}

// The text with comments blanked and string literals emptied, line breaks
// kept, so that braces and keywords are only those of the code.
QString codeOnly(const QString &source)
{
    QString code = source;
    enum { Code, LineComment, BlockComment, String } state = Code;
    QChar quote;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        const QChar next = i + 1 < code.size() ? code.at(i + 1) : QChar();
        switch (state) {
        case Code:
            if (c == '/' && next == '/') {
                state = LineComment;
                code[i] = ' ';
            } else if (c == '/' && next == '*') {
                state = BlockComment;
                code[i] = ' ';
            } else if (c == '"' || c == '\'' || c == '`') {
                state = String;
                quote = c;
            }
            break;
        case LineComment:
            if (c == '\n')
                state = Code;
            else
                code[i] = ' ';
            break;
        case BlockComment:
            if (c == '*' && next == '/') {
                code[i] = code[i + 1] = ' ';
                ++i;
                state = Code;
            } else if (c != '\n') {
                code[i] = ' ';
            }
            break;
        case String:
            if (c == '\\') {
                code[i] = ' ';
                if (i + 1 < code.size() && code.at(i + 1) != '\n')
                    code[++i] = ' ';
            } else if (c == quote) {
                state = Code;
            } else if (c != '\n') {
                code[i] = ' ';
            }
            break;
        }
    }
    return code;
}

// The root object's type and its own members; nested objects' are not read.
Declaration declarationOf(const QString &source)
{
    static const QRegularExpression rootRe(QStringLiteral("^\\s*([A-Z][\\w.]*)\\s*\\{"));
    static const QRegularExpression propertyRe(
        QStringLiteral("^\\s*((?:default|readonly)\\s+)*property\\s+(alias|[\\w.]+(?:<[\\w.]+>)?)\\s+(\\w+)"));
    static const QRegularExpression signalRe(QStringLiteral("^\\s*signal\\s+(\\w+)\\s*(?:\\(([^)]*)\\))?"));
    static const QRegularExpression functionRe(QStringLiteral("^\\s*function\\s+(\\w+)\\s*\\(([^)]*)\\)"));

    Declaration declaration;
    int depth = 0;
    const QStringList lines = codeOnly(source).split('\n');
    for (const QString &line : lines) {
        if (depth == 0 && declaration.base.isEmpty()) {
            const QRegularExpressionMatch root = rootRe.match(line);
            if (root.hasMatch())
                declaration.base = root.captured(1);
        } else if (depth == 1) {
            QRegularExpressionMatch m;
            if ((m = propertyRe.match(line)).hasMatch()) {
                Member member = makeMember(QStringLiteral("property"), m.captured(3), m.captured(2));
                member.readOnly = m.captured(0).contains(QRegularExpression(QStringLiteral("\\breadonly\\b")));
                member.isDefault = m.captured(0).contains(QRegularExpression(QStringLiteral("\\bdefault\\b")));
                declaration.members << member;
            } else if ((m = signalRe.match(line)).hasMatch()) {
                declaration.members << makeMember(
                    QStringLiteral("signal"), m.captured(1), {}, simplifiedParameters(m.captured(2)));
            } else if ((m = functionRe.match(line)).hasMatch()) {
                declaration.members << makeMember(
                    QStringLiteral("function"), m.captured(1), {}, simplifiedParameters(m.captured(2)));
            }
        }
        depth += line.count('{') - line.count('}');
    }
    return declaration;
}

// A component built on a private helper has the helper's members as its own.
Declaration resolvedDeclaration(const QString &moduleDir, const QString &fileName)
{
    Declaration declaration = declarationOf(readText(moduleDir + '/' + fileName));
    for (int hops = 0; hops < 8; ++hops) {
        const QString helper = moduleDir + QStringLiteral("/private/") + declaration.base.section('.', -1) + ".qml";
        if (!QFile::exists(helper))
            break;
        const Declaration inherited = declarationOf(readText(helper));
        for (const Member &member : inherited.members) {
            const bool redeclared = std::any_of(declaration.members.cbegin(), declaration.members.cend(),
                [&member](const Member &own) { return own.name == member.name; });
            if (!redeclared) {
                declaration.members << member;
                declaration.members.last().inheritedFrom = QStringLiteral("private/") + QFileInfo(helper).fileName();
            }
        }
        declaration.base = inherited.base;
    }
    return declaration;
}

QStringList cells(const QString &row)
{
    QStringList parts = row.trimmed().split('|');
    if (!parts.isEmpty() && parts.first().trimmed().isEmpty())
        parts.removeFirst();
    if (!parts.isEmpty() && parts.last().trimmed().isEmpty())
        parts.removeLast();
    for (QString &part : parts)
        part = part.trimmed();
    return parts;
}

QString unquoted(QString text)
{
    return text.remove('`').trimmed();
}

// Sections are "### Name" headings; in each, the first backquoted word of the
// "- Extends:" line, the tables headed Property, Signal or Function (first
// column: the member), and the ```qml examples.
QMap<QString, Section> sectionsOf(const QString &markdown)
{
    static const QRegularExpression extendsRe(QStringLiteral("^- Extends:[^`]*`([\\w.]+)`"));
    static const QRegularExpression callRe(QStringLiteral("^(\\w+)\\s*\\(([^)]*)\\)$"));

    QMap<QString, Section> sections;
    QString current;
    QString table;
    QString fence;
    QString snippet;
    const QStringList lines = markdown.split('\n');
    for (const QString &line : lines) {
        if (!fence.isEmpty()) {
            if (line.trimmed() == QStringLiteral("```")) {
                if (fence == QStringLiteral("qml") && !current.isEmpty())
                    sections[current].snippets << snippet;
                fence.clear();
            } else {
                snippet += line + '\n';
            }
            continue;
        }
        if (line.startsWith(QStringLiteral("```"))) {
            fence = line.mid(3).trimmed();
            if (fence.isEmpty())
                fence = QStringLiteral("text");
            snippet.clear();
            continue;
        }
        if (line.startsWith('#')) {
            table.clear();
            current = line.startsWith(QStringLiteral("### ")) ? line.mid(4).trimmed().section(' ', 0, 0) : QString();
            if (!current.isEmpty())
                sections[current];
            continue;
        }
        if (current.isEmpty())
            continue;
        Section &section = sections[current];
        const QRegularExpressionMatch extends = extendsRe.match(line);
        if (extends.hasMatch())
            section.base = extends.captured(1);
        if (!line.startsWith('|')) {
            table.clear();
            continue;
        }
        const QStringList row = cells(line);
        if (row.isEmpty() || row.first().startsWith(QStringLiteral("---")))
            continue;
        if (table.isEmpty()) {
            table = row.first().toLower();
            if (table != QStringLiteral("property") && table != QStringLiteral("signal")
                && table != QStringLiteral("function"))
                table = QStringLiteral("other");
            continue;
        }
        if (table == QStringLiteral("other"))
            continue;
        Member member = makeMember(table, unquoted(row.first()));
        if (table == QStringLiteral("property")) {
            member.documentedType = row.value(1);
        } else {
            const QRegularExpressionMatch call = callRe.match(member.name);
            member.name = call.hasMatch() ? call.captured(1) : member.name;
            member.parameters = call.hasMatch() ? simplifiedParameters(call.captured(2)) : QStringLiteral("?");
        }
        section.members << member;
    }
    return sections;
}

// What the reference must say about a declared member that it documents.
QStringList typeMismatches(const QString &file, const Member &declared, const Member &documented)
{
    QStringList problems;
    const QString where = QStringLiteral("%1: %2 `%3`").arg(file, declared.kind, declared.name);
    if (declared.kind != QStringLiteral("property")) {
        if (declared.parameters != documented.parameters)
            problems << QStringLiteral("%1 takes (%2), the reference says (%3)")
                            .arg(where, declared.parameters, documented.parameters);
        return problems;
    }
    const QString type = unquoted(documented.documentedType);
    const bool alias = declared.type == QStringLiteral("alias");
    if (!type.startsWith(declared.type)
        || (!alias && type.mid(declared.type.size(), 1).contains(QRegularExpression("\\w"))))
        problems << QStringLiteral("%1 is declared `%2`, the reference's type is \"%3\"")
                        .arg(where, alias ? QStringLiteral("alias") : declared.type, documented.documentedType);
    if (declared.readOnly != type.contains(QStringLiteral("read-only")))
        problems << QStringLiteral("%1 is %2read-only, the reference's type says \"%3\"")
                        .arg(where, declared.readOnly ? QString() : QStringLiteral("not "), documented.documentedType);
    if (declared.isDefault != type.contains(QStringLiteral("default property")))
        problems << QStringLiteral("%1 is %2the default property, the reference's type says \"%3\"")
                        .arg(where, declared.isDefault ? QString() : QStringLiteral("not "), documented.documentedType);
    return problems;
}

const Member *find(const QList<Member> &members, const Member &wanted)
{
    for (const Member &member : members) {
        if (member.kind == wanted.kind && member.name == wanted.name)
            return &member;
    }
    return nullptr;
}

const QString moduleDir = QStringLiteral(SOURCE_DIR "/ZelkDesign");
const QString referencePath = QStringLiteral(SOURCE_DIR "/docs/reference.md");

QStringList documentNames()
{
    return QDir(moduleDir).entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name);
}

} // namespace

class TestReference : public QObject {
    Q_OBJECT

private slots:
    void readsRootMembersOnly();
    void everyDocumentHasASection();
    void membersMatch_data();
    void membersMatch();
    void examplesLoad_data();
    void examplesLoad();

private:
    QMap<QString, Section> m_sections = sectionsOf(readText(referencePath));
};

// Members of nested objects, and words in strings and comments, are not the root's.
void TestReference::readsRootMembersOnly()
{
    const Declaration declaration = declarationOf(QStringLiteral(R"(import QtQuick 2.9
        // property real commented
        T.Control {
            id: root
            readonly property list<Item> stack: []
            default property alias content: inner.data
            property string text: "{ property int notOne: 1"
            signal picked(string name, int index)
            signal cleared
            function place(x, y) {
                var inner = { property: 1 };
                return x + y;
            }
            /* signal notOne() */
            Item {
                id: inner
                property real nested: 2
                signal nestedSignal()
                function nestedFunction() {}
            }
            property var map: ({ "a": "}" })
            property real last: 1
        })"));
    QCOMPARE(declaration.base, QStringLiteral("T.Control"));
    QStringList found;
    for (const Member &member : declaration.members)
        found << QStringLiteral("%1 %2 %3 (%4)%5%6")
                     .arg(member.kind, member.type, member.name, member.parameters,
                         member.readOnly ? QStringLiteral(" readonly") : QString(),
                         member.isDefault ? QStringLiteral(" default") : QString());
    QCOMPARE(found,
        QStringList({ "property list<Item> stack () readonly", "property alias content () default",
            "property string text ()", "signal  picked (string name, int index)", "signal  cleared ()",
            "function  place (x, y)", "property var map ()", "property real last ()" }));
}

void TestReference::everyDocumentHasASection()
{
    QVERIFY2(!m_sections.isEmpty(), qPrintable(referencePath + " has no \"### Name\" sections"));
    QStringList problems;
    const QStringList documents = documentNames();
    for (const QString &file : documents) {
        if (!m_sections.contains(file.chopped(4)))
            problems << QStringLiteral("%1 has no section \"### %2\" in docs/reference.md").arg(file, file.chopped(4));
    }
    for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
        if (!documents.contains(it.key() + ".qml"))
            problems
                << QStringLiteral("docs/reference.md documents %1, which is no document of ZelkDesign/").arg(it.key());
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    // No count of its own: a new control needs its section here, not an edit of this test.
    QVERIFY2(documents.contains(QStringLiteral("ZelkDesign.qml")) && documents.size() > 1,
        qPrintable(moduleDir + " holds no theme and controls"));
}

void TestReference::membersMatch_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : documentNames())
        QTest::newRow(qPrintable(file)) << file;
}

void TestReference::membersMatch()
{
    QFETCH(QString, file);
    const QString name = file.chopped(4);
    if (!m_sections.contains(name))
        QSKIP("no section; everyDocumentHasASection says so");
    const Section &section = m_sections[name];
    const Declaration declaration = resolvedDeclaration(moduleDir, file);
    QVERIFY2(!declaration.base.isEmpty(), qPrintable(file + ": no root object found"));

    QStringList problems;
    if (section.base != declaration.base.section('.', -1))
        problems << QStringLiteral("%1 extends `%2`, the reference's \"- Extends:\" line names `%3`")
                        .arg(file, declaration.base, section.base);
    for (const Member &declared : declaration.members) {
        const Member *documented = find(section.members, declared);
        if (!documented)
            problems << QStringLiteral(
                "%1 declares %2 `%3`%4, which docs/reference.md does not document under \"### %5\"")
                            .arg(file, declared.kind, declared.name,
                                declared.inheritedFrom.isEmpty() ? QString()
                                                                 : " (through " + declared.inheritedFrom + ")",
                                name);
        else
            problems << typeMismatches(file, declared, *documented);
    }
    for (const Member &documented : section.members) {
        if (!find(declaration.members, documented))
            problems << QStringLiteral(
                "docs/reference.md documents %1 `%2` under \"### %3\", which %4 does not declare")
                            .arg(documented.kind, documented.name, name, file);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestReference::examplesLoad_data()
{
    QTest::addColumn<QString>("code");
    int count = 0;
    for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
        for (int i = 0; i < it.value().snippets.size(); ++i, ++count)
            QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(it.key()).arg(i + 1))) << it.value().snippets.at(i);
    }
    QVERIFY2(count >= m_sections.size(), "every section shows at least one example");
}

// As a reader would paste it: the pictures an example names are the reader's
// own, so only their absence may be reported.
void TestReference::examplesLoad()
{
    QFETCH(QString, code);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QUrl url = QUrl::fromLocalFile(dir.filePath(QStringLiteral("Example.qml")));
    const QString ownPictures = QStringLiteral("Cannot open: ") + QUrl::fromLocalFile(dir.path()).toString();

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
    QObject *object = component.beginCreate(engine.rootContext());
    QVERIFY2(object, qPrintable(component.errorString() + code));
    if (auto item = qobject_cast<QQuickItem *>(object))
        item->setParentItem(window.contentItem());
    component.completeCreate();
    QScopedPointer<QObject> owner(object);
    QCoreApplication::processEvents();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n') + '\n' + code));
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
