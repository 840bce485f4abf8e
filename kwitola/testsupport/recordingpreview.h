#pragma once

#include "kwitola/ui/printpreview.h"

#include <vector>

namespace kwitola::testing {

// Keeps every page it is asked to preview and shows none. Header only, so
// that the libraries without windows need not link it.
class RecordingPreview final : public ui::PreviewService
{
public:
    void preview(const common::Page& page, QWidget* /*parent*/) override { pages.push_back(page); }
    std::vector<common::Page> pages;
};

} // namespace kwitola::testing
