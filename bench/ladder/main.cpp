// Loads one document of the start-up ladder (ladder.qrc) with the executable's
// own start-up, so that run_all.py can time each step from outside the way it
// times the application and the floor.
// Usage: start-ladder qrc:/ladder/<step>.qml

#include "startup.h"

#include <QUrl>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        fprintf(stderr, "usage: start-ladder qrc:/ladder/<step>.qml\n");
        return 2;
    }
    return Startup::run(argc, argv, QUrl(QString::fromLocal8Bit(argv[1]), QUrl::TolerantMode));
}
