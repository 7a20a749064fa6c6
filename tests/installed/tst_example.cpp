// The example application as its users start it: it must show its window,
// draw a first frame, print no warning and quit with status 0 when closed.

#include <QProcess>
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

// The program's mapped top-level window, found by its process id.
xcb_window_t findWindow(xcb_connection_t *c, qint64 pid)
{
    const quint32 pid32 = quint32(pid);
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    const QScopedPointer<xcb_query_tree_reply_t, FreeReply> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root), nullptr));
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.data()); ++i) {
        const xcb_window_t window = xcb_query_tree_children(tree.data())[i];
        const QScopedPointer<xcb_get_property_reply_t, FreeReply> owner(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        const QScopedPointer<xcb_get_window_attributes_reply_t, FreeReply> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (owner && xcb_get_property_value_length(owner.data()) == 4
            && *static_cast<const quint32 *>(xcb_get_property_value(owner.data())) == pid32 && attributes
            && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            return window;
    }
    return XCB_WINDOW_NONE;
}

// A frame is on screen once the window holds more than one colour: before
// it, the server shows the window's plain background.
bool hasDrawn(xcb_connection_t *c, xcb_window_t window)
{
    const QScopedPointer<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return false;
    const QScopedPointer<xcb_get_image_reply_t, FreeReply> image(xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u), nullptr));
    if (!image || image->depth < 24)
        return false;
    const auto *pixels = reinterpret_cast<const quint32 *>(xcb_get_image_data(image.data()));
    const int count = xcb_get_image_data_length(image.data()) / 4;
    for (int i = 1; i < count; ++i) {
        if ((pixels[i] & 0xffffff) != (pixels[0] & 0xffffff))
            return true;
    }
    return false;
}

} // namespace

class TestExample : public QObject {
    Q_OBJECT

private slots:
    void firstFrameWithoutWarnings_data();
    void firstFrameWithoutWarnings();
};

void TestExample::firstFrameWithoutWarnings_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("carried copy, build tree") << EXAMPLE_DIR "/carried/settings-example";
    QTest::newRow("carried copy, installed") << EXAMPLE_DIR "/carried-install/bin/settings-example";
    QTest::newRow("installed module in place") << EXAMPLE_DIR "/in-place/settings-example";
}

void TestExample::firstFrameWithoutWarnings()
{
    QFETCH(QString, program);
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    auto disconnect = qScopeGuard([c] { xcb_disconnect(c); });
    if (xcb_connection_has_error(c))
        QSKIP("needs an X display");

    // A session of its own: without one Qt says so on stderr, and any line
    // there counts as a warning.
    QTemporaryDir runtimeDir;
    QVERIFY(runtimeDir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    QProcess example;
    example.setProcessEnvironment(environment);
    example.setProcessChannelMode(QProcess::MergedChannels);
    example.start(program, QStringList {});
    QVERIFY2(example.waitForStarted(), qPrintable(example.errorString()));
    auto stop = qScopeGuard([&example] {
        example.kill();
        example.waitForFinished();
    });
    QByteArray output;
    const auto printed = [&example, &output] { return (output += example.readAll()).constData(); };

    xcb_window_t window = XCB_WINDOW_NONE;
    QTRY_VERIFY_WITH_TIMEOUT(
        (window = findWindow(c, example.processId())) != XCB_WINDOW_NONE || example.state() != QProcess::Running,
        30000);
    QVERIFY2(window != XCB_WINDOW_NONE, printed());
    QTRY_VERIFY_WITH_TIMEOUT(hasDrawn(c, window), 30000);

    xcb_client_message_event_t event = { XCB_CLIENT_MESSAGE, 32, 0, window, atom(c, "WM_PROTOCOLS"), {} };
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
    QVERIFY(example.waitForFinished(30000));
    stop.dismiss();
    printed();
    QVERIFY2(output.isEmpty(), output.constData());
    QCOMPARE(example.exitStatus(), QProcess::NormalExit);
    QCOMPARE(example.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestExample)
#include "tst_example.moc"
