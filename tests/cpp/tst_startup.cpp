#include "appglobal.h"
#include "startup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtTest>
#include <xcb/xcb.h>

namespace {

// Asks the window titled `title` to close the way a window manager does
// (WM_DELETE_WINDOW), so the program takes its ordinary close path.
class X11Closer {
public:
    X11Closer()
        : m_connection(xcb_connect(nullptr, &m_screen))
    {
    }
    ~X11Closer() { xcb_disconnect(m_connection); }

    bool isUsable() const { return !xcb_connection_has_error(m_connection); }

    // The top-level window titled `title` that belongs to process `pid`
    // (other tests may show windows of the same title on the same display).
    xcb_window_t find(const QByteArray &title, qint64 pid)
    {
        const xcb_setup_t *setup = xcb_get_setup(m_connection);
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
        for (int i = 0; i < m_screen; ++i)
            xcb_screen_next(&it);
        xcb_query_tree_reply_t *tree
            = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, it.data->root), nullptr);
        if (!tree)
            return XCB_WINDOW_NONE;
        xcb_window_t found = XCB_WINDOW_NONE;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_WINDOW_NONE; ++i) {
            auto cookie
                = xcb_get_property(m_connection, 0, children[i], XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
            if (xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr)) {
                const QByteArray name(
                    static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
                if (name == title && property(children[i], "_NET_WM_PID") == pid)
                    found = children[i];
                free(reply);
            }
        }
        free(tree);
        return found;
    }

    void requestClose(xcb_window_t window)
    {
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(m_connection);
    }

private:
    qint64 property(xcb_window_t window, const char *name)
    {
        auto cookie = xcb_get_property(m_connection, 0, window, atom(name), XCB_ATOM_CARDINAL, 0, 1);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        qint64 value = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            value = *static_cast<const quint32 *>(xcb_get_property_value(reply));
        free(reply);
        return value;
    }

    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return result;
    }

    int m_screen = 0;
    xcb_connection_t *m_connection;
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void params_data();
    void params();
    void invalidUtf8Arguments();
    void engineOwnsBackend();
    void brokenRootIsReported();
    void windowOpensAndClosesCleanly();
};

void TestStartup::params_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << QStringList {} << QStringList {};
    QTest::newRow("Qt options removed") << QStringList { "-platform", "xcb", "alpha", "-reverse", "beta" }
                                        << QStringList { "alpha", "beta" };
    QTest::newRow("others kept in order")
        << QStringList { "-platform", "xcb", "--x", "", "3" } << QStringList { "--x", "", "3" };
    QStringList many;
    for (int i = 0; i < 10000; ++i)
        many << (i % 7 == 0 ? QString() : QString::number(i));
    QTest::newRow("ten thousand, some empty") << many << many;
    QTest::newRow("UTF-8") << QStringList { "-platform", "xcb", QString::fromUtf8("Grüße"), QString::fromUtf8("日本") }
                           << QStringList { QString::fromUtf8("Grüße"), QString::fromUtf8("日本") };
}

static QStringList printedParams(QProcess &probe)
{
    QStringList params;
    const QJsonArray printed = QJsonDocument::fromJson(probe.readAllStandardOutput()).array();
    for (const auto &value : printed)
        params << value.toString();
    return params;
}

void TestStartup::params()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);

    // The platform option is Qt's own, so it must vanish too.
    const QStringList args
        = arguments.contains("-platform") ? arguments : QStringList { "-platform", "xcb" } + arguments;
    QProcess probe;
    probe.start(PARAMS_PROBE, args);
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(printedParams(probe), expected);
}

// Bytes that are not UTF-8 cannot travel in a QStringList, so a shell puts
// them on the command line; they arrive as Qt's UTF-8 decoding renders them.
void TestStartup::invalidUtf8Arguments()
{
    QProcess probe;
    probe.start("/bin/sh",
        { "-c", "exec \"$0\" -platform xcb \"$(printf 'a\\377b')\" \"$(printf '\\300')\" ok", PARAMS_PROBE });
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(printedParams(probe),
        (QStringList { QString::fromUtf8("a\xff"
                                         "b"),
            QString::fromUtf8("\xc0"), QStringLiteral("ok") }));
}

void TestStartup::engineOwnsBackend()
{
    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, { "x" });
    QPointer<AppGlobal> app
        = qobject_cast<AppGlobal *>(engine->rootContext()->contextProperty("$app").value<QObject *>());
    QVERIFY(app);
    QCOMPARE(app->parent(), engine);
    QCOMPARE(engine->rootContext()->contextProperty("$params").toStringList(), QStringList { "x" });
    QVERIFY(engine->importPathList().contains("qrc:/"));
    delete engine;
    QVERIFY(app.isNull());
}

void TestStartup::brokenRootIsReported()
{
    QQmlApplicationEngine engine;
    Startup::prepareEngine(&engine, {});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NoSuchType is not a type"));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Could not create the root object"));
    QVERIFY(!Startup::loadRoot(&engine, QUrl::fromLocalFile(BROKEN_ROOT)));
}

void TestStartup::windowOpensAndClosesCleanly()
{
    X11Closer x11;
    if (!x11.isUsable())
        QSKIP("needs an X display");
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(ORVANE_TOOL, QStringList {});
    QVERIFY(tool.waitForStarted());
    xcb_window_t window = XCB_WINDOW_NONE;
    QTRY_VERIFY_WITH_TIMEOUT((window = x11.find("Orvane Tool", tool.processId())) != XCB_WINDOW_NONE, 30000);
    QCOMPARE(tool.state(), QProcess::Running);
    x11.requestClose(window);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
