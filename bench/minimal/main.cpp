// The floor the application's start-up, memory and idle figures are compared
// with: the executable's own engine set-up loading one empty 800x800 window.

#include "startup.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, Startup::argumentList(argc, argv));
    if (!Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/bench/minimal.qml"), QUrl::TolerantMode))) {
        delete engine;
        return 1;
    }

    const int status = app.exec();
    Startup::shutdown(engine);
    return status;
}
