#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kwitola::registry {

struct MonthLedger;

// One CSV record: fields separated by semicolons, a field quoted (with its
// quotes doubled) when it holds a semicolon, a quote, a line break or
// blanks at its ends.
[[nodiscard]] QString csvRecord(const QStringList& fields);

// The month's register for Polish spreadsheets: UTF-8 with a byte-order
// mark, a header row, one row per document, the totals row last, decimal
// commas, records ended by CR LF.
[[nodiscard]] QByteArray ledgerCsv(const MonthLedger& ledger);

// Writes ledgerCsv to the file, atomically: a failed write leaves an earlier
// file whole.
[[nodiscard]] common::Result<void> writeLedgerCsv(const MonthLedger& ledger, const QString& path);

} // namespace kwitola::registry
