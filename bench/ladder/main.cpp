// Loads one document of the start-up ladder (ladder.qrc) with the executable's
// own engine set-up, so that run_all.py can time each step from outside the
// way it times the application and the floor.
// Usage: start-ladder qrc:/ladder/<step>.qml

#include "startup.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        fprintf(stderr, "usage: start-ladder qrc:/ladder/<step>.qml\n");
        return 2;
    }

    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    if (!Startup::loadRoot(engine, QUrl(args.at(1), QUrl::TolerantMode))) {
        delete engine;
        return 1;
    }

    const int status = app.exec();
    Startup::shutdown(engine);
    return status;
}
