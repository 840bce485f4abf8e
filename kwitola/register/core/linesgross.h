#pragma once

#include "kwitola/core/money.h"

#include <optional>

namespace kwitola {
struct StoredDocument;
} // namespace kwitola

namespace kwitola::registry {

// The gross total of a document's stored lines, worked out step by step in
// exact decimals as Kwitola totals a document line after line: each line's
// net rounded to the grosz, each rate group's VAT on the group's net, every
// intermediate value within the amounts a document holds. Nothing when a
// line would be refused or a step leaves that range. It builds no document,
// so a list of many documents is totalled quickly.
[[nodiscard]] std::optional<Decimal> grossOfLines(const StoredDocument& document);

} // namespace kwitola::registry
