#include "appglobal.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

class TestAppGlobal : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void metaObjectLayout();
    void mapSetters_data();
    void mapSetters();
    void language();
    void progressValue_data();
    void progressValue();
    void langTokenIsReadOnlyFromQml();
};

static const char *const fuzzyWarning = "Floating point comparison needs context sanity check";

void TestAppGlobal::defaults()
{
    AppGlobal app;
    QCOMPARE(app.language(), QStringLiteral("en"));
    QVERIFY(app.langToken().isEmpty());
    QCOMPARE(app.busy(), (QVariantMap { { "status", false }, { "reason", QString() } }));
    QCOMPARE(app.busy().value("status").userType(), int(QMetaType::Bool));
    QCOMPARE(app.progressInfo(),
        (QVariantMap { { "visible", false }, { "title", QString() }, { "from", 0 }, { "to", 100 } }));
    QCOMPARE(app.progressInfo().value("from").userType(), int(QMetaType::Int));
    QCOMPARE(app.progressValue(), 0.0f);
}

// Documents and outside checks address the backend by meta-object index and
// property order, so the layout is part of the interface.
void TestAppGlobal::metaObjectLayout()
{
    const QMetaObject &mo = AppGlobal::staticMetaObject;
    QCOMPARE(mo.className(), "AppGlobal");
    const QStringList properties { "language", "langToken", "busy", "progressInfo", "progressValue" };
    QCOMPARE(mo.propertyCount() - mo.propertyOffset(), properties.size());
    for (int i = 0; i < properties.size(); ++i) {
        const QMetaProperty p = mo.property(mo.propertyOffset() + i);
        QCOMPARE(QString::fromLatin1(p.name()), properties.at(i));
        QVERIFY(p.hasNotifySignal());
        QCOMPARE(p.isWritable(), properties.at(i) != QLatin1String("langToken"));
    }
    const QStringList methods { "languageChanged(QString)", "langTokenChanged(QString)", "busyChanged(QVariantMap)",
        "progressInfoChanged(QVariantMap)", "progressValueChanged(float)", "setLanguage(QString)",
        "setBusy(QVariantMap)", "setProgressInfo(QVariantMap)", "setProgressValue(float)" };
    QCOMPARE(mo.methodCount() - mo.methodOffset(), methods.size());
    for (int i = 0; i < methods.size(); ++i) {
        const QMetaMethod m = mo.method(mo.methodOffset() + i);
        QCOMPARE(QString::fromLatin1(m.methodSignature()), methods.at(i));
        QCOMPARE(m.methodType(), i < 5 ? QMetaMethod::Signal : QMetaMethod::Slot);
    }
}

void TestAppGlobal::mapSetters_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariantMap>("changed");

    QTest::newRow("busy") << "busy" << QVariantMap { { "status", true }, { "reason", QString() } };
    QTest::newRow("busy, extra key") << "busy"
                                     << QVariantMap { { "status", false }, { "reason", QString() }, { "x", 1 } };
    QTest::newRow("busy, empty") << "busy" << QVariantMap {};
    QTest::newRow("progressInfo") << "progressInfo"
                                  << QVariantMap { { "visible", true }, { "title", QString() }, { "from", 0 },
                                         { "to", 100 } };
    QTest::newRow("progressInfo, other range")
        << "progressInfo" << QVariantMap { { "visible", false }, { "title", QString() }, { "from", 0 }, { "to", 10 } };
}

void TestAppGlobal::mapSetters()
{
    QFETCH(QString, property);
    QFETCH(QVariantMap, changed);

    AppGlobal app;
    const QMetaProperty p = app.metaObject()->property(app.metaObject()->indexOfProperty(qPrintable(property)));
    QSignalSpy spy(&app, p.notifySignal());

    QVERIFY(p.write(&app, p.read(&app))); // equal map: no announcement
    QCOMPARE(spy.count(), 0);

    QVERIFY(p.write(&app, changed));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toMap(), changed);
    QCOMPARE(p.read(&app).toMap(), changed);

    QVERIFY(p.write(&app, changed));
    QCOMPARE(spy.count(), 1);
}

void TestAppGlobal::language()
{
    AppGlobal app;
    QSignalSpy language(&app, &AppGlobal::languageChanged);
    QSignalSpy token(&app, &AppGlobal::langTokenChanged);
    app.setLanguage("en");
    QCOMPARE(language.count(), 0);
    app.setLanguage("de");
    app.setLanguage("de");
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toString(), QStringLiteral("de"));
    QCOMPARE(token.count(), 0);
    QVERIFY(app.langToken().isEmpty());
}

void TestAppGlobal::progressValue_data()
{
    QTest::addColumn<QList<float>>("writes");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<float>("stored");

    QTest::newRow("zero on fresh") << QList<float> { 0.f } << 0 << 0.f;
    QTest::newRow("within relative tolerance") << QList<float> { 50.f, 50.0001f } << 1 << 50.f;
    QTest::newRow("distinct") << QList<float> { 50.f, 51.f } << 2 << 51.f;
    QTest::newRow("zero never equals non-zero") << QList<float> { 1e-30f, 0.f } << 2 << 0.f;
    QTest::newRow("negative kept") << QList<float> { -5.f } << 1 << -5.f;
}

void TestAppGlobal::progressValue()
{
    QFETCH(QList<float>, writes);
    QFETCH(int, emissions);
    QFETCH(float, stored);

    AppGlobal app;
    QSignalSpy spy(&app, &AppGlobal::progressValueChanged);
    for (float value : qAsConst(writes)) {
        QTest::ignoreMessage(QtWarningMsg, fuzzyWarning); // written on every call, changed or not
        app.setProgressValue(value);
    }
    QCOMPARE(spy.count(), emissions);
    QCOMPARE(app.progressValue(), stored);
    if (emissions > 0)
        QCOMPARE(spy.last().at(0).toFloat(), stored);
}

void TestAppGlobal::langTokenIsReadOnlyFromQml()
{
    QQmlEngine engine;
    auto *app = new AppGlobal(&engine);
    engine.rootContext()->setContextProperty("$app", app);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml 2.2\nQtObject { Component.onCompleted: $app.langToken = \"x\" }", QUrl("qrc:/probe.qml"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot assign to read-only property \"langToken\""));
    QScopedPointer<QObject> object(component.create());
    QVERIFY(object);
    QVERIFY(app->langToken().isEmpty());
}

QTEST_GUILESS_MAIN(TestAppGlobal)
#include "tst_appglobal.moc"
