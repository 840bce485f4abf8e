#pragma once

#include "kwitola/core/invoiceprintout.h"

#include <QString>

namespace kwitola::testing {

// A page dated 05.03.2001 from a Gdańsk wholesaler to a Gdynia shop, paid by
// transfer in 14 days; no lines and no totals yet.
[[nodiscard]] InvoicePrintInput gdanskInvoice(const QString& title);

// A line of three pieces at 10,00 net with 22% VAT: 30,00 + 6,60 = 36,60.
[[nodiscard]] PrintLine threePiecesLine(const QString& name);

} // namespace kwitola::testing
