#include "kwitola/register/export/pdffonts.h"

#include "kwitola/register/export/pdffile.h"

#include <QFont>

namespace kwitola::registry {

namespace {

// What tells one face from another among the glyph runs' fonts.
QString faceKey(const QRawFont& font)
{
    return font.familyName() + u'\n' + font.styleName() + u'\n' + QString::number(font.weight()) +
           u'\n' + QString::number(static_cast<int>(font.style()));
}

// A name fit for a PDF name object: letters, digits and hyphens of the
// family and style, behind a subset tag made from the font's number.
QByteArray embeddedName(const QRawFont& font, int number)
{
    QByteArray name(6, 'A');
    for (int i = 5, n = number; i >= 0 && n > 0; --i, n /= 26) {
        name[i] = static_cast<char>('A' + n % 26);
    }
    name.append('+');
    const QString face = font.familyName() + u'-' + font.styleName();
    for (const QChar c : face) {
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
            c == u'-') {
            name.append(static_cast<char>(c.unicode()));
        }
    }
    return name;
}

// Whether the face draws the weight and slant asked for with its own
// outlines; otherwise the system would embolden or slant them itself.
bool ownOutlines(const QRawFont& raw, const TrueTypeFont& program)
{
    const bool wantsBold = raw.weight() >= QFont::DemiBold;
    const bool wantsItalic = raw.style() != QFont::StyleNormal;
    return wantsBold == program.isBold() && wantsItalic == program.isItalic();
}

// The widths of the used glyphs, runs of neighbours together:
// "[3 [556 556] 17 [278]]".
QByteArray widthArray(const std::vector<int>& widths, const std::vector<bool>& used)
{
    QByteArray out("[");
    std::size_t g = 0;
    while (g < used.size()) {
        if (!used[g]) {
            ++g;
            continue;
        }
        appendInteger(out, static_cast<long long>(g));
        out.append(" [");
        for (bool first = true; g < used.size() && used[g]; ++g, first = false) {
            if (!first) {
                out.append(' ');
            }
            appendInteger(out, widths[g]);
        }
        out.append("] ");
    }
    out.append(']');
    return out;
}

// The characters each used glyph stands for, from the face's own character
// map; the lowest character wins where several share a glyph.
QByteArray toUnicode(const QRawFont& raw, const std::vector<bool>& used)
{
    std::vector<char16_t> character(used.size(), 0);
    QList<QChar> all;
    for (char16_t c = 0x20; c < 0xFFFE; ++c) {
        if (!QChar::isSurrogate(c)) {
            all.append(QChar(c));
        }
    }
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString(all.constData(), all.size()));
    for (qsizetype i = 0; i < glyphs.size() && i < all.size(); ++i) {
        const quint32 g = glyphs.at(i);
        if (g != 0 && g < used.size() && used[g] && character[g] == 0) {
            character[g] = all.at(i).unicode();
        }
    }
    QByteArray pairs;
    int count = 0;
    QByteArray out("/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                   "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                   "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                   "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n");
    const auto flush = [&] {
        if (count > 0) {
            appendInteger(out, count);
            out.append(" beginbfchar\n");
            out.append(pairs);
            out.append("endbfchar\n");
        }
        pairs.clear();
        count = 0;
    };
    for (std::size_t g = 0; g < character.size(); ++g) {
        if (character[g] == 0) {
            continue;
        }
        pairs.append('<');
        appendHex16(pairs, static_cast<unsigned>(g));
        pairs.append("> <");
        appendHex16(pairs, character[g]);
        pairs.append(">\n");
        if (++count == 100) {
            flush();
        }
    }
    flush();
    out.append("endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n");
    return out;
}

} // namespace

std::optional<int> PdfFonts::numberOf(const QRawFont& font)
{
    const QString key = faceKey(font);
    if (const auto found = m_byFace.constFind(key); found != m_byFace.cend()) {
        return *found;
    }
    auto program = TrueTypeFont::read([&font](const char* tag) { return font.fontTable(tag); });
    if (!program || !ownOutlines(font, *program)) {
        m_byFace.insert(key, std::nullopt);
        return std::nullopt;
    }
    const int number = static_cast<int>(m_fonts.size());
    Font added{font, std::move(program).value(), embeddedName(font, number), {}, {}};
    const int count = added.program.glyphCount();
    added.widths.resize(static_cast<std::size_t>(count));
    for (int g = 0; g < count; ++g) {
        added.widths[static_cast<std::size_t>(g)] = qRound(
            added.program.advance(static_cast<quint16>(g)) * 1000.0 / added.program.unitsPerEm());
    }
    added.used.assign(static_cast<std::size_t>(count), false);
    added.used[0] = true;
    m_fonts.push_back(std::move(added));
    m_byFace.insert(key, number);
    return number;
}

int PdfFonts::use(int font, quint32 glyph)
{
    Font& f = m_fonts.at(static_cast<std::size_t>(font));
    if (glyph >= f.used.size()) {
        return 0;
    }
    f.used[glyph] = true;
    return f.widths[glyph];
}

QByteArray PdfFonts::resourceName(int font)
{
    QByteArray name("/F");
    appendInteger(name, font);
    return name;
}

common::Result<QByteArray> PdfFonts::write(PdfFile& file) const
{
    QByteArray resources("<< ");
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const int type0 = file.reserve();
        if (auto written = writeFont(m_fonts[i], type0, file); !written) {
            return written.forward();
        }
        resources.append(resourceName(static_cast<int>(i)));
        resources.append(' ');
        appendInteger(resources, type0);
        resources.append(" 0 R ");
    }
    resources.append(">>");
    return resources;
}

common::Result<void> PdfFonts::writeFont(const Font& font, int type0, PdfFile& file) const
{
    std::vector<quint16> glyphs;
    for (std::size_t g = 0; g < font.used.size(); ++g) {
        if (font.used[g]) {
            glyphs.push_back(static_cast<quint16>(g));
        }
    }
    auto subset = font.program.subset(glyphs);
    if (!subset) {
        return subset.forward();
    }
    const TrueTypeFont& p = font.program;
    const auto scaled = [&p](int units) {
        return static_cast<long long>(qRound(units * 1000.0 / p.unitsPerEm()));
    };
    const int program = file.reserve();
    const int descriptor = file.reserve();
    const int cidFont = file.reserve();
    const int cmap = file.reserve();
    QByteArray length1("/Length1 ");
    appendInteger(length1, subset->size());
    length1.append(' ');
    file.writeStream(program, *subset, length1);

    QByteArray d("<< /Type /FontDescriptor /FontName /");
    d.append(font.name);
    d.append(" /Flags ");
    appendInteger(d, p.isItalic() ? 96 : 32);
    const QRect box = p.boundingBox();
    d.append(" /FontBBox [");
    for (const int v : {box.left(), box.top(), box.right(), box.bottom()}) {
        appendInteger(d, scaled(v));
        d.append(' ');
    }
    d.append("] /ItalicAngle ");
    appendInteger(d, p.italicAngle());
    d.append(" /Ascent ");
    appendInteger(d, scaled(p.ascent()));
    d.append(" /Descent ");
    appendInteger(d, scaled(p.descent()));
    d.append(" /CapHeight ");
    appendInteger(d, scaled(p.capHeight()));
    d.append(" /StemV 80 /FontFile2 ");
    appendInteger(d, program);
    d.append(" 0 R >>");
    file.writeObject(descriptor, d);

    QByteArray c("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /");
    c.append(font.name);
    c.append(" /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
             " /FontDescriptor ");
    appendInteger(c, descriptor);
    c.append(" 0 R /CIDToGIDMap /Identity /W ");
    c.append(widthArray(font.widths, font.used));
    c.append(" >>");
    file.writeObject(cidFont, c);

    file.writeStream(cmap, toUnicode(font.raw, font.used));

    QByteArray t("<< /Type /Font /Subtype /Type0 /BaseFont /");
    t.append(font.name);
    t.append(" /Encoding /Identity-H /DescendantFonts [");
    appendInteger(t, cidFont);
    t.append(" 0 R] /ToUnicode ");
    appendInteger(t, cmap);
    t.append(" 0 R >>");
    file.writeObject(type0, t);
    return {};
}

} // namespace kwitola::registry
