#include "appglobal.h"

#include <QtTest>

class TestAppGlobal : public QObject {
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
};

// Each row writes one property of a fresh backend in turn: a value equal to
// the stored one must not be announced, a changed one announced once.
void TestAppGlobal::writes_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<QVariant>("stored");

    const QVariantMap busy { { "status", true }, { "reason", QString() } };
    const QVariantMap info { { "visible", false }, { "title", QString() }, { "from", 0 }, { "to", 10 } };
    const QVariantMap idle { { "status", false }, { "reason", QString() } };
    QTest::newRow("language") << QByteArray("language") << QVariantList { "en", "de", "de" } << 1 << QVariant("de");
    QTest::newRow("busy") << QByteArray("busy") << QVariantList { idle, busy, busy } << 1 << QVariant(busy);
    QTest::newRow("progressInfo") << QByteArray("progressInfo") << QVariantList { info, info } << 1 << QVariant(info);
    QTest::newRow("langToken is read-only") << QByteArray("langToken") << QVariantList { "x" } << 0 << QVariant("");
    // By qFuzzyCompare's relative rule, under which zero equals no other value.
    QTest::newRow("progress, rounding noise")
        << QByteArray("progressValue") << QVariantList { 50.f, 50.0001f } << 1 << QVariant(50.f);
    QTest::newRow("progress, zero after tiny")
        << QByteArray("progressValue") << QVariantList { 1e-30f, 0.f } << 2 << QVariant(0.f);
}

void TestAppGlobal::writes()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariantList, values);
    QFETCH(int, emissions);
    QFETCH(QVariant, stored);

    AppGlobal app;
    const QMetaProperty p = app.metaObject()->property(app.metaObject()->indexOfProperty(property));
    QSignalSpy spy(&app, p.notifySignal());
    for (const QVariant &value : qAsConst(values)) {
        if (property == "progressValue") // written on every call, changed or not
            QTest::ignoreMessage(QtWarningMsg, "Floating point comparison needs context sanity check");
        p.write(&app, value);
    }
    QCOMPARE(spy.count(), emissions);
    QCOMPARE(p.read(&app), stored);
    if (emissions > 0)
        QCOMPARE(spy.last().at(0), stored);
}

QTEST_GUILESS_MAIN(TestAppGlobal)
#include "tst_appglobal.moc"
