#include "startup.h"

#include <QUrl>

int main(int argc, char *argv[])
{
    return Startup::run(argc, argv, QUrl(QStringLiteral("qrc:/main.qml"), QUrl::TolerantMode));
}
