#pragma once

#include <QStringList>
#include <QtGlobal>

#include <thread>

class QQmlEngine;
class QQmlApplicationEngine;
class QQuickItem;
class QString;
class QUrl;

namespace Startup {

// Qt Quick Controls 2's plain style, under which the documents are drawn and
// whose settings the controls take where they set none. Qt 6 renamed it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
inline constexpr char plainStyle[] = "Basic";
#else
inline constexpr char plainStyle[] = "Default";
#endif

// The arguments Qt left after consuming its own options, program path excluded.
QStringList argumentList(int argc, char **argv);

// The types the library bundle publishes, in its module definition's order:
// the lines "Name 1.0 Name.qml" of ":/ZelkDesign/qmldir". The one list the
// tests, the gallery and the benchmarks go by.
QStringList publishedTypes();

// The item named `name` at or below `root`, searched among the items: a
// popup's backdrop, created under the window's overlay, is no QObject child
// of the window. For the tests and the benchmarks, which look into windows.
QQuickItem *findItem(QQuickItem *root, const QString &name);

// Everything the documents rely on before the first binding runs: the plain
// style (pinned with the first engine; unpinned, Qt 6 would pick Fusion), the
// backend type, the "qrc:/" import path, `$app` (owned by the engine) and `$params`.
// The executable and the QML test runner both go through here.
void prepareEngine(QQmlEngine *engine, const QStringList &params);

// Loads the root document; false, after printing the engine's errors, when it
// produced no root object, so the caller can end the process instead of
// idling without a window.
bool loadRoot(QQmlApplicationEngine *engine, const QUrl &url);

// Closes every popup, lets the closing finish, then deletes the engine (and
// with it the backend and every document object). A closing popup hands its
// modal backdrop to a deferred deletion; carrying those out first deletes
// every backdrop while the engine that built it still exists.
void shutdown(QQmlApplicationEngine *engine);

// Whether a DriverPreload (below) loads Mesa's OpenGL driver: where the
// window will draw with OpenGL through X11's GLX (the platform and renderer
// asked for by argument and environment allow it) and nothing says another
// vendor's driver will serve it. Always false without glibc.
bool preloadsDriver(int argc, char **argv);

// Loading Mesa's driver holds the dynamic loader's lock for 13 to 16 ms.
// Made just before the application object, this loads it on a thread of its
// own (where preloadsDriver says so), beside the object's start, which needs
// the lock only for its platform plugin, instead of leaving it to the first
// window, beside the documents' compilation, which needs the lock for every
// plugin it imports and which the first frame waits for. Its destruction
// waits for the thread, which has long ended by then.
class DriverPreload {
public:
    DriverPreload(int argc, char **argv);
    ~DriverPreload();
    DriverPreload(const DriverPreload &) = delete;
    DriverPreload &operator=(const DriverPreload &) = delete;

private:
    std::thread m_thread;
};

// The whole life of a program that shows one root document: the application
// object, the engine set up as above, the event loop and the shut-down. The
// executable and the benchmark programs share it, so they start alike.
// Returns the exit status (1 when the root document could not be created);
// without a display it says so in one line and exits with status 1.
int run(int &argc, char **argv, const QUrl &root);

} // namespace Startup
