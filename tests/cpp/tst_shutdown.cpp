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

namespace {

// Opened the way the backend opens the busy overlay (every modal popup
// shares its blurred backdrop), or by its own open(); returns the backdrop
// once it has been drawn.
QQuickItem *openPopup(QQmlEngine *engine, QQuickWindow *window, const QString &popupName)
{
    QObject *popup = window->findChild<QObject *>(popupName);
    if (!QTest::qWaitForWindowExposed(window) || !popup)
        return nullptr;
    if (popupName == "busyIndicatorView")
        engine->rootContext()->contextProperty("$app").value<AppGlobal *>()->setBusy(
            { { "status", true }, { "reason", "Working" } });
    else
        QMetaObject::invokeMethod(popup, "open");
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
    void destroyWindowWithPopupOpen_data();
    void destroyWindowWithPopupOpen();
};

void TestShutdown::closeWithPopupOpen()
{
    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    QVERIFY(Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"))));
    QPointer<QObject> app = engine->rootContext()->contextProperty("$app").value<QObject *>();
    auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().first()->property("$viewer").value<QObject *>());
    QVERIFY(window && openPopup(engine, window, "busyIndicatorView"));
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
    QTest::newRow("main window, busy overlay") << "qrc:/ui/MainView.qml" << "busyIndicatorView";
    // Another program's window with the same backdrop behind a library dialog,
    // set through the attached Overlay, which Qt 6 keeps too.
    QTest::newRow("second window, library dialog") << R"(
        import QtQuick 2.9
        import QtQuick.Controls 2.3
        import ZelkDesign 1.0
        import "qrc:/ui"
        ApplicationWindow {
            visible: true; width: 500; height: 400
            Binding { target: content.Overlay.overlay; property: "modal"; value: backdrop }
            Component {
                id: backdrop
                BluredCover { objectName: "backdropBlur"; bluredTarget: content }
            }
            Rectangle {
                id: content
                anchors.fill: parent
                color: "#333333"
                ZelkLabel { anchors.centerIn: parent; text: "Content" }
            }
            ZelkDialog { objectName: "dialog"; modal: true }
        })" << "dialog";
}

void TestShutdown::destroyWindowWithPopupOpen()
{
    QFETCH(QString, document);
    QFETCH(QString, popupName);
    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    QQmlComponent component(&engine);
    if (document.startsWith("qrc:"))
        component.loadUrl(QUrl(document));
    else
        component.setData(document.toUtf8(), QUrl(QStringLiteral("qrc:/tst_shutdown/window.qml")));
    QPointer<QQuickWindow> window = qobject_cast<QQuickWindow *>(component.create());
    QVERIFY2(window, qPrintable(component.errorString()));
    QPointer<QQuickItem> backdrop = openPopup(&engine, window, popupName);
    QVERIFY(backdrop);
    delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(backdrop.isNull()); // deleted with the popup's exit, not leaked
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
