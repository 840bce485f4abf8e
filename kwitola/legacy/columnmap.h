#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tables.h"

#include <QStringList>
#include <vector>

namespace kwitola::legacy {

// For each column of the table in stored order, the position of the source
// field it takes its value from, or -1 for a column that stays empty.
// Columns the program names take the source field of the same name (case
// does not matter); the other columns take the remaining source fields in
// their order. A source field that would find no column is refused, so that
// nothing is dropped on the way.
[[nodiscard]] Result<std::vector<int>> mapColumns(Table table, const QStringList& sourceFields);

} // namespace kwitola::legacy
