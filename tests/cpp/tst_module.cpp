// Mechanical checks over the library module as it ships in the bundle: the
// module definition, that every published type loads cleanly, and that every
// resource a document names is really there.

#include "startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Published order of the module's types.
const QStringList publishedOrder { "ZelkBigSwitch", "ZelkBusyIndicator", "ZelkButton", "ZelkBigButton", "ZelkCheckBox",
    "ZelkDialog", "ZelkExpandableToolPanel", "ZelkFileSelector", "ZelkArrowNotation", "ZelkHComboBox", "ZelkHSlider",
    "ZelkHPureSlider", "ZelkLabel", "ZelkNotation", "ZelkProgressBar", "ZelkRadioButton", "ZelkStepBar", "ZelkSwitch",
    "ZelkTabButton", "ZelkHeaderPane", "ZelkTextField", "ZelkToolBar", "ZelkVComboBox", "ZelkVSlider", "ZelkChoosePage",
    "ZelkTabBar", "ZelkIconButton", "ZelkIconTextButton", "ZelkArrowButtonGroup", "ZelkRectNotation",
    "ZelkPopupChooseView", "ZelkChooseComboBox", "ZelkTextArea", "ZelkRating" };

QStringList shippedTypes()
{
    QStringList types;
    const QStringList files = QDir(QStringLiteral(SOURCE_DIR "/ZelkDesign")).entryList({ "Zelk*.qml" }, QDir::Files);
    for (const QString &file : files) {
        if (file != QLatin1String("ZelkDesign.qml")) // the theme singleton, not a component
            types << file.chopped(4);
    }
    return types;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestModule : public QObject {
    Q_OBJECT

private slots:
    void moduleDefinition();
    void typesLoadCleanly_data();
    void typesLoadCleanly();
    void namedResourcesExist_data();
    void namedResourcesExist();
};

void TestModule::moduleDefinition()
{
    const QByteArray qmldir = readResource(":/ZelkDesign/qmldir");
    QVERIFY(qmldir.endsWith("\r\n"));
    QList<QByteArray> lines = qmldir.split('\n');
    lines.removeLast(); // after the final line break
    for (const QByteArray &line : qAsConst(lines))
        QVERIFY2(line.endsWith('\r'), line.constData());

    QStringList expected { "module ZelkDesign", "singleton ZelkDesign 1.0 ZelkDesign.qml" };
    const QStringList shipped = shippedTypes();
    for (const QString &type : publishedOrder) {
        if (shipped.contains(type))
            expected << QStringLiteral("%1 1.0 %1.qml").arg(type);
    }
    QStringList actual;
    for (const QByteArray &line : qAsConst(lines))
        actual << QString::fromUtf8(line.chopped(1));
    QCOMPARE(actual, expected);
    for (const QString &type : shipped)
        QVERIFY2(publishedOrder.contains(type), qPrintable(type + " is not a published type"));
}

void TestModule::typesLoadCleanly_data()
{
    QTest::addColumn<QString>("type");
    const QStringList types = shippedTypes();
    for (const QString &type : types)
        QTest::newRow(qPrintable(type)) << type;
    if (types.isEmpty())
        QTest::newRow("no components") << QString();
}

void TestModule::typesLoadCleanly()
{
    QFETCH(QString, type);
    if (type.isEmpty())
        QSKIP("the module has no components yet");

    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    QList<QQmlError> warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError> &w) { warnings += w; });
    QQmlComponent component(&engine);
    component.setData(
        QStringLiteral("import QtQuick 2.9\nimport ZelkDesign 1.0\nItem { width: 800; height: 800; %1 {} }")
            .arg(type)
            .toUtf8(),
        QUrl(QStringLiteral("qrc:/sanity.qml")));
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCoreApplication::processEvents(); // let queued work (image and font loads) report
    QStringList texts;
    for (const QQmlError &w : qAsConst(warnings))
        texts << w.toString();
    QVERIFY2(warnings.isEmpty(), qPrintable(texts.join('\n')));
}

void TestModule::namedResourcesExist_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("resource");

    // Literal "qrc:/..." URLs and paths relative to a document's folder.
    const QRegularExpression literal(QStringLiteral("\"(qrc:/[^\"]+|\\.\\./(?:images|fonts)/[^\"]+)\""));
    for (const QString &root : { QStringLiteral("ZelkDesign"), QStringLiteral("qml") }) {
        QDirIterator it(
            QStringLiteral(SOURCE_DIR "/") + root, { "*.qml", "*.js" }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            const QString folder = QFileInfo(path).absolutePath();
            auto matches = literal.globalMatch(text);
            while (matches.hasNext()) {
                const QString url = matches.next().captured(1);
                QString resource = url.startsWith("qrc:/")
                    ? url.mid(4)
                    : QDir::cleanPath(folder + '/' + url).mid(int(strlen(SOURCE_DIR)));
                if (root == QLatin1String("qml") && !url.startsWith("qrc:/"))
                    resource.remove(0, 4); // the application bundle's root is qml/
                const QString row = QFileInfo(path).fileName() + ": " + url;
                QTest::newRow(qPrintable(row)) << QFileInfo(path).fileName() << resource;
            }
        }
    }
}

void TestModule::namedResourcesExist()
{
    QFETCH(QString, document);
    QFETCH(QString, resource);
    QVERIFY2(QFile::exists(':' + resource), qPrintable(document + " names a missing resource " + resource));
}

QTEST_MAIN(TestModule)
#include "tst_module.moc"
