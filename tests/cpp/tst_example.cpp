// The example application as its users start it, installed with its copy of
// the library: it must show its window, draw a first frame, print no warning
// and quit with status 0 when closed.

#include "xwindow.h"

class TestExample : public QObject {
    Q_OBJECT

private slots:
    void firstFrameWithoutWarnings();
};

void TestExample::firstFrameWithoutWarnings()
{
    const XWindow::Connection c = XWindow::connect();
    QVERIFY(!xcb_connection_has_error(c.get()));
    // A session of its own: without one Qt says so on stderr, and any line
    // there counts as a warning.
    QTemporaryDir runtimeDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    QProcess example;
    example.setProcessEnvironment(environment);
    example.setProcessChannelMode(QProcess::MergedChannels);
    auto stop = qScopeGuard([&example] {
        example.kill();
        example.waitForFinished();
    });
    const xcb_window_t window = XWindow::start(example, c.get(), EXAMPLE, {});
    QVERIFY2(window != XCB_WINDOW_NONE, example.readAll().constData());
    // Before its first frame the window shows one plain colour.
    QTRY_VERIFY_WITH_TIMEOUT(
        [window] {
            const QImage shot = XWindow::grab(window);
            QImage plain(shot.size(), shot.format());
            plain.fill(shot.isNull() ? 0 : shot.pixel(0, 0));
            return shot != plain;
        }(),
        30000);
    XWindow::close(c.get(), window);
    QVERIFY(example.waitForFinished(30000));
    stop.dismiss();
    QVERIFY2(example.atEnd(), example.readAll().constData());
    QCOMPARE(example.exitStatus(), QProcess::NormalExit);
    QCOMPARE(example.exitCode(), 0);
}

QTEST_MAIN(TestExample)
#include "tst_example.moc"
