#pragma once

#include <QStringList>

class QQmlEngine;

namespace Gallery {

// The types the library publishes, in its module definition's order: the
// lines "Name 1.0 Name.qml" of the bundle's qmldir.
QStringList publishedTypes();

// The application's engine set-up, plus what the gallery's documents read:
// `publishedTypes`, the list above.
void prepareEngine(QQmlEngine *engine, const QStringList &params);

} // namespace Gallery
