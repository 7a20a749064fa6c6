#include "appglobal.h"
#include "startup.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QtTest>

namespace {

// A value with the types of all it holds spelled out, so that comparing two
// does not convert the way QVariant's == does.
QString typed(const QVariant &value)
{
    QString text;
    QDebug(&text) << value;
    return text;
}

} // namespace

class TestAppGlobal : public QObject {
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
};

// Each row writes one property of a fresh backend in turn, as a document does:
// an equal value is not announced, a changed one once. A map differing only
// in a type is another map.
void TestAppGlobal::writes_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<QString>("stored"); // empty: the last value written

    const auto row = [](const char *name, const char *property, const QStringList &values, int emissions,
                         const QString &stored = {}) {
        QTest::newRow(name) << QByteArray(property) << values << emissions
                            << (stored.isEmpty() ? values.last() : stored);
    };
    row("language", "language", { "'en'", "'de'", "'de'" }, 1);
    const QString idle = "{status: false, reason: ''}", busy = "{status: true, reason: ''}";
    row("busy after idle", "busy", { idle, busy, busy }, 1);
    row("true after 1", "busy", { "{status: 1}", "{status: true}", "{status: true}" }, 2);
    row("key added, then dropped", "busy", { "{status: false}", "{status: false, extra: 0}", "{status: false}" }, 3);
    row("nested map", "busy",
        { "{status: true, detail: {step: 1, of: [1, 2]}}", "{status: true, detail: {step: '1', of: [1, 2]}}",
            "{status: true, detail: {step: '1', of: [1, 2]}}" },
        2);
    row("\"7\" after 7", "progressInfo", { "{visible: true, from: 7}", "{visible: true, from: '7'}" }, 2);
    row("the same values again", "progressInfo",
        { "{visible: true, title: 'a', from: 0.5, to: 7.0}", "{visible: true, title: 'a', from: 0.5, to: 7}" }, 1);
    // By qFuzzyCompare's relative rule, under which zero equals no other value.
    row("progress, rounding noise", "progressValue", { "50", "50.0001" }, 1, "50");
    row("progress, zero after tiny", "progressValue", { "1e-30", "0" }, 2);
}

void TestAppGlobal::writes()
{
    QFETCH(QByteArray, property);
    QFETCH(QStringList, values);
    QFETCH(int, emissions);
    QFETCH(QString, stored);

    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    auto *app = engine.rootContext()->contextProperty("$app").value<AppGlobal *>();
    QVERIFY(app);
    const QMetaProperty p = app->metaObject()->property(app->metaObject()->indexOfProperty(property));
    QSignalSpy spy(app, p.notifySignal());
    for (const QString &value : qAsConst(values)) {
        if (property == "progressValue") // written on every call, changed or not
            QTest::ignoreMessage(QtWarningMsg, "Floating point comparison needs context sanity check");
        QQmlExpression write(engine.rootContext(), nullptr, QStringLiteral("$app.%1 = %2").arg(property, value));
        write.evaluate();
        QVERIFY2(!write.hasError(), qPrintable(write.error().toString()));
    }
    QCOMPARE(spy.count(), emissions);
    QVariant expected = QQmlExpression(engine.rootContext(), nullptr, "(" + stored + ")").evaluate();
    if (expected.userType() == qMetaTypeId<QJSValue>())
        expected = expected.value<QJSValue>().toVariant();
    const auto shown
        = [&p](const QVariant &v) { return p.userType() == QMetaType::QVariantMap ? typed(v) : v.toString(); };
    QCOMPARE(shown(p.read(app)), shown(expected));
    QCOMPARE(shown(spy.last().at(0)), shown(expected));
}

QTEST_GUILESS_MAIN(TestAppGlobal)
#include "tst_appglobal.moc"
