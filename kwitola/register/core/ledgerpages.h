#pragma once

#include "common/core/pagemodel.h"

#include <QString>
#include <vector>

namespace kwitola::registry {

struct MonthLedger;

// Element names of the ledger's pages, so that callers and tests find them:
// "cell.<row on the page>.<column>", "carriedIn.<column>", "carriedOut.<column>",
// "total.<column>" (columns counted from 0).
namespace ledgerpage {
inline constexpr auto kTitle = "title";
inline constexpr auto kSeller = "seller";
inline constexpr auto kPageNumber = "pageNumber";
inline constexpr auto kNoRows = "noRows";
} // namespace ledgerpage

// What the pages' heading names besides the month.
struct LedgerHeading
{
    QString seller; // empty: no seller line
};

// How many rows a page of the ledger holds: the first page has no carried
// row at its top.
[[nodiscard]] int ledgerRowsOnPage(int pageIndex);

// The month's sales register as a table on A4 landscape pages: heading and
// column captions on every page, "Z przeniesienia" at the top of every page
// after the first, "Do przeniesienia" at the bottom of every page but the
// last, and "Razem" under the last row.
[[nodiscard]] std::vector<common::Page> ledgerPages(const MonthLedger& ledger,
                                                    const LedgerHeading& heading);

} // namespace kwitola::registry
