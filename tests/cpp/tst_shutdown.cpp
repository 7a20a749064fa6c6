// Ending the program with a modal popup open, the way a user ends it. A crash,
// a double deletion or (in the sanitizer build) a leak fails the test.

#include "appglobal.h"
#include "startup.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QtTest>

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
    void closeWithPopupOpen();
};

// Every modal popup shares the window's blurred backdrop; the busy overlay
// stands for them all.
void TestShutdown::closeWithPopupOpen()
{
    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    QVERIFY(Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"))));
    QPointer<AppGlobal> app
        = qobject_cast<AppGlobal *>(engine->rootContext()->contextProperty("$app").value<QObject *>());
    auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().first()->property("$viewer").value<QObject *>());
    QVERIFY(app && window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QObject *popup = window->findChild<QObject *>("busyIndicatorView");
    QVERIFY(popup);
    app->setBusy({ { "status", true }, { "reason", "Working" } });
    QTRY_VERIFY(popup->property("opened").toBool());
    // Let the backdrop's blur iterate over a few frames, as it does in use.
    QSignalSpy frames(window, &QQuickWindow::frameSwapped);
    QTRY_VERIFY(frames.count() >= 5);

    window->close();
    QTRY_VERIFY(!window->isVisible());
    Startup::shutdown(engine);
    QVERIFY(app.isNull()); // the engine took the backend with it
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
