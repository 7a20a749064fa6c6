#include "startup.h"

#include "appglobal.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QUrl>
#include <QtQml>

namespace Startup {

QStringList argumentList(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list.append(QString::fromUtf8(argv[i]));
    return list;
}

void prepareEngine(QQmlEngine *engine, const QStringList &params)
{
    static const int registered = qmlRegisterType<AppGlobal>("CppBackend", 1, 0, "AppGlobal");
    Q_UNUSED(registered);

    // Every view is drawn for the plain style, whatever the environment asks
    // for; it can only be chosen before QtQuick.Controls is first imported.
    static const bool styled = (QQuickStyle::setStyle(QString::fromLatin1(plainStyle)), true);
    Q_UNUSED(styled);
    engine->addImportPath(QStringLiteral("qrc:/"));
    auto *app = new AppGlobal(engine);
    engine->rootContext()->setContextProperty(QStringLiteral("$app"), app);
    engine->rootContext()->setContextProperty(QStringLiteral("$params"), QVariant::fromValue(params));
}

bool loadRoot(QQmlApplicationEngine *engine, const QUrl &url)
{
    // The engine has already printed why; this line only says what it means.
    engine->load(url);
    if (!engine->rootObjects().isEmpty())
        return true;
    qCritical("Could not create the root object of %s; exiting.", qPrintable(url.toString()));
    return false;
}

void shutdown(QQmlApplicationEngine *engine)
{
    // Closing a popup destroys what it had loaded, so hold them by guarded pointers.
    QList<QPointer<QObject>> popups;
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (!qobject_cast<QQuickWindow *>(window))
            continue;
        const QList<QObject *> objects = window->findChildren<QObject *>();
        for (QObject *object : objects) {
            if (object->inherits("QQuickPopup"))
                popups.append(object);
        }
    }
    for (const QPointer<QObject> &popup : qAsConst(popups)) {
        if (popup)
            QMetaObject::invokeMethod(popup, "close");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete engine;
}

int run(int &argc, char **argv, const QUrl &root)
{
    QGuiApplication app(argc, argv);

    auto *engine = new QQmlApplicationEngine;
    prepareEngine(engine, argumentList(argc, argv));
    if (!loadRoot(engine, root)) {
        delete engine;
        return 1;
    }

    const int status = app.exec();
    shutdown(engine);
    return status;
}

} // namespace Startup
