#pragma once

#include "common/core/result.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registertables.h"

#include <QString>
#include <vector>

namespace kwitola::registry {

// The ledger rows of sprzedaz.db that may belong to the month, in stored
// order: every row whose issue date monthLedger reads as a day of it, and
// the few others whose stored year or month the engine cannot tell from the
// month's (a sign, a tab, letters), which monthLedger leaves out. A year's
// ledger is thus never read whole for one month. Read through a connection opened read-only;
// refuses and retries as readPostedTables does.
[[nodiscard]] common::Result<std::vector<LedgerRow>>
readLedgerRowsOfMonth(const QString& folder, Month month, const RetryPolicy& retry = {});

} // namespace kwitola::registry
