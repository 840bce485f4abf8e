#pragma once

#include "common/core/result.h"

namespace kwitola {
class SalesDocument;
struct StoredDocument;
} // namespace kwitola

namespace kwitola::registry {

// The document as Kwitola would total it again from its stored lines: each
// line added at its own price, rate and quantity, with the program's own
// rounding. Fails, naming the line, when a stored value does not read.
[[nodiscard]] common::Result<SalesDocument> documentFromLines(const StoredDocument& stored);

} // namespace kwitola::registry
