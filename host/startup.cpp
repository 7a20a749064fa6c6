#include "startup.h"

#include "appglobal.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
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

} // namespace Startup
