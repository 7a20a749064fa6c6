#include "startup.h"

#include "appglobal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSGRendererInterface>
#include <QScopedPointer>
#include <QThread>
#include <QUrl>
#include <QVector>
#include <QtQml>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#ifdef __GLIBC__
#include <dlfcn.h>
#include <malloc.h>
#endif

namespace {

// What Qt logs while the application object opens the display, kept until
// it is known whether a display could be opened at all.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;
};

QVector<HeldMessage> heldMessages;
QByteArray programName;

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

// Without a display Qt names its platform plugin, suggests reinstalling and
// aborts; a user is better served by one line that says what is missing.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        const char *name = programName.constData();
        std::fprintf(stderr,
            "%s: no display could be opened; to run it without one, use a virtual display"
            " (xvfb-run -a %s) or draw off screen (QT_QUICK_BACKEND=software %s -platform offscreen)\n",
            name, name, name);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.append({ type, context.file, context.function, context.category, context.line, text });
}

// Whether a scene graph backend other than OpenGL (such as the software one) is
// asked for by name, as Qt Quick reads the environment.
bool otherBackendAskedFor()
{
    return !qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") || !qEnvironmentVariableIsEmpty("QMLSCENE_DEVICE");
}

// Whether the first window will open the OpenGL driver through X11's GLX: the
// case measured, where opening it ahead of the window pays.
bool windowOpensGlx()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || otherBackendAskedFor())
        return false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QQuickWindow::graphicsApi() == QSGRendererInterface::OpenGL;
#else
    return QQuickWindow::sceneGraphBackend().isEmpty();
#endif
}

#ifdef __GLIBC__
// The name of the platform plugin asked for by argument or environment, as
// Qt reads it (options after ':' and fallbacks after ';' dropped); empty when
// none is asked for.
QByteArray platformAskedFor(int argc, char **argv)
{
    QByteArray name = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            name = argv[i + 1];
    }
    return name.split(';').constFirst().split(':').constFirst();
}

// Loads Mesa's driver for X11, and with it LLVM, whose relocations and
// static constructors are most of the time. All of Mesa's Gallium drivers
// are one library under several names, so the software rasteriser's name
// serves whichever the X server names. The handles are never closed: closing
// them before Mesa opens the same files would unload them again, and Mesa
// keeps them for the life of the process.
void loadMesaDriver()
{
    void *glx = dlopen("libGLX_mesa.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!glx)
        return;
    QByteArray directory = qgetenv("LIBGL_DRIVERS_PATH").split(':').constFirst();
    if (directory.isEmpty()) {
        char origin[PATH_MAX] = {};
        if (dlinfo(glx, RTLD_DI_ORIGIN, origin) != 0)
            return;
        directory = QByteArray(origin) + "/dri";
    }
    QByteArray driver = qgetenv("MESA_LOADER_DRIVER_OVERRIDE");
    if (driver.isEmpty())
        driver = "swrast";
    dlopen(directory + '/' + driver + "_dri.so", RTLD_NOW | RTLD_LOCAL);
}
#endif

} // namespace

namespace Startup {

bool preloadsDriver(int argc, char **argv)
{
#ifdef __GLIBC__
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    const QByteArray platform = platformAskedFor(argc, argv);
    if (!platform.isEmpty() && platform != "xcb")
        return false;
    // Without a platform asked for, Qt may pick Wayland in a Wayland session.
    if (platform.isEmpty() && qgetenv("XDG_SESSION_TYPE") == "wayland")
        return false;
    if (otherBackendAskedFor())
        return false;
    const QByteArray glIntegration = qgetenv("QT_XCB_GL_INTEGRATION");
    if (!glIntegration.isEmpty() && glIntegration != "xcb_glx")
        return false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QByteArray rhiBackend = qgetenv("QSG_RHI_BACKEND");
    if (!rhiBackend.isEmpty() && rhiBackend != "opengl")
        return false;
#endif
    // libglvnd loads another vendor's library instead of Mesa's where one is
    // named, or (in practice) where NVIDIA's driver runs the display.
    const QByteArray vendor = qgetenv("__GLX_VENDOR_LIBRARY_NAME");
    if (!vendor.isEmpty() && vendor != "mesa")
        return false;
    return !QFileInfo::exists(QStringLiteral("/sys/module/nvidia"));
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

DriverPreload::DriverPreload(int argc, char **argv)
{
#ifdef __GLIBC__
    if (!preloadsDriver(argc, argv))
        return;
    try {
        m_thread = std::thread(loadMesaDriver);
    } catch (const std::system_error &) {
        // Qt loads the driver itself, as it would anyway.
    }
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

DriverPreload::~DriverPreload()
{
    if (m_thread.joinable())
        m_thread.join();
}

QStringList argumentList(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list.append(QString::fromUtf8(argv[i]));
    return list;
}

QStringList publishedTypes()
{
    QFile qmldir(QStringLiteral(":/ZelkDesign/qmldir"));
    if (!qmldir.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression typeLine(QStringLiteral("^(\\w+) 1\\.0 \\1\\.qml$"));
    QStringList types;
    const QStringList lines = QString::fromUtf8(qmldir.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = typeLine.match(line.trimmed());
        if (match.hasMatch())
            types << match.captured(1);
    }
    return types;
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

void prepareEngine(QQmlEngine *engine, const QStringList &params)
{
    static const int registered = qmlRegisterType<AppGlobal>("CppBackend", 1, 0, "AppGlobal");
    Q_UNUSED(registered);
    // Every view is drawn for the plain style (Default on Qt 5, Basic on Qt 6).
    // Without this, the style named by QT_QUICK_CONTROLS_STYLE (KDE Plasma sets
    // it), -style or a qtquickcontrols2.conf would fill in all a document leaves
    // unset. It can only be chosen before QtQuick.Controls is first imported:
    // with the first engine.
    static const bool styled = (QQuickStyle::setStyle(QString::fromLatin1(plainStyle)), true);
    Q_UNUSED(styled);
    engine->addImportPath(QStringLiteral("qrc:/"));
    auto *app = new AppGlobal(engine);
    engine->rootContext()->setContextProperty(QStringLiteral("$app"), app);
    engine->rootContext()->setContextProperty(QStringLiteral("$params"), QVariant::fromValue(params));
}

bool loadRoot(QQmlApplicationEngine *engine, const QUrl &url)
{
    if (windowOpensGlx()) {
        // Qt opens the OpenGL driver (with Mesa: loads it, unless a
        // DriverPreload has, opens the display's screen and makes a test
        // context) when it creates the first window, after the documents are
        // compiled.
        // The engine compiles them on its loader thread while this thread
        // waits, except that every plugin imported waits for this thread to
        // initialise it; so the driver is opened on a thread of its own
        // meanwhile. Nothing else touches the driver until the window is
        // created, after the wait; should the thread not start, the window
        // opens the driver itself, as it did before.
        const QScopedPointer<QThread> driver(QThread::create([] { QOpenGLContext::supportsThreadedOpenGL(); }));
        driver->start();
        {
            // Compiled, not created: the engine keeps the compiled documents.
            QQmlComponent compiled(engine, url);
        }
        driver->wait();
#ifdef __GLIBC__
        // The thread's allocations came from a malloc arena of its own, and
        // what the test context freed there would stay resident: 2 MiB.
        malloc_trim(0);
#endif
    }
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
    programName = QFile::encodeName(QFileInfo(QFile::decodeName(argv[0])).fileName());
    const DriverPreload driverPreload(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage &message : qAsConst(heldMessages)) {
        const QMessageLogContext context(
            orNull(message.file), message.line, orNull(message.function), orNull(message.category));
        previous(message.type, context, message.text);
    }
    heldMessages.clear();

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
