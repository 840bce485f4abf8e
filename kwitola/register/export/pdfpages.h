#pragma once

#include "common/core/result.h"

#include <QString>
#include <vector>

class QPageLayout;

namespace common {
struct Page;
} // namespace common

namespace kwitola::registry {

// Table pages are laid out as the common renderer's PDF writer lays out a
// page: A4 without margins, landscape for a page wider than high, scaled
// from design units to a device of this resolution.
inline constexpr int kTablePdfResolution = 300;
[[nodiscard]] QPageLayout tablePageLayout(const common::Page& page);

// Writes pages of texts, boxes and lines straight into a PDF file, each
// cell's text as one string of the glyphs that common::writePdf would
// place one by one, at the same places. Answers false, leaving the file to
// be written again, when a page holds what this writer does not draw
// itself: a picture, a text the painter would wrap or decorate, or a font
// whose outlines it cannot embed.
[[nodiscard]] common::Result<bool> writePagesDirectly(const std::vector<common::Page>& pages,
                                                      const QString& path);

} // namespace kwitola::registry
