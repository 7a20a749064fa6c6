#include "startup.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, Startup::argumentList(argc, argv));
    if (!Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"), QUrl::TolerantMode))) {
        delete engine;
        return 1;
    }

    const int status = app.exec();
    Startup::shutdown(engine);
    return status;
}
