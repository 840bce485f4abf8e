#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QRect>
#include <QtGlobal>
#include <functional>
#include <vector>

namespace kwitola::registry {

// A TrueType font read from its tables, for embedding in a PDF file whose
// text is written as glyph ids: its metrics, and a smaller font program that
// keeps the ids of the glyphs it holds.
class TrueTypeFont final
{
public:
    // Hands out a table by its 4-character tag; an empty array when the font
    // has no such table (e.g. through QRawFont::fontTable).
    using TableSource = std::function<QByteArray(const char* tag)>;

    // Fails, with a text for the user, when the font has no TrueType outlines
    // or one of the tables it needs is missing or malformed.
    [[nodiscard]] static common::Result<TrueTypeFont> read(const TableSource& tables);

    [[nodiscard]] int unitsPerEm() const { return m_unitsPerEm; }
    [[nodiscard]] int glyphCount() const { return m_glyphCount; }
    // The box of all glyphs, in font units with y up: left() and top() are
    // the smallest x and y, right() and bottom() the largest.
    [[nodiscard]] QRect boundingBox() const { return m_boundingBox; }
    // Above and below the baseline, in font units; descent is negative.
    [[nodiscard]] int ascent() const { return m_ascent; }
    [[nodiscard]] int descent() const { return m_descent; }
    [[nodiscard]] int capHeight() const { return m_capHeight; }
    // In whole degrees, negative for letters leaning right.
    [[nodiscard]] int italicAngle() const { return m_italicAngle; }
    [[nodiscard]] bool isBold() const { return m_bold; }
    [[nodiscard]] bool isItalic() const { return m_italic; }
    // The glyph's advance width in font units; 0 for a glyph the font lacks.
    [[nodiscard]] int advance(quint16 glyph) const;

    // A font program with the same glyph ids that keeps only the outlines of
    // the given glyphs, the glyphs they are composed of, and glyph 0; every
    // other glyph is left empty. Ids the font lacks are ignored.
    [[nodiscard]] common::Result<QByteArray> subset(const std::vector<quint16>& glyphs) const;

private:
    TrueTypeFont() = default;
    // The metrics and style from head, hhea, maxp and hmtx, and from OS/2 and
    // post when the font has them (empty otherwise).
    [[nodiscard]] common::Result<void> readMetrics(const QByteArray& os2, const QByteArray& post);

    QByteArray m_head;
    QByteArray m_hhea;
    QByteArray m_maxp;
    QByteArray m_hmtx;
    QByteArray m_glyf;
    QByteArray m_cvt;
    QByteArray m_fpgm;
    QByteArray m_prep;
    std::vector<quint32> m_loca; // glyphCount + 1 offsets into m_glyf
    int m_unitsPerEm = 0;
    int m_glyphCount = 0;
    int m_hMetricCount = 0;
    QRect m_boundingBox;
    int m_ascent = 0;
    int m_descent = 0;
    int m_capHeight = 0;
    int m_italicAngle = 0;
    bool m_bold = false;
    bool m_italic = false;
};

} // namespace kwitola::registry
