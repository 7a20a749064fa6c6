#include "galleryengine.h"
#include "snapshot.h"
#include "startup.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QUrl>

#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool wantsSnapshot(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--snapshot", 10) == 0 || std::strncmp(argv[i], "-snapshot", 9) == 0)
            return true;
    }
    return false;
}

// A snapshot run on a machine without a display (a build server) starts itself
// again under a private X server, with the software OpenGL the graphical
// effects need. Returns only when that is not possible or not wanted.
void reexecUnderXvfb(int argc, char **argv)
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("ZELK_GALLERY_XVFB"))
        return;
    const QByteArray xvfbRun = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("xvfb-run")));
    if (xvfbRun.isEmpty())
        return;
    qputenv("ZELK_GALLERY_XVFB", "1");
    qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
    std::vector<char *> args { const_cast<char *>(xvfbRun.constData()), const_cast<char *>("-a"),
        const_cast<char *>("-s"), const_cast<char *>("-screen 0 1280x1024x24") };
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execv(xvfbRun.constData(), args.data());
    qWarning("zelk-gallery: could not start xvfb-run; trying without it");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsSnapshot(argc, argv))
        reexecUnderXvfb(argc, argv);

    const Startup::DriverPreload driverPreload(argc, argv);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zelk-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every ZelkDesign component with live property editors."));
    parser.addHelpOption();
    const QCommandLineOption snapshotOption(QStringLiteral("snapshot"),
        QStringLiteral("Save every page as DIR/<page>.png, then exit."), QStringLiteral("DIR"));
    parser.addOption(snapshotOption);
    parser.process(app);

    auto *engine = new QQmlApplicationEngine;
    Gallery::prepareEngine(engine, Startup::argumentList(argc, argv));
    if (!Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/gallery/qml/GalleryWindow.qml")))) {
        delete engine;
        return 1;
    }
    auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
    if (!window) {
        qCritical("zelk-gallery: the root document is not a window");
        delete engine;
        return 1;
    }

    int status = 0;
    if (parser.isSet(snapshotOption)) {
        Snapshot snapshot(window, parser.value(snapshotOption));
        QObject::connect(&snapshot, &Snapshot::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
        snapshot.start();
        status = app.exec();
    } else {
        status = app.exec();
    }
    Startup::shutdown(engine);
    return status;
}
