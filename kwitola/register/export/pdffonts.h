#pragma once

#include "common/core/result.h"
#include "kwitola/register/export/truetype.h"

#include <QByteArray>
#include <QHash>
#include <QRawFont>
#include <optional>
#include <vector>

namespace kwitola::registry {

class PdfFile;

// The fonts a PDF's texts are drawn in, each embedded once as a subset of
// the glyphs drawn in it, with glyph numbers kept as the codes of its
// texts and a map back to the characters for copying and searching.
class PdfFonts final
{
public:
    // The font's number in the document, counted from 0; nullopt when its
    // outlines cannot be embedded (not TrueType outlines, or a face the
    // system would embolden or slant itself).
    [[nodiscard]] std::optional<int> numberOf(const QRawFont& font);
    // Marks a glyph as drawn and answers its advance in thousandths of
    // the font's size, as the embedded font declares it.
    int use(int font, quint32 glyph);
    // The name a content stream selects the font by, "/F0".
    [[nodiscard]] static QByteArray resourceName(int font);

    // Writes every font; the answer is the font resource dictionary.
    [[nodiscard]] common::Result<QByteArray> write(PdfFile& file) const;

private:
    struct Font
    {
        QRawFont raw;
        TrueTypeFont program;
        QByteArray name;         // the face's name in the file, subset tag included
        std::vector<int> widths; // by glyph, thousandths of an em
        std::vector<bool> used;
    };

    [[nodiscard]] common::Result<void> writeFont(const Font& font, int type0, PdfFile& file) const;

    std::vector<Font> m_fonts;
    QHash<QString, std::optional<int>> m_byFace;
};

} // namespace kwitola::registry
