// What each library component costs next to the Qt Quick type it is built on:
// instances created per second, and the CPU time of one frame of a window
// holding fifty of them, redrawn continuously (as it is while anything else in
// the window animates). Prints one Markdown table row per component.
//
// Creation is timed in CPU time of the creating thread. The components are
// those the module publishes, in its own order.
//
// Usage: component-bench [--seconds S] [--only NAME[,NAME...]]
//   S: seconds of creating and of redrawing per type (default 1; fractions allowed)

#include "benchutil.h"
#include "startup.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using namespace Bench;

namespace {

// The names of the library's documents, published and private alike.
QStringList libraryDocuments()
{
    QStringList names;
    for (QDirIterator it(
             QStringLiteral(":/ZelkDesign"), { QStringLiteral("*.qml") }, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        names << QFileInfo(it.next()).baseName();
    return names;
}

// The Qt Quick (Controls 2) type a component is built on: the first type in
// its meta-object chain that is not one of the library's documents. A type
// declared in QML names its class "Name_QMLTYPE_n" (or "Name_QML_n" where a
// declaration adds properties); a C++ one is "QQuickName".
QString baseType(const QObject *object, const QStringList &libraryNames)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        QString name = QString::fromLatin1(meta->className());
        name = name.left(name.indexOf(QLatin1String("_QML")));
        if (libraryNames.contains(name))
            continue;
        return name.startsWith(QLatin1String("QQuick")) ? name.mid(6) : name;
    }
    return {};
}

qint64 threadCpuNs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct Figures {
    double createdPerS = 0;
    double cpuMsPerFrame = 0;
    double firstFrameMs = 0;
};

class Bencher {
public:
    Bencher(QQmlEngine *engine, double seconds)
        : m_engine(engine)
        , m_seconds(seconds)
    {
        QQmlComponent windowComponent(engine);
        windowComponent.setData("import QtQuick 2.9\nimport QtQuick.Window 2.2\n"
                                "Window { width: 800; height: 800; visible: true; color: \"#222222\"\n"
                                "  Flow { objectName: \"host\"; anchors.fill: parent } }",
            QUrl(QStringLiteral("qrc:/bench/window.qml")));
        m_window.reset(qobject_cast<QQuickWindow *>(windowComponent.create()));
        if (!m_window) {
            fprintf(stderr, "%s\n", qPrintable(windowComponent.errorString()));
            return;
        }
        m_host = Startup::findItem(m_window->contentItem(), QStringLiteral("host"));
        m_meter = std::make_unique<FrameMeter>(m_window.get());
        runEventLoop(500);
    }

    bool ready() const { return m_host; }

    Figures measure(const QString &type)
    {
        QQmlComponent component(m_engine);
        if (!load(&component, type))
            return {};
        Figures figures;
        figures.createdPerS = creationRate(&component);
        pageFrames(&component, &figures);
        return figures;
    }

    QString baseOf(const QString &type, const QStringList &libraryNames)
    {
        QQmlComponent component(m_engine);
        if (!load(&component, type))
            return {};
        const std::unique_ptr<QObject> object(create(&component));
        return object ? baseType(object.get(), libraryNames) : QString();
    }

private:
    bool load(QQmlComponent *component, const QString &type)
    {
        component->setData(QByteArray("import QtQuick 2.9\nimport QtQuick.Controls 2.2\nimport ZelkDesign 1.0\n")
                + type.toUtf8() + " {}\n",
            QUrl(QStringLiteral("qrc:/bench/%1.qml").arg(type)));
        if (component->isReady())
            return true;
        fprintf(stderr, "%s\n", qPrintable(component->errorString()));
        return false;
    }

    QObject *create(QQmlComponent *component)
    {
        QObject *object = component->beginCreate(m_engine->rootContext());
        if (auto *item = qobject_cast<QQuickItem *>(object))
            item->setParentItem(m_host);
        else if (object && object->inherits("QQuickPopup"))
            object->setProperty("parent", QVariant::fromValue(m_host));
        component->completeCreate();
        return object;
    }

    void destroyAll(std::vector<QObject *> *objects, bool settle = true)
    {
        for (QObject *object : *objects) {
            if (object->inherits("QQuickPopup"))
                QMetaObject::invokeMethod(object, "close");
        }
        if (settle)
            runEventLoop(50);
        qDeleteAll(*objects);
        objects->clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (settle)
            runEventLoop(100);
    }

    // Creation only: nothing is laid out or drawn while the clock runs. The
    // clock is this thread's CPU time, which other programs on the machine do
    // not move. In batches of fifty, removed between batches off the clock, so
    // the count alive stays that of a page.
    double creationRate(QQmlComponent *component)
    {
        std::vector<QObject *> objects;
        for (int i = 0; i < 3; ++i)
            objects.push_back(create(component));
        destroyAll(&objects);
        const qint64 budgetNs = qint64(m_seconds * 1e9);
        qint64 spentNs = 0;
        long created = 0;
        while (spentNs < budgetNs || created < 20) {
            const qint64 start = threadCpuNs();
            for (int i = 0; i < 50; ++i)
                objects.push_back(create(component));
            spentNs += threadCpuNs() - start;
            created += 50;
            destroyAll(&objects, false);
        }
        return created / (spentNs / 1e9);
    }

    void pageFrames(QQmlComponent *component, Figures *figures)
    {
        std::vector<QObject *> objects;
        m_meter->reset();
        QElapsedTimer build;
        build.start();
        for (int i = 0; i < 50; ++i) {
            QObject *object = create(component);
            objects.push_back(object);
            // A closed popup draws nothing; the page shows them open.
            if (object->inherits("QQuickPopup"))
                QMetaObject::invokeMethod(object, "open");
        }
        m_window->update();
        while (m_meter->frames() == 0 && build.elapsed() < 30000)
            runEventLoop(1);
        figures->firstFrameMs = build.nsecsElapsed() / 1e6;
        // Effects render their sources into textures over the first frames.
        runEventLoop(500);

        const auto connection = QObject::connect(
            m_window.get(), &QQuickWindow::frameSwapped, m_window.get(), &QQuickWindow::update, Qt::QueuedConnection);
        m_window->update();
        runEventLoop(100);
        m_meter->reset();
        const double cpuStart = processCpuMs();
        QElapsedTimer redraw;
        redraw.start();
        // At least a few frames, however slow they are.
        while ((redraw.elapsed() < m_seconds * 1000 || m_meter->frames() < 3) && redraw.elapsed() < 20000)
            runEventLoop(10);
        const double cpuMs = processCpuMs() - cpuStart;
        QObject::disconnect(connection);
        const int frames = m_meter->frames();
        figures->cpuMsPerFrame = frames ? cpuMs / frames : 0;
        destroyAll(&objects);
    }

    QQmlEngine *m_engine;
    double m_seconds;
    std::unique_ptr<QQuickWindow> m_window;
    QQuickItem *m_host = nullptr;
    std::unique_ptr<FrameMeter> m_meter;
};

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    double seconds = 1;
    QStringList only;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--seconds"))
            seconds = std::max(0.1, args.at(i + 1).toDouble());
        else if (args.at(i) == QLatin1String("--only"))
            only = args.at(i + 1).split(QLatin1Char(','));
    }

    QQmlEngine engine;
    Startup::prepareEngine(&engine, {});
    Bencher bencher(&engine, seconds);
    if (!bencher.ready())
        return 1;

    printf("| Component | Base | Created/s | Base created/s | Creation cost ratio | Page of 50: CPU ms/frame | Base "
           "page | Frame cost ratio | Page built and drawn, ms |\n");
    printf("|---|---|---:|---:|---:|---:|---:|---:|---:|\n");
    const QStringList types = Startup::publishedTypes();
    if (types.isEmpty()) {
        fprintf(stderr, "component-bench: no types in :/ZelkDesign/qmldir\n");
        return 1;
    }
    const QStringList libraryNames = libraryDocuments();
    for (const QString &type : types) {
        if (!only.isEmpty() && !only.contains(type))
            continue;
        const QString base = bencher.baseOf(type, libraryNames);
        // Interleaved, so a change in the machine's load falls on both alike.
        const Figures baseFigures = bencher.measure(base);
        const Figures zelk = bencher.measure(type);
        const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
        printf("| %s | %s | %.0f | %.0f | %.2f | %.2f | %.2f | %.2f | %.0f |\n", qPrintable(type), qPrintable(base),
            zelk.createdPerS, baseFigures.createdPerS, ratio(baseFigures.createdPerS, zelk.createdPerS),
            zelk.cpuMsPerFrame, baseFigures.cpuMsPerFrame, ratio(zelk.cpuMsPerFrame, baseFigures.cpuMsPerFrame),
            zelk.firstFrameMs);
        fflush(stdout);
    }
    return 0;
}
