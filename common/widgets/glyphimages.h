#pragma once

#include <QColor>
#include <QImage>

namespace common {

// Grey level of a colour with the button's weights: (11 R + 59 G + 30 B) div 100.
int glyphGrayLevel(QColor color);

// Cell 1 in grey: every pixel becomes its grey level, alpha kept.
QImage grayGlyph(const QImage& cell);

// Two-colour mask of a cell: pixels that are white or equal to the top-left
// pixel become that colour (the transparent colour), all others black.
QImage glyphMask(const QImage& cell);

// The disabled look of a cell: its mask embossed on the face colour, black
// pixels drawn in highlight shifted by (1, 1), then in shadow in place.
QImage disabledGlyph(const QImage& cell, QColor face, QColor highlight, QColor shadow);

// The cell made transparent where it has the top-left pixel's colour.
QImage transparentGlyph(const QImage& cell);

} // namespace common
