#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tables.h"

#include <QString>
#include <QStringList>

namespace kwitola::tablefiles {

// Checks, reading only, that the file at path is the given table of this
// program made with the password. The error text names the file.
[[nodiscard]] Result<void> check(const TableLayout& layout, const QString& path,
                                 const QString& password);

// Creates the empty table at path, carrying the password's check. A file that
// fails half-way is removed again.
[[nodiscard]] Result<void> create(const TableLayout& layout, const QString& path,
                                  const QString& password);

// The SQL text of the table's list entry, as its index stores it.
QString entryExpression(const TableLayout& layout);

// The statements that make the table's lookup indexes in the given schema
// when they are missing; safe to run on every open.
QStringList lookupIndexes(const TableLayout& layout, const QString& schema);

} // namespace kwitola::tablefiles
