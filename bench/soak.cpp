// Opens and closes each popup of the application many times and prints the
// resident memory before and after, one Markdown table row per popup. Starts
// the engine exactly as the executable does. The overlays are driven through
// `$app`, the message box and the feedback form through their own buttons.
//
// Usage: soak [--cycles N] [--frame-every K] [--warm-up W]
//   N cycles per popup (default 5000); a frame is drawn, and waited for, with
//   the popup open every K cycles (default 10) and once more after closing.
//   The other cycles run the event loop without drawing, which is where
//   a popup's own objects are created and deleted. W cycles of each popup,
//   every one drawn, come right before its first reading (default 200).

#include "startup.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QVariantMap>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Resident set size in KiB, after handing freed heap pages back to the
// system, so that the figure follows live memory rather than the allocator's
// high-water mark.
long residentKiB()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// One swapped frame, so the popup and its blurred backdrop really get drawn.
bool drawFrame(QQuickWindow *window)
{
    bool swapped = false;
    const auto connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window, [&] { swapped = true; }, Qt::DirectConnection);
    window->update();
    const bool ok = waitFor([&] { return swapped; });
    QObject::disconnect(connection);
    return ok;
}

// The software renderer's buffers come and go from frame to frame by a few
// MiB; the median of several readings, each after a drawn frame, steadies it.
long settledKiB(QQuickWindow *window)
{
    std::vector<long> readings;
    for (int i = 0; i < 7; ++i) {
        drawFrame(window);
        readings.push_back(residentKiB());
    }
    std::sort(readings.begin(), readings.end());
    return readings[readings.size() / 2];
}

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The backend's setter reports every progress write, the selection page
    // every "Next"; thousands of either would bury the table.
    if (message.startsWith(QLatin1String("Floating point comparison"))
        || message.startsWith(QLatin1String("selected:")))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool click(QObject *button)
{
    return button && QMetaObject::invokeMethod(button, "clicked");
}

struct Popup {
    const char *label;
    QObject *popup;
    std::function<void()> open;
    std::function<void()> close;
};

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    int cycles = 5000;
    int frameEvery = 10;
    int warmUp = 200;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--cycles"))
            cycles = qMax(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--frame-every"))
            frameEvery = qMax(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--warm-up"))
            warmUp = qMax(1, args.at(i + 1).toInt());
    }

    auto *engine = new QQmlApplicationEngine;
    Startup::prepareEngine(engine, {});
    if (!Startup::loadRoot(engine, QUrl(QStringLiteral("qrc:/main.qml"))))
        return 1;
    auto *window
        = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst()->property("$viewer").value<QObject *>());
    QObject *backend = engine->rootContext()->contextProperty(QStringLiteral("$app")).value<QObject *>();
    if (!window || !backend) {
        fprintf(stderr, "no window or no backend\n");
        return 1;
    }

    QQmlComponent feedbackComponent(engine, QUrl(QStringLiteral("qrc:/ui/UserFeedbackDialog.qml")));
    QObject *feedback = feedbackComponent.create();
    if (!feedback) {
        fprintf(stderr, "%s\n", qPrintable(feedbackComponent.errorString()));
        return 1;
    }
    feedback->setParent(window);
    feedback->setProperty("parent", QVariant::fromValue(window->contentItem()));

    float value = 0;
    const Popup popups[] = {
        { "Busy overlay (`$app.busy`)", window->findChild<QObject *>(QStringLiteral("busyIndicatorView")),
            [&] {
                backend->setProperty(
                    "busy", QVariantMap { { "status", true }, { "reason", QStringLiteral("Connecting") } });
            },
            [&] {
                backend->setProperty("busy", QVariantMap { { "status", false }, { "reason", QString() } });
            } },
        { "Progress overlay (`$app.progressInfo`, `progressValue`)",
            window->findChild<QObject *>(QStringLiteral("progressView")),
            [&] {
                backend->setProperty("progressInfo",
                    QVariantMap {
                        { "visible", true }, { "title", QStringLiteral("Scanning") }, { "from", 0 }, { "to", 100 } });
                value = value >= 100 ? 0 : value + 1;
                backend->setProperty("progressValue", value);
            },
            [&] {
                backend->setProperty("progressInfo",
                    QVariantMap { { "visible", false }, { "title", QString() }, { "from", 0 }, { "to", 100 } });
            } },
        { "Message box (\"Next\" with nothing ticked, then \"OK\")",
            window->findChild<QObject *>(QStringLiteral("warningDialog")),
            [&] { click(window->findChild<QObject *>(QStringLiteral("selectNextButton"))); },
            [&] { click(window->findChild<QObject *>(QStringLiteral("warningOkButton"))); } },
        { "Feedback dialog (`open()`, then \"Submit\")", feedback, [&] { QMetaObject::invokeMethod(feedback, "open"); },
            [&] { click(feedback->findChild<QObject *>(QStringLiteral("applylBtn"))); } },
    };

    if (!waitFor([&] { return window->isExposed(); }) || !drawFrame(window)) {
        fprintf(stderr, "the window was never drawn\n");
        return 1;
    }
    for (const Popup &p : popups) {
        if (!p.popup) {
            fprintf(stderr, "popup not found: %s\n", p.label);
            return 1;
        }
    }
    const long start = settledKiB(window);

    // Objects under the window: a popup that left anything behind per cycle
    // shows here exactly, where the resident size only shows it in bulk.
    // Qt's popup makes a context for its modal backdrop on every opening and
    // keeps it, as a child, until the popup itself goes; those are counted
    // apart, as Qt's and not this program's.
    auto objects = [&] {
        int own = 0;
        int contexts = 0;
        const QList<QObject *> all = window->findChildren<QObject *>();
        for (QObject *o : all) {
            if (qobject_cast<QQmlContext *>(o) && o->parent() && o->parent()->inherits("QQuickPopup"))
                ++contexts;
            else
                ++own;
        }
        return qMakePair(own, contexts);
    };
    printf("| Popup | Cycles | Resident before (MiB) | Resident after (MiB) | Growth (MiB) | Objects before | Objects "
           "after | Backdrop contexts kept by Qt | Seconds |\n");
    printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    bool failed = false;
    for (const Popup &p : popups) {
        // The popup a few hundred times first, right before its own reading,
        // so its first-use caches (shaders, glyphs, compiled components, the
        // driver's texture pools for its size) are in place.
        for (int i = 0; i < warmUp; ++i) {
            p.open();
            drawFrame(window);
            p.close();
            drawFrame(window);
        }
        const long before = settledKiB(window);
        const QPair<int, int> objectsBefore = objects();
        QElapsedTimer timer;
        timer.start();
        for (int i = 1; i <= cycles; ++i) {
            p.open();
            if (!p.popup->property("opened").toBool()
                && !waitFor([&] { return p.popup->property("opened").toBool(); })) {
                fprintf(stderr, "%s did not open in cycle %d\n", p.label, i);
                return 1;
            }
            const bool frame = i % frameEvery == 0;
            if (frame)
                drawFrame(window);
            p.close();
            if (!waitFor([&] { return !p.popup->property("visible").toBool(); })) {
                fprintf(stderr, "%s did not close in cycle %d\n", p.label, i);
                return 1;
            }
            if (frame)
                drawFrame(window);
            else
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (i % 500 == 0)
                fprintf(stderr, "  %s: %d cycles, %.1f MiB\n", p.label, i, residentKiB() / 1024.0);
        }
        const long after = settledKiB(window);
        const double growth = (after - before) / 1024.0;
        failed = failed || growth >= 5;
        const QPair<int, int> objectsAfter = objects();
        failed = failed || objectsAfter.first > objectsBefore.first;
        printf("| %s | %d | %.1f | %.1f | %+.2f | %d | %d | %+d | %.0f |\n", p.label, cycles, before / 1024.0,
            after / 1024.0, growth, objectsBefore.first, objectsAfter.first, objectsAfter.second - objectsBefore.second,
            timer.elapsed() / 1000.0);
        fflush(stdout);
    }
    const long end = settledKiB(window);
    // For information: from before any popup was first used, so it includes
    // what first use builds once (compiled components, caches, textures).
    printf("| Whole run, first use of each popup included | %d | %.1f | %.1f | %+.2f | | | | |\n",
        4 * (cycles + warmUp), start / 1024.0, end / 1024.0, (end - start) / 1024.0);

    delete feedback;
    window->close();
    Startup::shutdown(engine);
    return failed ? 2 : 0;
}
