#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

namespace common {

// Top-left corners of the copies of a bw x bh picture that cover a w x h
// control from its top-left corner; none for an empty picture.
std::vector<QPoint> tileOrigins(QSize control, QSize picture);

// Colour of row y of a vertical gradient from c1 at the top to c2 at the
// bottom of a control of the given height.
QColor smoothRowColor(int y, int height, QColor c1, QColor c2);

// One copy of part of a picture: source rectangle in the picture, and the
// point of the control it goes to.
struct TilePiece
{
    QRect source;
    QPoint target;
    bool operator==(const TilePiece&) const = default;
};

// The pieces of a tiled picture that cover exactly the given area, tiles
// aligned to the control's top-left corner.
std::vector<TilePiece> tilePieces(const QRect& area, QSize picture);

QColor lightShade(QColor color); // +40 on every channel, at most 255
QColor darkShade(QColor color);  // -64 on every channel, at least 0

enum class BevelKind { None, Lowered, Raised };

struct BevelBand
{
    QRect rect;
    bool light = false;
    bool operator==(const BevelBand&) const = default;
};

// The four edge bands of a bevel of the given width on rect: raised has the
// light shade at the top and left, lowered at the bottom and right. Top and
// bottom bands come last, so they win at the corners.
std::vector<BevelBand> bevelBands(const QRect& rect, int width, BevelKind kind);

// A colour in the stored blue-green-red value order (0x800000 is navy).
// Values with the top byte set name a system colour by its index, resolved
// through the application palette.
QColor colorFromStored(std::uint32_t value);

} // namespace common
