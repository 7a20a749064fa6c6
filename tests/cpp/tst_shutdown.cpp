// Ending the program, or only a window, with a modal popup open. A crash, a
// double deletion or (in the sanitizer build) a leak fails the test.

#include "appglobal.h"
#include "startup.h"

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
    void closeWithPopupOpen();
    void destroyWindowWithPopupOpen_data();
    void destroyWindowWithPopupOpen();
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
    QSignalSpy frames(window, &QQuickWindow::frameSwapped);
    QTRY_VERIFY(frames.count() >= 2);

    window->close();
    QTRY_VERIFY(!window->isVisible());
    Startup::shutdown(engine);
    QVERIFY(app.isNull()); // the engine took the backend with it
}

// A program may destroy one of its windows while a modal popup is open in it
// (a secondary window, a test's window): the popup lets go of the window's
// backdrop, which Qt deletes later, once the window is gone. Nothing of the
// backdrop may still refer to the window then.
void TestShutdown::destroyWindowWithPopupOpen_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("popupName");

    // The application's window with its busy overlay, the way the backend opens it.
    QTest::newRow("main window, busy overlay")
        << QStringLiteral("qrc:/ui/MainView.qml") << QStringLiteral("busyIndicatorView");
    // Another program's window with the same backdrop behind a library dialog.
    QTest::newRow("second window, library dialog") << QStringLiteral(R"(
        import QtQuick 2.9
        import QtQuick.Controls 2.3
        import ZelkDesign 1.0
        import "qrc:/ui"

        ApplicationWindow {
            visible: true
            width: 500
            height: 400
            // Through the attached Overlay, which Qt 6 keeps too.
            Binding {
                target: content.Overlay.overlay
                property: "modal"
                value: backdrop
            }
            Component {
                id: backdrop
                BluredCover {
                    objectName: "backdropBlur"
                    bluredTarget: content
                }
            }
            Rectangle {
                id: content
                anchors.fill: parent
                color: "#333333"
                ZelkLabel { anchors.centerIn: parent; text: "Content" }
            }
            ZelkDialog {
                objectName: "dialog"
                modal: true
            }
        })") << QStringLiteral("dialog");
}

void TestShutdown::destroyWindowWithPopupOpen()
{
    QFETCH(QString, document);
    QFETCH(QString, popupName);

    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    QQmlComponent component(&engine);
    if (document.startsWith(QLatin1String("qrc:")))
        component.loadUrl(QUrl(document));
    else
        component.setData(document.toUtf8(), QUrl(QStringLiteral("qrc:/tst_shutdown/window.qml")));
    QPointer<QQuickWindow> window = qobject_cast<QQuickWindow *>(component.create());
    QVERIFY2(window, qPrintable(component.errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *popup = window->findChild<QObject *>(popupName);
    QVERIFY(popup);
    QSignalSpy frames(window.data(), &QQuickWindow::frameSwapped);
    if (popupName == QLatin1String("busyIndicatorView"))
        engine.rootContext()->contextProperty("$app").value<AppGlobal *>()->setBusy(
            { { "status", true }, { "reason", "Working" } });
    else
        QMetaObject::invokeMethod(popup, "open");
    QTRY_VERIFY(popup->property("opened").toBool());
    QPointer<QQuickItem> backdrop = Startup::findItem(window->contentItem(), QStringLiteral("backdropBlur"));
    QVERIFY(backdrop);
    QTRY_VERIFY(!frames.isEmpty()); // the backdrop has been drawn

    delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(backdrop.isNull()); // deleted with the popup's exit, not leaked
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
