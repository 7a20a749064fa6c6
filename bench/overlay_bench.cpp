// Frames drawn and CPU time used by the application window while its busy and
// progress overlays are closed and open. Starts the engine exactly as the
// executable does, drives the overlays through `$app` and prints one Markdown
// table row per state, then how the states with the backdrop compare with
// those without it.
//
// Usage: overlay-bench [--seconds N]   (N seconds measured per state, default 3)

#include "benchutil.h"
#include "startup.h"

#include <QGuiApplication>
#include <QMap>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>
#include <functional>

using namespace Bench;

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    int seconds = 3;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--seconds"));
    if (at > 0 && at + 1 < args.size())
        seconds = qMax(1, args.at(at + 1).toInt());

    QQmlApplicationEngine engine;
    Startup::prepareEngine(&engine, {});
    if (!Startup::loadRoot(&engine, QUrl(QStringLiteral("qrc:/main.qml"))))
        return 1;
    auto *window
        = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst()->property("$viewer").value<QObject *>());
    QObject *backend = engine.rootContext()->contextProperty(QStringLiteral("$app")).value<QObject *>();
    if (!window || !backend) {
        fprintf(stderr, "no window or no backend\n");
        return 1;
    }
    FrameMeter meter(window);
    QObject *overlay = window->property("overlay").value<QObject *>();
    const QVariant backdrop = overlay->property("modal");

    auto setBusy = [&](bool open) {
        backend->setProperty("busy", QVariantMap { { "status", open }, { "reason", QStringLiteral("Connecting") } });
    };
    auto setProgress = [&](bool open) {
        backend->setProperty("progressInfo",
            QVariantMap { { "visible", open }, { "title", QStringLiteral("Scanning") }, { "from", 0 }, { "to", 100 } });
    };
    auto backdropBlur = [&] { return Startup::findItem(window->contentItem(), QStringLiteral("backdropBlur")); };
    // The backdrop may take several frames to settle (one blur iteration per
    // frame), which take far longer on a loaded machine: wait for it rather
    // than for a fixed time.
    auto waitForBackdrop = [&] {
        QElapsedTimer waited;
        waited.start();
        for (QQuickItem *blur = backdropBlur(); blur && blur->property("progress").toReal() < 1;
             blur = backdropBlur()) {
            if (waited.elapsed() > 60000) {
                fprintf(stderr, "the backdrop did not settle\n");
                break;
            }
            runEventLoop(20);
        }
    };
    // An opening ends when the window stops drawing: the backdrop has settled
    // and no frame has followed for a while.
    auto waitForQuiet = [&] {
        waitForBackdrop();
        for (int frames = -1; frames != meter.frames();) {
            frames = meter.frames();
            runEventLoop(300);
        }
    };
    auto setBackdrop = [&](bool on) {
        overlay->setProperty("modal", on ? backdrop : QVariant::fromValue<QQmlComponent *>(nullptr));
    };

    // As a user gets there: two models ticked, then "Next".
    auto showStepPage = [&] {
        QObject *selection = window->findChild<QObject *>(QStringLiteral("selectDeviceView"));
        for (const char *name : { "deviceCheckBox0", "deviceCheckBox2" }) {
            if (QQuickItem *box = Startup::findItem(window->contentItem(), QLatin1String(name)))
                box->setProperty("checked", true);
        }
        if (!selection || !QMetaObject::invokeMethod(selection, "goNext"))
            fprintf(stderr, "could not move on to page 1\n");
    };

    float value = 0;
    const std::function<void()> nothing;
    // How a state is measured: for `seconds` once the backdrop has settled,
    // or from the set-up until the window draws no more (an opening's cost).
    enum Span { Settled, Opening };

    struct State {
        const char *label;
        Span span;
        std::function<void()> setUp;
        std::function<void()> during; // run ten times a second while measuring
    };
    const State states[] = {
        { "Both overlays closed (idle)", Settled, [] {}, nothing },
        { "Progress overlay opening, until the window is idle again", Opening,
            [&] {
                backend->setProperty("progressValue", 42.0f);
                setProgress(true);
            },
            nothing },
        { "Progress overlay open, value unchanged", Settled, [] {}, nothing },
        { "Progress overlay open, value written 10 times/s", Settled, [] {},
            [&] {
                value = value >= 100 ? 0 : value + 1;
                backend->setProperty("progressValue", value);
            } },
        { "Both overlays closed after the progress overlay", Settled, [&] { setProgress(false); }, nothing },
        // The same opening over an empty modal cover instead of the blurred backdrop.
        { "Progress overlay opening, no backdrop", Opening,
            [&] {
                setBackdrop(false);
                setProgress(true);
            },
            nothing },
        { "Both overlays closed after the progress overlay without backdrop", Settled,
            [&] {
                setProgress(false);
                setBackdrop(true);
            },
            nothing },
        { "Busy overlay open", Settled, [&] { setBusy(true); }, nothing },
        // The same overlay and animation over an empty modal cover.
        { "Busy overlay open, no backdrop", Settled,
            [&] {
                setBusy(false);
                runEventLoop(200);
                setBackdrop(false);
                setBusy(true);
            },
            nothing },
        { "Both overlays closed after the busy overlay", Settled,
            [&] {
                setBusy(false);
                setBackdrop(true);
            },
            nothing },
        { "Page 1 (device steps) current, both overlays closed", Settled, [&] { showStepPage(); }, nothing },
    };

    runEventLoop(2000);
    printf("| State | Frames | Frames/s | CPU ms/s | CPU ms/frame | Render ms/frame | Opening: CPU ms in all |\n");
    printf("|---|---:|---:|---:|---:|---:|---:|\n");
    QMap<QString, double> cpuPerFrame, cpuInAll;
    for (const State &state : states) {
        if (state.span == Settled) {
            state.setUp();
            runEventLoop(200);
            waitForBackdrop();
            runEventLoop(300);
        }
        meter.reset();
        const double cpuStart = processCpuMs();
        QElapsedTimer wall;
        wall.start();
        QTimer ticker;
        if (state.during) {
            QObject::connect(&ticker, &QTimer::timeout, state.during);
            ticker.start(100);
        }
        if (state.span == Opening) {
            state.setUp();
            waitForQuiet();
        } else {
            runEventLoop(seconds * 1000);
        }
        ticker.stop();
        const double wallS = wall.elapsed() / 1e3;
        const double cpuMs = processCpuMs() - cpuStart;
        const int frames = meter.frames();
        const auto perFrame
            = [frames](double total) { return frames ? QString::number(total / frames, 'f', 2) : QStringLiteral("-"); };
        printf("| %s | %d | %.1f | %.1f | %s | %s | %s |\n", state.label, frames, frames / wallS, cpuMs / wallS,
            qPrintable(perFrame(cpuMs)), qPrintable(perFrame(meter.frameMs())),
            state.span == Opening ? qPrintable(QString::number(cpuMs, 'f', 0)) : "");
        fflush(stdout);
        cpuPerFrame[QLatin1String(state.label)] = frames ? cpuMs / frames : 0;
        cpuInAll[QLatin1String(state.label)] = cpuMs;
    }
    const auto ratio = [](double a, double b) { return b > 0 ? QString::number(a / b, 'f', 2) : QStringLiteral("-"); };
    printf("\nRender loop: %s; %d s measured per settled state. With the backdrop over without it: "
           "an opening of the progress overlay %sx the CPU in all, the busy overlay %sx the CPU per frame.\n",
        meter.threaded() ? "threaded" : "basic (GUI thread)", seconds,
        qPrintable(ratio(cpuInAll.value("Progress overlay opening, until the window is idle again"),
            cpuInAll.value("Progress overlay opening, no backdrop"))),
        qPrintable(ratio(cpuPerFrame.value("Busy overlay open"), cpuPerFrame.value("Busy overlay open, no backdrop"))));
    return 0;
}
