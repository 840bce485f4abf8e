#pragma once

#include <optional>
#include <string>

namespace kwitola {
class SalesDocument;
}

namespace kwitola::testing {

// Checks a document against an exact calculation of its own, in whole
// hundredths, that shares no code with the document: each rate group's net
// is the sum of its lines' nets, its VAT and gross follow from that net, the
// document totals are the sums of the groups, the total to pay is the gross
// total, there are at most 15 lines, the line numbers are 1 to 20 and a
// selected line exists. Nothing when all hold; otherwise what broke.
[[nodiscard]] std::optional<std::string> brokenInvariant(const SalesDocument& document);

} // namespace kwitola::testing
