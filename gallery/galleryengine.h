#pragma once

#include <QStringList>

class QQmlEngine;

namespace Gallery {

// The application's engine set-up, plus what the gallery's documents read:
// `publishedTypes`, the list of Startup::publishedTypes().
void prepareEngine(QQmlEngine *engine, const QStringList &params);

} // namespace Gallery
