#pragma once

#include "kwitola/core/result.h"

namespace kwitola {

class TableStore;

// Fills an open, empty store with a few issuers, about twenty recipients and
// about thirty goods at every VAT rate, so that a first start shows filled lists.
[[nodiscard]] Result<void> seedDemoData(TableStore& store);

} // namespace kwitola
