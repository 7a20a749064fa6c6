#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QQuickWindow;

// Shows each page of the gallery window in turn, lets it render for a few
// frames, saves the window as DIR/<page>.png and reports the outcome through
// `finished` (0 when every page was written).
class Snapshot : public QObject {
    Q_OBJECT

public:
    explicit Snapshot(QQuickWindow *window, const QString &directory, QObject *parent = nullptr);

    void start();

signals:
    void finished(int status);

private:
    void showPage(int index);
    bool pageBuilt() const;
    void frameSwapped();
    void fail(const QString &reason);

    QQuickWindow *m_window = nullptr;
    QDir m_directory;
    QStringList m_pages;
    int m_page = -1;
    int m_frames = 0;
    bool m_done = false;
    QTimer m_timeout;
    QElapsedTimer m_shown;
};
