#include "snapshot.h"

#include <QImage>
#include <QQuickWindow>

namespace {

// Cached effects render on the first frame after a page shows, canvases on the
// one after their paint; blurs converge over a few more. Under a loaded software
// renderer frames can come faster than the canvases' paints, so a page also
// gets a minimum time.
constexpr int framesPerPage = 12;
constexpr int minimumPageMs = 500;
constexpr int pageTimeoutMs = 15000;

} // namespace

Snapshot::Snapshot(QQuickWindow *window, const QString &directory, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_directory(directory)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(pageTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this,
        [this] { fail(QStringLiteral("page %1 did not render in time").arg(m_page)); });
}

void Snapshot::start()
{
    m_pages = m_window->property("pageNames").toStringList();
    if (m_pages.isEmpty())
        return fail(QStringLiteral("the window names no pages"));
    if (!m_directory.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create %1").arg(m_directory.path()));
    // Frames may be swapped on the render thread; counting happens here.
    connect(m_window, &QQuickWindow::frameSwapped, this, &Snapshot::frameSwapped, Qt::QueuedConnection);
    showPage(0);
}

void Snapshot::showPage(int index)
{
    m_page = index;
    m_frames = 0;
    m_shown.start();
    m_window->setProperty("currentPage", index);
    m_timeout.start();
    m_window->update();
}

// The page on screen at start is built after the window's first frame, so
// its loader is still empty when the first frames come.
bool Snapshot::pageBuilt() const
{
    const QList<QObject *> objects = m_window->findChildren<QObject *>();
    for (const QObject *object : objects) {
        if (object->inherits("QQuickLoader") && object->property("shown").toBool())
            return object->property("item").value<QObject *>() != nullptr;
    }
    return false;
}

void Snapshot::frameSwapped()
{
    if (m_done || m_page < 0)
        return;
    if (!pageBuilt()) {
        m_frames = 0;
        m_window->update();
        return;
    }
    if (++m_frames < framesPerPage || m_shown.elapsed() < minimumPageMs) {
        m_window->update();
        return;
    }
    m_timeout.stop();

    const QString path = m_directory.filePath(m_pages.at(m_page) + QStringLiteral(".png"));
    const QImage image = m_window->grabWindow();
    if (image.isNull())
        return fail(QStringLiteral("could not grab page %1").arg(m_pages.at(m_page)));
    // Quality 0 asks for the strongest compression: the images go into the repository.
    if (!image.save(path, "PNG", 0))
        return fail(QStringLiteral("could not write %1").arg(path));
    qInfo("zelk-gallery: wrote %s", qPrintable(path));

    if (m_page + 1 < m_pages.size())
        return showPage(m_page + 1);
    m_done = true;
    emit finished(0);
}

void Snapshot::fail(const QString &reason)
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    qCritical("zelk-gallery: snapshot failed: %s", qPrintable(reason));
    emit finished(1);
}
