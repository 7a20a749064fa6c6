#pragma once

// Pieces the in-process benchmarks share: CPU time, waiting in the event loop,
// counting frames, finding items by name, and a quieter message handler.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickWindow>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>

namespace Bench {

inline double processCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

inline void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts frames and the time from the start of each frame's synchronisation to
// its swap, on whichever thread renders.
class FrameMeter {
public:
    explicit FrameMeter(QQuickWindow *window)
    {
        QObject::connect(
            window, &QQuickWindow::beforeSynchronizing, window,
            [this] {
                m_frameStart.start();
                m_renderThread = QThread::currentThread();
            },
            Qt::DirectConnection);
        QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [this] {
                if (m_frameStart.isValid())
                    m_frameNs += m_frameStart.nsecsElapsed();
                ++m_frames;
            },
            Qt::DirectConnection);
    }

    void reset()
    {
        m_frames = 0;
        m_frameNs = 0;
    }
    int frames() const { return m_frames; }
    double frameMs() const { return m_frameNs / 1e6; }
    bool threaded() const { return m_renderThread && m_renderThread != QThread::currentThread(); }

private:
    QElapsedTimer m_frameStart;
    std::atomic<int> m_frames { 0 };
    std::atomic<qint64> m_frameNs { 0 };
    std::atomic<QThread *> m_renderThread { nullptr };
};

inline void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The backend's setter reports every progress write; ten a second would bury the table.
    if (message.startsWith(QLatin1String("Floating point comparison")))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace Bench
