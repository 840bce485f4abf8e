#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tables.h"

#include <QString>

namespace kwitola::tablefiles {

// Checks, reading only, that the file at path is the given table of this
// program made with the password. The error text names the file.
StoreError check(const TableLayout& layout, const QString& path, const QString& password);

// Creates the empty table at path, carrying the password's check. A file that
// fails half-way is removed again.
StoreError create(const TableLayout& layout, const QString& path, const QString& password);

// The SQL text of the table's list entry, as its index stores it.
QString entryExpression(const TableLayout& layout);

} // namespace kwitola::tablefiles
