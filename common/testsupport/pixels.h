#pragma once

class QImage;
class QRect;

namespace common::testing {

// The pixels of area (clipped to the image) darker than middle grey: ink
// on a light page.
int darkPixels(const QImage& image, const QRect& area);

} // namespace common::testing
