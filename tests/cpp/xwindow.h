// A program's window on the X display, found and closed from outside, as a
// user's window manager would.

#pragma once

#include <QScreen>
#include <QtTest>
#include <xcb/xcb.h>

namespace XWindow {

using FreeReply = QScopedPointerPodDeleter; // xcb replies are malloc()ed

inline xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const QScopedPointer<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The process's mapped top-level window.
inline xcb_window_t find(xcb_connection_t *c, qint64 pid)
{
    const QScopedPointer<xcb_query_tree_reply_t, FreeReply> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root), nullptr));
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.data()); ++i) {
        const xcb_window_t window = xcb_query_tree_children(tree.data())[i];
        const QScopedPointer<xcb_get_property_reply_t, FreeReply> owner(xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1), nullptr));
        const QScopedPointer<xcb_get_window_attributes_reply_t, FreeReply> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (owner && xcb_get_property_value_length(owner.data()) == 4
            && *static_cast<const quint32 *>(xcb_get_property_value(owner.data())) == quint32(pid) && attributes
            && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            return window;
    }
    return XCB_WINDOW_NONE;
}

// None if the program ended first or showed nothing within 30 s.
inline xcb_window_t start(QProcess &program, xcb_connection_t *c, const QString &path, const QStringList &arguments)
{
    program.start(path, arguments);
    xcb_window_t window = XCB_WINDOW_NONE;
    QDeadlineTimer deadline(30000);
    while (program.waitForStarted() && program.state() == QProcess::Running
        && (window = find(c, program.processId())) == XCB_WINDOW_NONE && !deadline.hasExpired())
        QTest::qWait(50);
    return window;
}

inline void close(xcb_connection_t *c, xcb_window_t window)
{
    xcb_client_message_event_t event = { XCB_CLIENT_MESSAGE, 32, 0, window, atom(c, "WM_PROTOCOLS"), {} };
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}

inline QImage grab(xcb_window_t window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(QImage::Format_RGB32);
}

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
inline Connection connect()
{
    return Connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
}

} // namespace XWindow
