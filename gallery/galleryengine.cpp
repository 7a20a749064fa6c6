#include "galleryengine.h"

#include "startup.h"

#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>

namespace Gallery {

QStringList publishedTypes()
{
    QFile qmldir(QStringLiteral(":/ZelkDesign/qmldir"));
    if (!qmldir.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression typeLine(QStringLiteral("^(\\w+) 1\\.0 \\1\\.qml$"));
    QStringList types;
    const QStringList lines = QString::fromUtf8(qmldir.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = typeLine.match(line.trimmed());
        if (match.hasMatch())
            types << match.captured(1);
    }
    return types;
}

void prepareEngine(QQmlEngine *engine, const QStringList &params)
{
    Startup::prepareEngine(engine, params);
    engine->rootContext()->setContextProperty(QStringLiteral("publishedTypes"), publishedTypes());
}

} // namespace Gallery
