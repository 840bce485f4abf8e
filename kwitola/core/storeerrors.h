#pragma once

#include <QString>

class QSqlError;

namespace kwitola {

// The database engine's error as a Polish sentence for the user, e.g.
// "brak miejsca na dysku"; an error without a known code is named as a
// database error with its code, followed by the engine's own text.
QString describeStoreError(const QSqlError& error);

// The same for an engine result code and the engine's own text, as the
// engine's interface reports them.
QString describeStoreError(int code, const QString& engineText);

} // namespace kwitola
