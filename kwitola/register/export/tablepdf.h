#pragma once

#include "common/core/result.h"

#include <QString>
#include <vector>

namespace common {
struct Page;
} // namespace common

namespace kwitola::registry {

// Writes the pages to a PDF file exactly as common::writePdf draws them,
// but works out how each distinct text is drawn (its size, breaks and cut,
// and the glyphs of its lines) only once: the cells of a long table repeat
// the same few amounts and dates on every row, and planning and laying out
// a text is what drawing one costs most.
[[nodiscard]] common::Result<void> writeTablePdf(const std::vector<common::Page>& pages,
                                                 const QString& path);

} // namespace kwitola::registry
