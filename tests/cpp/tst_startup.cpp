// The start-up: the arguments it hands the documents, the real executable's
// look under a style the desktop asks for, the renderer asked for, and how it
// fails to start.

#include "startup.h"
#include "xwindow.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QScopeGuard>

#include <functional>

namespace {

// Pixels that differ by more than rendering noise; -1 when the sizes differ.
int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += qAbs(qRed(p) - qRed(q)) > 8 || qAbs(qGreen(p) - qGreen(q)) > 8 || qAbs(qBlue(p) - qBlue(q)) > 8;
        }
    }
    return count;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void params();
    void styleChoiceIgnored_data();
    void styleChoiceIgnored();
    void rendererOpensDriver_data();
    void rendererOpensDriver();
    void driverPreload_data();
    void driverPreload();
    void failedStart_data();
    void failedStart();

private:
    void shown(const QProcessEnvironment &environment, const QStringList &arguments,
        const std::function<void(xcb_window_t window, qint64 pid)> &meanwhile);
    void look(QImage *shot, const QProcessEnvironment &environment, const QStringList &arguments);

    XWindow::Connection m_c = XWindow::connect();
    QImage m_defaultLook; // the window in an environment that names no style
};

// Every word after the program's own path reaches the documents as `$params`,
// bytes that are not UTF-8 as Qt's UTF-8 decoding renders them.
void TestStartup::params()
{
    QByteArray words[] = { "orvane-tool", "Grüße", "a\377b", "" };
    char *argv[] = { words[0].data(), words[1].data(), words[2].data(), words[3].data() };
    QQmlEngine engine;
    Startup::prepareEngine(&engine, Startup::argumentList(4, argv));
    QCOMPARE(QQmlExpression(engine.rootContext(), nullptr, "$params").evaluate().toStringList(),
        QStringList({ QString::fromUtf8("Grüße"), QString::fromUtf8("a\377b"), QString() }));
}

// The real executable, from its window's showing until it is closed as a
// window manager closes it: the program must then take its ordinary way out.
void TestStartup::shown(const QProcessEnvironment &environment, const QStringList &arguments,
    const std::function<void(xcb_window_t window, qint64 pid)> &meanwhile)
{
    QVERIFY(!xcb_connection_has_error(m_c.get()));
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.setProcessEnvironment(environment);
    const xcb_window_t window = XWindow::start(tool, m_c.get(), ORVANE_TOOL, arguments);
    QVERIFY(window != XCB_WINDOW_NONE);
    meanwhile(window, tool.processId());
    XWindow::close(m_c.get(), window);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

// The window once nothing has changed for half a second.
void TestStartup::look(QImage *shot, const QProcessEnvironment &environment, const QStringList &arguments)
{
    shown(environment, arguments, [shot](xcb_window_t window, qint64) {
        QElapsedTimer still;
        still.start();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage next = XWindow::grab(window);
                if (differingPixels(next, *shot) != 0 || next.pixel(10, 10) == next.pixel(400, 400)) {
                    *shot = next;
                    still.restart();
                }
                return still.elapsed() > 500;
            }(),
            30000);
    });
}

// The views are drawn for Qt Quick Controls' Default style: a style asked for
// by the environment (KDE Plasma sets it) or on the command line leaves the
// window exactly as it is.
void TestStartup::styleChoiceIgnored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("style");
    QTest::newRow("QT_QUICK_CONTROLS_STYLE") << QStringList() << "Material";
    QTest::newRow("-style") << QStringList { "-style", "Material" } << QString();
}

void TestStartup::styleChoiceIgnored()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, style);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QUICK_CONTROLS_STYLE");
    environment.remove("QT_QUICK_CONTROLS_CONF");
    if (m_defaultLook.isNull())
        look(&m_defaultLook, environment, {});
    if (!style.isEmpty())
        environment.insert("QT_QUICK_CONTROLS_STYLE", style);
    QImage shot;
    look(&shot, environment, arguments);
    QVERIFY(!QTest::currentTestFailed() && !m_defaultLook.isNull());
    QCOMPARE(differingPixels(shot, m_defaultLook), 0);
}

// The software renderer is what a machine without working OpenGL is left
// with: the program must not open the OpenGL driver there, not even ahead of
// its window to save time. libglvnd loads the vendor's GLX library only when
// GLX is first used (the driver itself may be preloaded, as the sanitized
// runs do); the OpenGL row shows that the probe sees it when it is.
void TestStartup::rendererOpensDriver_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<bool>("opened");
    QTest::newRow("software") << "software" << false;
    QTest::newRow("OpenGL") << QString() << true;
}

void TestStartup::rendererOpensDriver()
{
    QFETCH(QString, backend);
    QFETCH(bool, opened);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QUICK_BACKEND", backend);
    bool mapped = false;
    shown(environment, {}, [&mapped](xcb_window_t, qint64 pid) {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        mapped = maps.readAll().contains("/libGLX_");
    });
    QCOMPARE(mapped, opened);
}

// Mesa's driver is loaded ahead only where the window will open it through
// GLX: anywhere else it would cost a quarter of the start-up's CPU and the
// memory of LLVM for nothing. The platform argument wins over the
// environment, as it does in Qt.
void TestStartup::driverPreload_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // NAME=value; every other variable read is unset
    QTest::addColumn<bool>("preloads");
    const QStringList x11 { "DISPLAY=:9" };
    QTest::newRow("X11, nothing asked for") << QStringList() << x11 << true;
    QTest::newRow("no display") << QStringList() << QStringList() << false;
    QTest::newRow("-platform xcb") << QStringList { "-platform", "xcb" } << x11 << true;
    QTest::newRow("--platform offscreen") << QStringList { "--platform", "offscreen" } << x11 << false;
    QTest::newRow("argument over environment")
        << QStringList { "-platform", "offscreen" } << x11 + QStringList { "QT_QPA_PLATFORM=xcb" } << false;
    QTest::newRow("xcb with options") << QStringList() << x11 + QStringList { "QT_QPA_PLATFORM=xcb:nomitshm" } << true;
    QTest::newRow("wayland") << QStringList() << x11 + QStringList { "QT_QPA_PLATFORM=wayland" } << false;
    QTest::newRow("wayland, then xcb") << QStringList() << x11 + QStringList { "QT_QPA_PLATFORM=wayland;xcb" } << false;
    QTest::newRow("Wayland session") << QStringList() << x11 + QStringList { "XDG_SESSION_TYPE=wayland" } << false;
    QTest::newRow("Wayland session, xcb asked for")
        << QStringList() << x11 + QStringList { "XDG_SESSION_TYPE=wayland", "QT_QPA_PLATFORM=xcb" } << true;
    QTest::newRow("software renderer") << QStringList() << x11 + QStringList { "QT_QUICK_BACKEND=software" } << false;
    QTest::newRow("software renderer, old name")
        << QStringList() << x11 + QStringList { "QMLSCENE_DEVICE=softwarecontext" } << false;
    QTest::newRow("EGL on X11") << QStringList() << x11 + QStringList { "QT_XCB_GL_INTEGRATION=xcb_egl" } << false;
    QTest::newRow("GLX asked for") << QStringList() << x11 + QStringList { "QT_XCB_GL_INTEGRATION=xcb_glx" } << true;
    QTest::newRow("another vendor") << QStringList() << x11 + QStringList { "__GLX_VENDOR_LIBRARY_NAME=nvidia" }
                                    << false;
    QTest::newRow("Mesa named") << QStringList() << x11 + QStringList { "__GLX_VENDOR_LIBRARY_NAME=mesa" } << true;
    // Qt 5 has no other graphics API to ask for.
    QTest::newRow("Vulkan") << QStringList() << x11 + QStringList { "QSG_RHI_BACKEND=vulkan" }
                            << (QT_VERSION < QT_VERSION_CHECK(6, 0, 0));
}

void TestStartup::driverPreload()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(bool, preloads);
    if (preloads && QFileInfo::exists(QStringLiteral("/sys/module/nvidia")))
        QSKIP("NVIDIA's driver runs this machine's display");
    static const char *const variables[] = { "DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "QT_QUICK_BACKEND",
        "QMLSCENE_DEVICE", "QT_XCB_GL_INTEGRATION", "__GLX_VENDOR_LIBRARY_NAME", "QSG_RHI_BACKEND" };
    QHash<QByteArray, QByteArray> saved;
    for (const char *name : variables) {
        if (qEnvironmentVariableIsSet(name))
            saved.insert(name, qgetenv(name));
        qunsetenv(name);
    }
    const auto restore = qScopeGuard([&saved] {
        for (const char *name : variables) {
            if (saved.contains(name))
                qputenv(name, saved.value(name));
            else
                qunsetenv(name);
        }
    });
    for (const QString &pair : qAsConst(environment))
        qputenv(pair.section('=', 0, 0).toLatin1(), pair.section('=', 1).toLocal8Bit());
    QList<QByteArray> words { "orvane-tool" };
    for (const QString &argument : qAsConst(arguments))
        words << argument.toLocal8Bit();
    QVector<char *> argv;
    for (QByteArray &word : words)
        argv << word.data();
    QCOMPARE(Startup::preloadsDriver(argv.size(), argv.data()), preloads);
}

// Without a display the program says so in one line, with the ways to run it
// headless; with a root document that cannot be created it prints the
// engine's errors. Either way it fails with status 1.
void TestStartup::failedStart_data()
{
    QTest::addColumn<bool>("brokenModule");
    QTest::addColumn<QStringList>("lastLine"); // what the last line of standard error says
    QTest::newRow("DISPLAY unset") << false
                                   << QStringList { "no display could be opened", "xvfb-run", "-platform offscreen" };
    QTest::newRow("root document broken")
        << true << QStringList { "Could not create the root object of qrc:/main.qml" };
}

void TestStartup::failedStart()
{
    QFETCH(bool, brokenModule);
    QFETCH(QStringList, lastLine);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    // A QtQuick.Controls without its window type's file, as in an incomplete
    // installation, found before Qt's own (Qt 5 looks in "Controls.2").
    QTemporaryDir imports;
    if (brokenModule) {
        for (const QString &folder : { QStringLiteral("QtQuick/Controls.2"), QStringLiteral("QtQuick/Controls") }) {
            QVERIFY(QDir(imports.path()).mkpath(folder));
            QFile qmldir(imports.filePath(folder + "/qmldir"));
            QVERIFY(qmldir.open(QIODevice::WriteOnly));
            qmldir.write("module QtQuick.Controls\nApplicationWindow 2.0 Missing.qml\n");
        }
        environment.insert("QML2_IMPORT_PATH", imports.path());
        environment.insert("QML_IMPORT_PATH", imports.path());
    } else {
        environment.remove("DISPLAY");
    }
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(ORVANE_TOOL, { "words", "for", "the", "documents" });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 1);
    const QStringList said = QString::fromLocal8Bit(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!said.isEmpty() && (brokenModule || said.size() == 1));
    for (const QString &part : lastLine)
        QVERIFY2(said.last().contains(part), qPrintable(said.last()));
    QCOMPARE(tool.readAllStandardOutput(), QByteArray());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
