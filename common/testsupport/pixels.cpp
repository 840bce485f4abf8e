#include "common/testsupport/pixels.h"

#include <QImage>
#include <QRect>

namespace common::testing {

int darkPixels(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace common::testing
