#include "kwitola/register/export/truetype.h"

#include <QPoint>
#include <QString>
#include <algorithm>
#include <cstring>

namespace kwitola::registry {

namespace {

// Every value in a font's tables is big-endian; the readers expect the
// caller to have checked that the bytes are there.
quint16 u16(const QByteArray& data, qsizetype at)
{
    return quint16((quint8(data[at]) << 8) | quint8(data[at + 1]));
}

qint16 s16(const QByteArray& data, qsizetype at)
{
    return qint16(u16(data, at));
}

quint32 u32(const QByteArray& data, qsizetype at)
{
    return (quint32(u16(data, at)) << 16) | u16(data, at + 2);
}

void put16(QByteArray& data, qsizetype at, quint16 value)
{
    data[at] = char(value >> 8);
    data[at + 1] = char(value & 0xFF);
}

void put32(QByteArray& data, qsizetype at, quint32 value)
{
    put16(data, at, quint16(value >> 16));
    put16(data, at + 2, quint16(value & 0xFFFF));
}

void append16(QByteArray& data, quint16 value)
{
    data.append(char(value >> 8));
    data.append(char(value & 0xFF));
}

void append32(QByteArray& data, quint32 value)
{
    append16(data, quint16(value >> 16));
    append16(data, quint16(value & 0xFFFF));
}

void padTo4(QByteArray& data)
{
    while (data.size() % 4 != 0)
        data.append('\0');
}

// The sum of the data read as big-endian 32-bit words, the last one padded
// with zeros.
quint32 checksum(const QByteArray& data)
{
    quint32 sum = 0;
    const qsizetype whole = data.size() / 4 * 4;
    for (qsizetype at = 0; at < whole; at += 4)
        sum += u32(data, at);
    quint32 last = 0;
    for (qsizetype at = whole; at < data.size(); ++at)
        last |= quint32(quint8(data[at])) << (8 * (3 - (at - whole)));
    return sum + last;
}

common::Failure failure(const QString& reason)
{
    return common::fail(QStringLiteral("Czcionki nie można osadzić w pliku PDF: %1.").arg(reason));
}

// Offsets into the head, hhea, maxp, OS/2 and post tables.
constexpr qsizetype kHeadAdjustment = 8;
constexpr qsizetype kHeadUnitsPerEm = 18;
constexpr qsizetype kHeadBox = 36; // xMin yMin xMax yMax
constexpr qsizetype kHeadMacStyle = 44;
constexpr qsizetype kHeadLocFormat = 50;
constexpr qsizetype kHheaAscent = 4;
constexpr qsizetype kHheaDescent = 6;
constexpr qsizetype kHheaMetricCount = 34;
constexpr qsizetype kMaxpGlyphCount = 4;
constexpr qsizetype kOs2Selection = 62;
constexpr qsizetype kOs2CapHeight = 88;
constexpr qsizetype kPostItalicAngle = 4;

constexpr quint32 kChecksumMagic = 0xB1B0AFBA;
constexpr qsizetype kGlyphHeader = 10; // numberOfContours and the box

// The glyph offsets of a loca table in either format, checked to run in
// order and to stay inside glyf.
common::Result<std::vector<quint32>> readLoca(const QByteArray& loca, bool longOffsets,
                                              int glyphCount, qsizetype glyfSize)
{
    const qsizetype entry = longOffsets ? 4 : 2;
    if (loca.size() < (glyphCount + 1) * entry)
        return failure(QStringLiteral("tabela loca jest za krótka"));
    std::vector<quint32> offsets(std::size_t(glyphCount) + 1);
    quint32 previous = 0;
    for (int g = 0; g <= glyphCount; ++g) {
        const quint32 offset =
            longOffsets ? u32(loca, g * entry) : quint32(u16(loca, g * entry)) * 2;
        if (offset < previous)
            return failure(QStringLiteral("tabela loca nie jest uporządkowana"));
        if (offset > quint64(glyfSize))
            return failure(QStringLiteral("tabela loca wskazuje poza tabelę glyf"));
        offsets[std::size_t(g)] = previous = offset;
    }
    return offsets;
}

// Marks the glyphs to keep: the asked ones and, through composite glyphs,
// every glyph they are built of.
class GlyphClosure final
{
public:
    GlyphClosure(const QByteArray& glyf, const std::vector<quint32>& loca)
        : m_glyf(glyf), m_loca(loca), m_state(loca.size() - 1, State::Unseen)
    {}

    [[nodiscard]] common::Result<void> keep(quint16 glyph, int depth = 0);
    [[nodiscard]] bool kept(std::size_t glyph) const { return m_state[glyph] == State::Kept; }

private:
    enum class State : quint8 { Unseen, Walking, Kept };
    // Deeper nesting than any real font uses; it also bounds the recursion.
    static constexpr int kMaxDepth = 32;

    [[nodiscard]] common::Result<void> keepComponents(quint16 glyph, qsizetype at, qsizetype end,
                                                      int depth);

    const QByteArray& m_glyf;
    const std::vector<quint32>& m_loca;
    std::vector<State> m_state;
};

common::Result<void> GlyphClosure::keep(quint16 glyph, int depth)
{
    if (m_state[glyph] == State::Kept)
        return {};
    if (m_state[glyph] == State::Walking || depth > kMaxDepth)
        return failure(QStringLiteral("znak złożony %1 składa się z samego siebie").arg(glyph));
    const qsizetype begin = m_loca[glyph];
    const qsizetype end = m_loca[glyph + 1];
    if (begin == end) { // a glyph without outline, such as the space
        m_state[glyph] = State::Kept;
        return {};
    }
    if (end - begin < kGlyphHeader)
        return failure(QStringLiteral("opis znaku %1 jest uszkodzony").arg(glyph));
    m_state[glyph] = State::Walking;
    if (s16(m_glyf, begin) < 0) {
        common::Result<void> components = keepComponents(glyph, begin + kGlyphHeader, end, depth);
        if (!components)
            return components;
    }
    m_state[glyph] = State::Kept;
    return {};
}

common::Result<void> GlyphClosure::keepComponents(quint16 glyph, qsizetype at, qsizetype end,
                                                  int depth)
{
    constexpr quint16 kArgsAreWords = 0x0001;
    constexpr quint16 kScale = 0x0008;
    constexpr quint16 kMoreComponents = 0x0020;
    constexpr quint16 kXAndYScale = 0x0040;
    constexpr quint16 kTwoByTwo = 0x0080;
    quint16 flags = kMoreComponents;
    while ((flags & kMoreComponents) != 0) {
        if (end - at < 4)
            return failure(QStringLiteral("opis znaku %1 jest uszkodzony").arg(glyph));
        flags = u16(m_glyf, at);
        const quint16 component = u16(m_glyf, at + 2);
        const int transform = (flags & kTwoByTwo) != 0     ? 8
                              : (flags & kXAndYScale) != 0 ? 4
                              : (flags & kScale) != 0      ? 2
                                                           : 0;
        at += 4 + ((flags & kArgsAreWords) != 0 ? 4 : 2) + transform;
        if (at > end)
            return failure(QStringLiteral("opis znaku %1 jest uszkodzony").arg(glyph));
        if (component >= m_state.size())
            return failure(QStringLiteral("znak złożony %1 odwołuje się do znaku %2, "
                                          "którego czcionka nie ma")
                               .arg(glyph)
                               .arg(component));
        common::Result<void> kept = keep(component, depth + 1);
        if (!kept)
            return kept;
    }
    return {};
}

struct Table
{
    const char* tag;
    QByteArray data;
};

// The font file of the tables: the directory sorted by tag, each table
// 4-byte aligned with its checksum, and head's checksum adjustment set for
// the whole file.
QByteArray assemble(std::vector<Table> tables)
{
    std::sort(tables.begin(), tables.end(),
              [](const Table& a, const Table& b) { return std::memcmp(a.tag, b.tag, 4) < 0; });
    const auto count = quint16(tables.size());
    quint16 power = 1;
    quint16 selector = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++selector;
    }
    QByteArray font;
    append32(font, 0x00010000);
    append16(font, count);
    append16(font, quint16(power * 16));
    append16(font, selector);
    append16(font, quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(count);
    for (const Table& table : tables) {
        font.append(table.tag, 4);
        append32(font, checksum(table.data));
        append32(font, offset);
        append32(font, quint32(table.data.size()));
        offset += quint32((table.data.size() + 3) / 4 * 4);
    }
    qsizetype head = -1;
    for (const Table& table : tables) {
        if (std::memcmp(table.tag, "head", 4) == 0)
            head = font.size();
        font.append(table.data);
        padTo4(font);
    }
    put32(font, head + kHeadAdjustment, kChecksumMagic - checksum(font));
    return font;
}

} // namespace

common::Result<TrueTypeFont> TrueTypeFont::read(const TableSource& tables)
{
    struct Slot
    {
        const char* tag;
        QByteArray TrueTypeFont::*table;
        qsizetype minLength; // 0 for a table the font may lack
    };
    static const Slot kSlots[] = {
        {"head", &TrueTypeFont::m_head, 54}, {"hhea", &TrueTypeFont::m_hhea, 36},
        {"maxp", &TrueTypeFont::m_maxp, 6},  {"hmtx", &TrueTypeFont::m_hmtx, 4},
        {"glyf", &TrueTypeFont::m_glyf, 1},  {"cvt ", &TrueTypeFont::m_cvt, 0},
        {"fpgm", &TrueTypeFont::m_fpgm, 0},  {"prep", &TrueTypeFont::m_prep, 0},
    };
    TrueTypeFont font;
    for (const Slot& slot : kSlots) {
        QByteArray& table = font.*slot.table;
        table = tables(slot.tag);
        const QString tag = QString::fromLatin1(slot.tag, 4);
        if (slot.minLength > 0 && table.isEmpty())
            return failure(tag == QLatin1String("glyf")
                               ? QStringLiteral("czcionka nie ma konturów TrueType (tabeli glyf)")
                               : QStringLiteral("czcionka nie ma tabeli %1").arg(tag));
        if (table.size() < slot.minLength)
            return failure(QStringLiteral("tabela %1 jest za krótka").arg(tag));
    }
    const common::Result<void> metrics = font.readMetrics(tables("OS/2"), tables("post"));
    if (!metrics)
        return metrics.forward();
    const qint16 locFormat = s16(font.m_head, kHeadLocFormat);
    if (locFormat != 0 && locFormat != 1)
        return failure(QStringLiteral("nieznany format tabeli loca (%1)").arg(locFormat));
    common::Result<std::vector<quint32>> loca =
        readLoca(tables("loca"), locFormat == 1, font.m_glyphCount, font.m_glyf.size());
    if (!loca)
        return loca.forward();
    font.m_loca = std::move(loca).value();
    return font;
}

common::Result<void> TrueTypeFont::readMetrics(const QByteArray& os2, const QByteArray& post)
{
    m_unitsPerEm = u16(m_head, kHeadUnitsPerEm);
    if (m_unitsPerEm < 16 || m_unitsPerEm > 16384)
        return failure(
            QStringLiteral("tabela head podaje niemożliwą liczbę jednostek na firet (%1)")
                .arg(m_unitsPerEm));
    m_glyphCount = u16(m_maxp, kMaxpGlyphCount);
    if (m_glyphCount == 0)
        return failure(QStringLiteral("czcionka nie ma żadnego znaku"));
    m_hMetricCount = std::min<int>(u16(m_hhea, kHheaMetricCount), m_glyphCount);
    if (m_hMetricCount == 0)
        return failure(QStringLiteral("tabela hhea nie podaje szerokości żadnego znaku"));
    if (m_hmtx.size() < 4 * qsizetype(m_hMetricCount))
        return failure(QStringLiteral("tabela hmtx jest za krótka"));
    m_boundingBox = QRect(QPoint(s16(m_head, kHeadBox), s16(m_head, kHeadBox + 2)),
                          QPoint(s16(m_head, kHeadBox + 4), s16(m_head, kHeadBox + 6)));
    m_ascent = s16(m_hhea, kHheaAscent);
    m_descent = s16(m_hhea, kHheaDescent);
    const quint16 macStyle = u16(m_head, kHeadMacStyle);
    const quint16 selection = os2.size() >= kOs2Selection + 2 ? u16(os2, kOs2Selection) : 0;
    m_bold = (macStyle & 0x0001) != 0 || (selection & 0x0020) != 0;
    m_italic = (macStyle & 0x0002) != 0 || (selection & 0x0001) != 0;
    // sCapHeight exists from OS/2 version 2 on; some fonts leave it 0.
    const int capHeight =
        os2.size() >= kOs2CapHeight + 2 && u16(os2, 0) >= 2 ? s16(os2, kOs2CapHeight) : 0;
    m_capHeight = capHeight > 0 ? capHeight : m_ascent;
    m_italicAngle = post.size() >= kPostItalicAngle + 4
                        ? qRound(qint32(u32(post, kPostItalicAngle)) / 65536.0)
                        : 0;
    return {};
}

int TrueTypeFont::advance(quint16 glyph) const
{
    if (glyph >= m_glyphCount)
        return 0;
    return u16(m_hmtx, 4 * qsizetype(std::min<int>(glyph, m_hMetricCount - 1)));
}

common::Result<QByteArray> TrueTypeFont::subset(const std::vector<quint16>& glyphs) const
{
    GlyphClosure closure(m_glyf, m_loca);
    const common::Result<void> notdef = closure.keep(0);
    if (!notdef)
        return notdef.forward();
    for (const quint16 glyph : glyphs) {
        if (glyph >= m_glyphCount)
            continue;
        const common::Result<void> kept = closure.keep(glyph);
        if (!kept)
            return kept.forward();
    }
    QByteArray glyf;
    QByteArray loca;
    loca.reserve(4 * (qsizetype(m_glyphCount) + 1));
    for (std::size_t g = 0; g < std::size_t(m_glyphCount); ++g) {
        append32(loca, quint32(glyf.size()));
        if (closure.kept(g)) {
            glyf.append(m_glyf.constData() + m_loca[g], qsizetype(m_loca[g + 1] - m_loca[g]));
            padTo4(glyf);
        }
    }
    append32(loca, quint32(glyf.size()));
    QByteArray head = m_head;
    put32(head, kHeadAdjustment, 0);
    put16(head, kHeadLocFormat, 1);
    std::vector<Table> tables = {{"head", head},   {"hhea", m_hhea}, {"maxp", m_maxp},
                                 {"hmtx", m_hmtx}, {"loca", loca},   {"glyf", glyf}};
    for (const Table& optional :
         {Table{"cvt ", m_cvt}, Table{"fpgm", m_fpgm}, Table{"prep", m_prep}}) {
        if (!optional.data.isEmpty())
            tables.push_back(optional);
    }
    return assemble(std::move(tables));
}

} // namespace kwitola::registry
