#pragma once

#include "common/core/result.h"

#include <QString>
#include <vector>

namespace common {
struct Page;
} // namespace common

namespace kwitola::registry {

// Writes pages of texts, boxes and lines straight into a PDF file, each
// cell's text as one string of the glyphs that common::writePdf would
// place one by one, at the same places. Answers false, leaving the file to
// be written again, when a page holds what this writer does not draw
// itself: a picture, a text the painter would wrap or decorate, or a font
// whose outlines it cannot embed.
[[nodiscard]] common::Result<bool> writePagesDirectly(const std::vector<common::Page>& pages,
                                                      const QString& path);

} // namespace kwitola::registry
