#include <QScreen>
#include <QtTest>
#include <xcb/xcb.h>

namespace {

using FreeReply = QScopedPointerPodDeleter; // xcb replies are malloc()ed

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const QScopedPointer<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QByteArray property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const QScopedPointer<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
    return reply ? QByteArray(static_cast<const char *>(xcb_get_property_value(reply.data())),
               xcb_get_property_value_length(reply.data()))
                 : QByteArray();
}

// The tool's window, by title and process: on a shared display another
// program may show a window of the same title.
xcb_window_t findWindow(xcb_connection_t *c, qint64 pid)
{
    const quint32 pid32 = quint32(pid);
    const QScopedPointer<xcb_query_tree_reply_t, FreeReply> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root), nullptr));
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.data()); ++i) {
        const xcb_window_t window = xcb_query_tree_children(tree.data())[i];
        if (property(c, window, XCB_ATOM_WM_NAME) == "Orvane Tool"
            && property(c, window, atom(c, "_NET_WM_PID")) == QByteArray(reinterpret_cast<const char *>(&pid32), 4))
            return window;
    }
    return XCB_WINDOW_NONE;
}

// Starts the tool and waits for its window.
xcb_window_t startTool(QProcess &tool, xcb_connection_t *c, const QStringList &arguments)
{
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(ORVANE_TOOL, arguments);
    xcb_window_t window = XCB_WINDOW_NONE;
    QDeadlineTimer deadline(30000);
    while (tool.waitForStarted() && tool.state() == QProcess::Running
        && (window = findWindow(c, tool.processId())) == XCB_WINDOW_NONE && !deadline.hasExpired())
        QTest::qWait(50);
    return window;
}

// Closed the way a window manager closes it (WM_DELETE_WINDOW).
void closeWindow(xcb_connection_t *c, xcb_window_t window)
{
    xcb_client_message_event_t event = { XCB_CLIENT_MESSAGE, 32, 0, window, atom(c, "WM_PROTOCOLS"), {} };
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}

QImage grab(xcb_window_t window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ by more than rendering noise; all of them when the sizes differ.
int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return qMax(a.width() * a.height(), b.width() * b.height()) + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qAbs(qRed(p[x]) - qRed(q[x])) > 8 || qAbs(qGreen(p[x]) - qGreen(q[x])) > 8
                || qAbs(qBlue(p[x]) - qBlue(q[x])) > 8)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void params_data();
    void params();
    void windowOpensAndClosesCleanly();
    void styleChoiceIgnored_data();
    void styleChoiceIgnored();
    void failedStart_data();
    void failedStart();

private:
    QImage m_defaultLook; // the window in an environment that names no style
};

// Arguments are shell words, so bytes that are not UTF-8 can reach the
// program too; they arrive as Qt's UTF-8 decoding renders them.
void TestStartup::params_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("expected");

    QStringList words { "-reverse" }, many;
    for (int i = 0; i < 10000; ++i) {
        many << (i % 7 == 0 ? QString() : QString::number(i));
        words << (i % 7 == 0 ? QStringLiteral("''") : many.last());
    }
    QTest::newRow("Qt options removed, ten thousand others kept") << words.join(' ') << many;
    QTest::newRow("UTF-8 and not") << QString::fromUtf8(R"sh(Grüße "$(printf 'a\377b')" "$(printf '\300')")sh")
                                   << QStringList { QString::fromUtf8("Grüße"), QString::fromUtf8("a\377b"),
                                          QString::fromUtf8("\300") };
}

void TestStartup::params()
{
    QFETCH(QString, words);
    QFETCH(QStringList, expected);

    // The platform option is Qt's own, so it must vanish too.
    QProcess probe;
    probe.start("/bin/sh", { "-c", "exec \"$0\" -platform xcb " + words, PARAMS_PROBE });
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QStringList params;
    for (const auto &value : QJsonDocument::fromJson(probe.readAllStandardOutput()).array())
        params << value.toString();
    QCOMPARE(params, expected);
}

// Closed as a window manager closes it, the program takes its ordinary path out.
void TestStartup::windowOpensAndClosesCleanly()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    auto disconnect = qScopeGuard([c] { xcb_disconnect(c); });
    if (xcb_connection_has_error(c))
        QSKIP("needs an X display");
    QProcess tool;
    const xcb_window_t window = startTool(tool, c, {});
    QVERIFY(window != XCB_WINDOW_NONE);
    QCOMPARE(tool.state(), QProcess::Running);

    closeWindow(c, window);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

// The views are drawn for Qt Quick Controls' Default style: a style asked for
// by the environment (KDE Plasma sets QT_QUICK_CONTROLS_STYLE), on the command
// line or in a configuration file leaves the window exactly as it is.
void TestStartup::styleChoiceIgnored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("QT_QUICK_CONTROLS_STYLE") << QStringList() << "QT_QUICK_CONTROLS_STYLE" << QByteArray("Material");
    QTest::newRow("-style") << QStringList { "-style", "Material" } << QString() << QByteArray();
    QTest::newRow("configuration file") << QStringList() << "QT_QUICK_CONTROLS_CONF"
                                        << QByteArray("[Controls]\nStyle=Universal\n");
}

void TestStartup::styleChoiceIgnored()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QByteArray, value);

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    auto disconnect = qScopeGuard([c] { xcb_disconnect(c); });
    if (xcb_connection_has_error(c))
        QSKIP("needs an X display");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QUICK_CONTROLS_STYLE");
    environment.remove("QT_QUICK_CONTROLS_CONF");

    if (m_defaultLook.isNull()) {
        QProcess tool;
        tool.setProcessEnvironment(environment);
        const xcb_window_t window = startTool(tool, c, {});
        QVERIFY(window != XCB_WINDOW_NONE);
        // Drawn once nothing has changed for half a second.
        QImage shot = grab(window);
        QElapsedTimer still;
        still.start();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage next = grab(window);
                if (differingPixels(next, shot) != 0 || next.pixel(10, 10) == next.pixel(400, 400)) {
                    shot = next;
                    still.restart();
                }
                return still.elapsed() > 500;
            }(),
            30000);
        m_defaultLook = shot;
        closeWindow(c, window);
        QVERIFY(tool.waitForFinished(30000));
    }

    QTemporaryFile configuration;
    if (variable == "QT_QUICK_CONTROLS_CONF") {
        QVERIFY(configuration.open());
        configuration.write(value);
        configuration.close();
        value = QFile::encodeName(configuration.fileName());
    }
    if (!variable.isEmpty())
        environment.insert(variable, QString::fromUtf8(value));
    QProcess tool;
    tool.setProcessEnvironment(environment);
    const xcb_window_t window = startTool(tool, c, arguments);
    QVERIFY(window != XCB_WINDOW_NONE);
    QTRY_COMPARE_WITH_TIMEOUT(differingPixels(grab(window), m_defaultLook), 0, 30000);
    closeWindow(c, window);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
}

// Started where no display can be opened, the program says so in one line,
// with the ways to run it headless; where the root document cannot be created
// (here a Qt module it imports is broken), it prints the engine's errors and
// says what they mean. Either way it fails with status 1 instead of aborting
// or idling without a window.
void TestStartup::failedStart_data()
{
    QTest::addColumn<QString>("display"); // empty: unset
    QTest::addColumn<bool>("brokenModule");
    QTest::addColumn<QStringList>("lastLine"); // what the last line of standard error says
    QTest::addColumn<int>("lines"); // how many lines there are; 0: any number

    const QStringList noDisplay { "no display could be opened", "xvfb-run", "-platform offscreen" };
    QTest::newRow("DISPLAY unset") << QString() << false << noDisplay << 1;
    QTest::newRow("no server at DISPLAY") << ":65534" << false << noDisplay << 1;
    QTest::newRow("root document broken") << qEnvironmentVariable("DISPLAY") << true
                                          << QStringList { "Could not create the root object of qrc:/main.qml" } << 0;
}

void TestStartup::failedStart()
{
    QFETCH(QString, display);
    QFETCH(bool, brokenModule);
    QFETCH(QStringList, lastLine);
    QFETCH(int, lines);
    if (brokenModule && display.isEmpty())
        QSKIP("needs an X display");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    if (display.isEmpty())
        environment.remove("DISPLAY");
    else
        environment.insert("DISPLAY", display);
    // A stand-in for QtQuick.Controls whose window type's file is missing, as
    // in an incomplete installation. It is found first: the variables' folders
    // come before Qt's own, and Qt 5 looks for a folder named with the major
    // version, Qt 6 for one without.
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
    }
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(ORVANE_TOOL, { "words", "for", "the", "documents" });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 1);
    const QStringList said = QString::fromLocal8Bit(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!said.isEmpty());
    if (lines > 0)
        QCOMPARE(said.size(), lines);
    for (const QString &part : lastLine)
        QVERIFY2(said.last().contains(part), qPrintable(said.last()));
    QCOMPARE(tool.readAllStandardOutput(), QByteArray());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
