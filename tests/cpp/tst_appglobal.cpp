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
    void scriptWrites_data();
    void scriptWrites();
    void warningNamesItsSource();
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
    // A writer in C++ may nest a hash; its values are compared strictly too.
    const QVariantMap hashed { { "status", true }, { "detail", QVariantHash { { "step", 1 } } } };
    const QVariantMap rehashed { { "status", true }, { "detail", QVariantHash { { "step", true } } } };
    QTest::newRow("busy, nested hash") << QByteArray("busy") << QVariantList { hashed, rehashed, rehashed } << 2
                                       << QVariant(rehashed);
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

// Writers in documents hand over script values, which arrive as variants of
// their own types: a map differing only in a type is another map, announced.
void TestAppGlobal::scriptWrites_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("emissions");

    QTest::newRow("true after 1") << QByteArray("busy")
                                  << QStringList { "{status: 1}", "{status: true}", "{status: true}" } << 2;
    QTest::newRow("\"7\" after 7") << QByteArray("progressInfo")
                                   << QStringList { "{visible: true, from: 7}", "{visible: true, from: '7'}" } << 2;
    QTest::newRow("nested map") << QByteArray("busy")
                                << QStringList { "{status: true, detail: {step: 1, of: [1, 2]}}",
                                       "{status: true, detail: {step: '1', of: [1, 2]}}",
                                       "{status: true, detail: {step: '1', of: [1, 2]}}" }
                                << 2;
    QTest::newRow("list in a map") << QByteArray("progressInfo")
                                   << QStringList { "{visible: true, steps: [0, 1]}",
                                          "{visible: true, steps: [0, true]}",
                                          "{visible: true, steps: [0, true, null]}" }
                                   << 3;
    QTest::newRow("key added, then dropped")
        << QByteArray("busy") << QStringList { "{status: false}", "{status: false, extra: 0}", "{status: false}" } << 3;
    QTest::newRow("the same values again") << QByteArray("progressInfo")
                                           << QStringList { "{visible: true, title: 'a', from: 0.5, to: 7.0}",
                                                  "{visible: true, title: 'a', from: 0.5, to: 7}" }
                                           << 1;
}

void TestAppGlobal::scriptWrites()
{
    QFETCH(QByteArray, property);
    QFETCH(QStringList, values);
    QFETCH(int, emissions);

    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    auto *app = qobject_cast<AppGlobal *>(engine.rootContext()->contextProperty("$app").value<QObject *>());
    QVERIFY(app);
    const QMetaProperty p = app->metaObject()->property(app->metaObject()->indexOfProperty(property));
    QSignalSpy spy(app, p.notifySignal());
    for (const QString &value : qAsConst(values)) {
        QQmlExpression write(engine.rootContext(), nullptr, QStringLiteral("$app.%1 = %2").arg(property, value));
        write.evaluate();
        QVERIFY2(!write.hasError(), qPrintable(write.error().toString()));
    }
    QCOMPARE(spy.count(), emissions);
    // Stored, and announced, as the last write gave it.
    QQmlExpression last(engine.rootContext(), nullptr, "(" + values.last() + ")");
    QCOMPARE(typed(p.read(app)), typed(last.evaluate().value<QJSValue>().toVariant()));
    QCOMPARE(typed(spy.last().at(0)), typed(p.read(app)));
}

// Message patterns with %{file} and %{line} must point at the setter in
// release builds too, not at "unknown:0".
void TestAppGlobal::warningNamesItsSource()
{
    static QString location;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context,
                                                                 const QString &) {
        location = QStringLiteral("%1:%2").arg(QFileInfo(QString::fromUtf8(context.file)).fileName()).arg(context.line);
    });
    AppGlobal().setProgressValue(1);
    qInstallMessageHandler(previous);
    QVERIFY2(QRegularExpression("^appglobal\\.cpp:[1-9][0-9]*$").match(location).hasMatch(), qPrintable(location));
}

QTEST_GUILESS_MAIN(TestAppGlobal)
#include "tst_appglobal.moc"
