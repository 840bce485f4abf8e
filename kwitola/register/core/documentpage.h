#pragma once

#include "common/core/pagemodel.h"
#include "common/core/result.h"

#include <QDate>
#include <QString>

namespace kwitola {
struct Issuer;
struct StoredDocument;
} // namespace kwitola

namespace kwitola::registry {

// Element names the register adds to a document's page.
namespace documentpage {
inline constexpr auto kReconstruction = "reconstruction";
inline constexpr auto kDuplicateDate = "duplicateDate";
} // namespace documentpage

// "Odtworzone z zapisu w tabelach": the heading of a page rebuilt from the
// tables, since it is not the page that was printed.
[[nodiscard]] QString reconstructionHeading();

// The page of a document posted before the archive was kept, rebuilt from
// its record: the lines totalled again as Kwitola totals them, the given
// issuer as seller (nullptr: none), and the reconstruction heading. Fails
// when a stored line does not read.
[[nodiscard]] common::Result<common::Page> reconstructedPage(const StoredDocument& document,
                                                             const Issuer* seller);

// The duplicate of a printed page: the copy mark reads "DUPLIKAT" and the
// line "Data wystawienia duplikatu: DD-MM-YYYY" stands below the page's
// dates, beside the mark; everything else is the page as it was.
[[nodiscard]] common::Page duplicatePage(const common::Page& printed, const QDate& today);

} // namespace kwitola::registry
