#pragma once

#include "common/core/result.h"

#include <QByteArray>

namespace common {

struct Page;

// The version pageToJson writes. A reader takes every version up to its own
// and refuses a later one, which a newer program wrote.
inline constexpr int kPageJsonVersion = 1;

// A printed page kept as data: a small JSON object with the format's name
// and version, the page's size and paper, and its elements in drawing order
// (kind, position, size, font, alignment, text, colours; a picture as
// base64). Reading it back gives an equal page.
[[nodiscard]] QByteArray pageToJson(const Page& page);

// The page of pageToJson's text. A text that is not such a page, or one of
// a later version, fails with a Polish reason; nothing is guessed.
[[nodiscard]] Result<Page> pageFromJson(const QByteArray& json);

} // namespace common
