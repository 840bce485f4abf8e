#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tables.h"

#include <QString>

namespace kwitola::legacy {

class ParadoxFile;

// Writes every record of the Paradox table into a new table file of the
// program at path, in one transaction, and returns the number of records
// written. Record numbers are kept.
[[nodiscard]] Result<qint64> writeTable(ParadoxFile& source, Table table, const QString& path,
                                        const QString& password);

// The number of rows the table file at path holds, read afresh.
[[nodiscard]] Result<qint64> countRows(Table table, const QString& path);

} // namespace kwitola::legacy
