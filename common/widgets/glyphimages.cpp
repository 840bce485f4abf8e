#include "common/widgets/glyphimages.h"

namespace common {

int glyphGrayLevel(QColor color)
{
    return (11 * color.red() + 59 * color.green() + 30 * color.blue()) / 100;
}

QImage grayGlyph(const QImage& cell)
{
    QImage out = cell.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = glyphGrayLevel(QColor::fromRgb(line[x]));
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return out;
}

QImage glyphMask(const QImage& cell)
{
    QImage out = cell.convertToFormat(QImage::Format_RGB32);
    if (out.isNull()) {
        return out;
    }
    const QRgb key = out.pixel(0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x] | 0xff000000U;
            line[x] = (p == white || p == (key | 0xff000000U)) ? key : qRgb(0, 0, 0);
        }
    }
    return out;
}

QImage disabledGlyph(const QImage& cell, QColor face, QColor highlight, QColor shadow)
{
    const QImage mask = glyphMask(cell);
    QImage out(mask.size(), QImage::Format_RGB32);
    out.fill(face);
    if (mask.isNull()) {
        return out;
    }
    const QRgb black = qRgb(0, 0, 0);
    const QRgb key = mask.pixel(0, 0);
    const bool keyIsBlack = key == black;
    const auto isInk = [&](int x, int y) {
        return !keyIsBlack && (mask.pixel(x, y) | 0xff000000U) == black;
    };
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (isInk(x, y) && x + 1 < out.width() && y + 1 < out.height()) {
                out.setPixelColor(x + 1, y + 1, highlight);
            }
        }
    }
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (isInk(x, y)) {
                out.setPixelColor(x, y, shadow);
            }
        }
    }
    return out;
}

QImage transparentGlyph(const QImage& cell)
{
    QImage out = cell.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull()) {
        return out;
    }
    const QRgb key = out.pixel(0, 0) | 0xff000000U;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xff000000U) == key) {
                line[x] = 0;
            }
        }
    }
    return out;
}

} // namespace common
