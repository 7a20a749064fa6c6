// Ending the program, or only a window, with the busy overlay open (every
// modal popup shares its backdrop). A crash, a double deletion or (sanitized)
// a leak fails the test.

#include "appglobal.h"
#include "startup.h"

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

// Opened the way the backend opens it; the backdrop, once it has been drawn.
QQuickItem *openBusyOverlay(QQmlEngine *engine, QQuickWindow *window)
{
    QObject *popup = window->findChild<QObject *>("busyIndicatorView");
    if (!QTest::qWaitForWindowExposed(window) || !popup)
        return nullptr;
    engine->rootContext()->contextProperty("$app").value<AppGlobal *>()->setBusy(
        { { "status", true }, { "reason", "Working" } });
    QSignalSpy frames(window, &QQuickWindow::frameSwapped);
    if (!QTest::qWaitFor([&] { return popup->property("opened").toBool(); })
        || !QTest::qWaitFor([&] { return frames.count() >= 2; }))
        return nullptr;
    return Startup::findItem(window->contentItem(), QStringLiteral("backdropBlur"));
}

} // namespace

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
    void closeWithPopupOpen();
    void destroyWindowWithPopupOpen();
};

void TestShutdown::closeWithPopupOpen()
{
    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    QVERIFY(Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"))));
    QPointer<QObject> app = engine->rootContext()->contextProperty("$app").value<QObject *>();
    auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().first()->property("$viewer").value<QObject *>());
    QVERIFY(window && openBusyOverlay(engine, window));
    window->close();
    QTRY_VERIFY(!window->isVisible());
    Startup::shutdown(engine);
    QVERIFY(app.isNull()); // the engine took the backend with it
}

// A program may destroy a window while a modal popup is open in it: the
// backdrop, deleted later, may then refer to the window no more.
void TestShutdown::destroyWindowWithPopupOpen()
{
    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/ui/MainView.qml")));
    QPointer<QQuickWindow> window = qobject_cast<QQuickWindow *>(component.create());
    QVERIFY2(window, qPrintable(component.errorString()));
    QPointer<QQuickItem> backdrop = openBusyOverlay(&engine, window);
    QVERIFY(backdrop);
    delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(backdrop.isNull()); // deleted with the popup's exit, not leaked
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
