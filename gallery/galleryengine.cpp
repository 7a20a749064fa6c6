#include "galleryengine.h"

#include "startup.h"

#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>

namespace Gallery {

void prepareEngine(QQmlEngine *engine, const QStringList &params)
{
    Startup::prepareEngine(engine, params);
    engine->rootContext()->setContextProperty(QStringLiteral("publishedTypes"), Startup::publishedTypes());
}

} // namespace Gallery
