#pragma once

#include <QStringList>

namespace common {
struct Page;
}

namespace common::testing {

// The text elements of page that the renderer cuts, each as "<name>: <why>":
// drawn other than whole (an ellipsis, a lost word), with ink outside the box
// the element may draw in, or drawn differently from how it is planned. The
// page is rendered at pixelWidth; each text alone, once as the renderer draws
// it and once without any clipping, so that a cut edge cannot hide.
[[nodiscard]] QStringList cutTexts(const Page& page, int pixelWidth);

} // namespace common::testing
