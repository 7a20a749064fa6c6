// The floor the application's start-up, memory and idle figures are compared
// with: the executable's own start-up loading one empty 800x800 window.

#include "startup.h"

#include <QUrl>

int main(int argc, char *argv[])
{
    return Startup::run(argc, argv, QUrl(QStringLiteral("qrc:/bench/minimal.qml"), QUrl::TolerantMode));
}
