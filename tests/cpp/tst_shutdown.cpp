// Ending the program with a modal popup open: the window is closed the way a
// user closes it, then the host's shut-down path runs. A crash, a double
// deletion or (in the sanitizer build) a leak fails the test.

#include "appglobal.h"
#include "startup.h"

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
    void closeWithPopupOpen_data();
    void closeWithPopupOpen();
};

void TestShutdown::closeWithPopupOpen_data()
{
    QTest::addColumn<QString>("open");
    QTest::newRow("nothing open") << "";
    QTest::newRow("busy overlay") << "busy";
    QTest::newRow("progress overlay") << "progress";
    QTest::newRow("message box") << "message";
    QTest::newRow("feedback dialog") << "feedback";
}

void TestShutdown::closeWithPopupOpen()
{
    QFETCH(QString, open);

    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    QVERIFY(Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"))));
    QPointer<AppGlobal> app
        = qobject_cast<AppGlobal *>(engine->rootContext()->contextProperty("$app").value<QObject *>());
    auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().first()->property("$viewer").value<QObject *>());
    QVERIFY(app && window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QObject *popup = nullptr;
    if (open == "busy") {
        app->setBusy({ { "status", true }, { "reason", "Working" } });
        popup = window->findChild<QObject *>("busyIndicatorView");
    } else if (open == "progress") {
        app->setProgressInfo({ { "visible", true }, { "title", "Copying" }, { "from", 0 }, { "to", 10 } });
        QTest::ignoreMessage(QtWarningMsg, "Floating point comparison needs context sanity check");
        app->setProgressValue(4);
        popup = window->findChild<QObject *>("progressView");
    } else if (open == "message") {
        popup = window->findChild<QObject *>("warningDialog");
        QVERIFY(popup);
        QMetaObject::invokeMethod(popup, "open");
    } else if (open == "feedback") {
        QQmlComponent component(engine, QUrl(QStringLiteral("qrc:/ui/UserFeedbackDialog.qml")));
        popup = component.create();
        QVERIFY2(popup, qPrintable(component.errorString()));
        popup->setParent(window);
        popup->setProperty("parent", QVariant::fromValue(window->contentItem()));
        QMetaObject::invokeMethod(popup, "open");
    }
    if (popup) {
        QTRY_VERIFY(popup->property("opened").toBool());
        // Let the backdrop's blur iterate over a few frames, as it does in use.
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        QTRY_VERIFY(frames.count() >= 5);
    }

    window->close();
    QTRY_VERIFY(!window->isVisible());
    Startup::shutdown(engine);
    QVERIFY(app.isNull()); // the engine took the backend with it
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
