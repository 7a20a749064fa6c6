#pragma once

#include <QStringList>

class QQmlEngine;
class QQmlApplicationEngine;
class QUrl;

namespace Startup {

// The arguments Qt left after consuming its own options, program path excluded.
QStringList argumentList(int argc, char **argv);

// Everything the documents rely on before the first binding runs: the backend
// type, the "qrc:/" import path, `$app` (owned by the engine) and `$params`.
// The executable and the QML test runner both go through here.
void prepareEngine(QQmlEngine *engine, const QStringList &params);

// Loads the root document; false, after printing the engine's errors, when it
// produced no root object, so the caller can end the process instead of
// idling without a window.
bool loadRoot(QQmlApplicationEngine *engine, const QUrl &url);

} // namespace Startup
