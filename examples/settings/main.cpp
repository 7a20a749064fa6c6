#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    QQmlApplicationEngine engine;
    // From the ZelkDesign package: the installed module's path, or, for a
    // program that zelkdesign_deploy() gave a copy, that copy's path relative
    // to the program's own folder.
    engine.addImportPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZELKDESIGN_QML_IMPORT_DIR)));
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return app.exec();
}
