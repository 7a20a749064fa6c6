// Starts the way the application does and prints `$params`, as the documents
// see it, as one JSON array on standard output.
#include "startup.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlEngine engine;
    Startup::prepareEngine(&engine, Startup::argumentList(argc, argv));
    QQmlExpression expression(engine.rootContext(), nullptr, QStringLiteral("$params"));
    const QByteArray json = QJsonDocument(QJsonArray::fromStringList(expression.evaluate().toStringList()))
                                .toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return expression.hasError() ? 1 : 0;
}
