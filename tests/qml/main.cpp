// Qt Quick Test runner that starts every engine as the application does, and
// fails a test on any QML warning it did not announce.

#include "startup.h"
#include "testsupport.h"

#include <QQuickStyle>
#include <QtQml>
#include <QtQuickTest>
#include <QtTest/private/qtestlog_p.h>
#include <QtTest/private/qtestresult_p.h>

namespace {

QStringList strayWarnings;

// Re-issued through Qt Test's handler, which consumes a warning announced
// with ignoreWarning(): the shrinking count of pending ignores tells so.
void reportEngineWarnings(const QList<QQmlError> &errors)
{
    for (const QQmlError &error : errors) {
        const QString text = error.toString();
        const int pendingIgnores = QTestLog::unhandledIgnoreMessages();
        QMessageLogger(qPrintable(error.url().toString()), error.line(), nullptr).warning().noquote() << text;
        if (QTestLog::unhandledIgnoreMessages() < pendingIgnores)
            continue;
        strayWarnings.append(text);
        if (QTestResult::currentTestFunction())
            QTestResult::addFailure(qPrintable(QStringLiteral("unexpected QML warning: ") + text), __FILE__, __LINE__);
    }
}

} // namespace

class Setup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->setOutputWarningsToStandardError(false);
        connect(engine, &QQmlEngine::warnings, engine, &reportEngineWarnings);
        Startup::prepareEngine(engine, {});
        // A host application's own style, chosen after the start-up pinned the plain one.
        const QString hostStyle = qEnvironmentVariable("ORVANE_HOST_STYLE");
        if (!hostStyle.isEmpty())
            QQuickStyle::setStyle(hostStyle);
        // The installed-copy pass: `import ZelkDesign` loads the installed files.
        const QString installed = qEnvironmentVariable("ORVANE_QML_IMPORT_FIRST");
        if (!installed.isEmpty()) {
            if (!QFileInfo::exists(installed + QStringLiteral("/ZelkDesign/qmldir")))
                qFatal("ORVANE_QML_IMPORT_FIRST: no ZelkDesign module in %s", qPrintable(installed));
            engine->addImportPath(installed);
        }
        qmlRegisterSingletonType<TestSupport>(
            "OrvaneTest", 1, 0, "TestSupport", [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestSupport; });
    }
};

int main(int argc, char **argv)
{
    Setup setup;
    const int status = quick_test_main_with_setup(argc, argv, "qmltests", QUICK_TEST_SOURCE_DIR, &setup);
    if (status == 0 && !strayWarnings.isEmpty()) {
        fprintf(stderr, "FAIL: %d QML warning(s) outside any test function:\n", int(strayWarnings.size()));
        for (const QString &w : qAsConst(strayWarnings))
            fprintf(stderr, "  %s\n", qPrintable(w));
        return 1;
    }
    return status;
}

#include "main.moc"
