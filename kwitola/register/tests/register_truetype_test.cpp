#include "kwitola/register/export/truetype.h"

#include <QFont>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace kwitola::registry;

namespace {

const QString kSample = QStringLiteral("Zażółć gęślą jaźń 1 234,56");
constexpr qreal kPixelSize = 100;
constexpr const char* kTags[] = {"head", "hhea", "maxp", "hmtx", "loca", "glyf",
                                 "cvt ", "fpgm", "prep", "OS/2", "post"};

using Tables = std::map<std::string, QByteArray>;

quint16 u16(const QByteArray& data, qsizetype at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray& data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

void put16(QByteArray& data, qsizetype at, quint16 value)
{
    qToBigEndian<quint16>(value, data.data() + at);
}

QRawFont liberationSans(bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(bold);
    font.setPixelSize(int(kPixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(font);
}

Tables tablesOf(const QRawFont& font)
{
    Tables tables;
    for (const char* tag : kTags)
        tables[tag] = font.fontTable(tag);
    return tables;
}

TrueTypeFont::TableSource sourceOf(const Tables& tables)
{
    return [&tables](const char* tag) {
        const auto found = tables.find(tag);
        return found == tables.end() ? QByteArray() : found->second;
    };
}

std::vector<quint16> glyphsOf(const QRawFont& font, const QString& text)
{
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    return {indexes.begin(), indexes.end()};
}

// The glyph offsets as the font's own loca gives them.
std::vector<quint32> locaOf(const Tables& tables)
{
    const QByteArray& loca = tables.at("loca");
    const bool longOffsets = u16(tables.at("head"), 50) == 1;
    const qsizetype count = u16(tables.at("maxp"), 4) + 1;
    std::vector<quint32> offsets;
    offsets.reserve(std::size_t(count));
    for (qsizetype g = 0; g < count; ++g)
        offsets.push_back(longOffsets ? u32(loca, 4 * g) : 2u * u16(loca, 2 * g));
    return offsets;
}

// Moves where a glyph starts in either loca format.
void setLoca(Tables& tables, qsizetype glyph, quint32 offset)
{
    QByteArray& loca = tables["loca"];
    if (u16(tables.at("head"), 50) == 1)
        qToBigEndian<quint32>(offset, loca.data() + 4 * glyph);
    else
        put16(loca, 2 * glyph, quint16(offset / 2));
}

// Where each component's flags word of a composite glyph stands in glyf;
// empty for a simple glyph.
std::vector<qsizetype> componentsAt(const Tables& tables, quint16 glyph)
{
    const QByteArray& glyf = tables.at("glyf");
    const std::vector<quint32> loca = locaOf(tables);
    std::vector<qsizetype> found;
    if (loca[glyph] == loca[glyph + 1] || qint16(u16(glyf, loca[glyph])) >= 0)
        return found;
    qsizetype at = loca[glyph] + 10;
    quint16 flags = 0x0020;
    while ((flags & 0x0020) != 0) {
        found.push_back(at);
        flags = u16(glyf, at);
        at += 4 + ((flags & 0x0001) != 0 ? 4 : 2) +
              ((flags & 0x0080) != 0   ? 8
               : (flags & 0x0040) != 0 ? 4
               : (flags & 0x0008) != 0 ? 2
                                       : 0);
    }
    return found;
}

// A composite glyph of the sample text, or of the font when the text has
// none.
quint16 compositeGlyph(const QRawFont& font, const Tables& tables)
{
    for (const quint16 glyph : glyphsOf(font, kSample)) {
        if (!componentsAt(tables, glyph).empty())
            return glyph;
    }
    const auto count = quint16(u16(tables.at("maxp"), 4));
    for (quint16 glyph = 1; glyph < count; ++glyph) {
        if (!componentsAt(tables, glyph).empty())
            return glyph;
    }
    return 0;
}

class TrueTypeFace : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        m_font = liberationSans(GetParam());
        ASSERT_TRUE(m_font.isValid());
        ASSERT_EQ(m_font.familyName(), QStringLiteral("Liberation Sans"));
        m_tables = tablesOf(m_font);
    }

    QRawFont m_font;
    Tables m_tables;
};

TEST_P(TrueTypeFace, MetricsAgreeWithTheFontsOwn)
{
    const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(m_tables));
    ASSERT_TRUE(font) << font.error().toStdString();
    const qreal scale = kPixelSize / font->unitsPerEm();
    EXPECT_EQ(font->unitsPerEm(), m_font.unitsPerEm());
    EXPECT_GT(font->glyphCount(), 200);
    EXPECT_EQ(font->isBold(), GetParam());
    EXPECT_FALSE(font->isItalic());
    EXPECT_EQ(font->italicAngle(), 0);
    EXPECT_NEAR(font->ascent() * scale, m_font.ascent(), kPixelSize * 0.05);
    EXPECT_NEAR(font->descent() * scale, -m_font.descent(), kPixelSize * 0.05);
    EXPECT_GT(font->capHeight(), font->unitsPerEm() / 2);
    EXPECT_LT(font->capHeight(), font->ascent());
    const QRect box = font->boundingBox();
    EXPECT_LT(box.top(), 0);
    EXPECT_LT(box.left(), 0);
    EXPECT_GE(box.bottom(), font->capHeight());
    EXPECT_GT(box.right(), font->unitsPerEm());

    const QList<quint32> glyphs = m_font.glyphIndexesForString(kSample);
    const QList<QPointF> advances =
        m_font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    ASSERT_EQ(glyphs.size(), advances.size());
    // The font's own advances are rounded to 1/64 pixel.
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        EXPECT_NEAR(font->advance(quint16(glyphs[i])) * scale, advances[i].x(), 1.0 / 64) << i;
    EXPECT_EQ(font->advance(quint16(font->glyphCount())), 0);
}

TEST_P(TrueTypeFace, SubsetKeepsTheAskedOutlinesUnderTheirIds)
{
    const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(m_tables));
    ASSERT_TRUE(font) << font.error().toStdString();
    const std::vector<quint16> glyphs = glyphsOf(m_font, kSample);
    const common::Result<QByteArray> data = font->subset(glyphs);
    ASSERT_TRUE(data) << data.error().toStdString();
    EXPECT_LT(data->size(), m_tables.at("glyf").size() / 4);

    const QRawFont subset(*data, kPixelSize, QFont::PreferNoHinting);
    ASSERT_TRUE(subset.isValid());
    for (const quint16 glyph : glyphs) {
        const QPainterPath path = m_font.pathForGlyph(glyph);
        EXPECT_EQ(subset.pathForGlyph(glyph), path) << glyph;
    }
    EXPECT_FALSE(subset.pathForGlyph(0).isEmpty());
    const quint16 unasked = glyphsOf(m_font, QStringLiteral("W")).front();
    EXPECT_FALSE(m_font.pathForGlyph(unasked).isEmpty());
    EXPECT_TRUE(subset.pathForGlyph(unasked).isEmpty());
}

TEST_P(TrueTypeFace, SubsetKeepsTheComponentsOfACompositeGlyph)
{
    const quint16 composite = compositeGlyph(m_font, m_tables);
    ASSERT_NE(composite, 0) << "the font has no composite glyph";
    const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(m_tables));
    ASSERT_TRUE(font) << font.error().toStdString();
    const common::Result<QByteArray> data = font->subset({composite});
    ASSERT_TRUE(data) << data.error().toStdString();

    const QRawFont subset(*data, kPixelSize, QFont::PreferNoHinting);
    ASSERT_TRUE(subset.isValid());
    EXPECT_FALSE(subset.pathForGlyph(composite).isEmpty());
    EXPECT_EQ(subset.pathForGlyph(composite), m_font.pathForGlyph(composite));
    for (const qsizetype at : componentsAt(m_tables, composite)) {
        const quint16 component = u16(m_tables.at("glyf"), at + 2);
        EXPECT_EQ(subset.pathForGlyph(component), m_font.pathForGlyph(component)) << component;
    }
}

INSTANTIATE_TEST_SUITE_P(RegularAndBold, TrueTypeFace, testing::Bool());

TEST(TrueTypeSubset, DirectoryChecksumsAndLongLocaAreRight)
{
    const QRawFont raw = liberationSans(false);
    const Tables tables = tablesOf(raw);
    const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(tables));
    ASSERT_TRUE(font) << font.error().toStdString();
    const common::Result<QByteArray> result = font->subset(glyphsOf(raw, kSample));
    ASSERT_TRUE(result) << result.error().toStdString();
    const QByteArray& data = *result;
    ASSERT_EQ(data.size() % 4, 0);

    const quint16 count = u16(data, 4);
    const auto instructionTables =
        std::count_if(tables.begin(), tables.end(), [](const auto& table) {
            return (table.first == "cvt " || table.first == "fpgm" || table.first == "prep") &&
                   !table.second.isEmpty();
        });
    EXPECT_EQ(count, 6 + instructionTables);
    ASSERT_GE(data.size(), 12 + 16 * count);
    quint16 power = 1;
    while (power * 2 <= count)
        power *= 2;
    EXPECT_EQ(u16(data, 6), power * 16);
    EXPECT_EQ(1 << u16(data, 8), power);
    EXPECT_EQ(u16(data, 10), count * 16 - power * 16);

    std::map<std::string, QByteArray> written;
    std::string previous;
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 12 + 16 * i;
        const std::string tag = data.mid(record, 4).toStdString();
        EXPECT_LT(previous, tag);
        previous = tag;
        const quint32 offset = u32(data, record + 8);
        const quint32 length = u32(data, record + 12);
        EXPECT_EQ(offset % 4, 0u) << tag;
        ASSERT_LE(offset + length, quint32(data.size())) << tag;
        QByteArray table = data.mid(offset, length);
        written[tag] = table;
        if (tag == "head")
            table.replace(8, 4, QByteArray(4, '\0'));
        table.append(QByteArray((4 - table.size() % 4) % 4, '\0'));
        quint32 sum = 0;
        for (qsizetype at = 0; at < table.size(); at += 4)
            sum += u32(table, at);
        EXPECT_EQ(u32(data, record + 4), sum) << tag;
    }
    quint32 whole = 0;
    for (qsizetype at = 0; at < data.size(); at += 4)
        whole += u32(data, at);
    EXPECT_EQ(whole, 0xB1B0AFBAu);

    EXPECT_EQ(written.count("cmap"), 0u);
    EXPECT_EQ(written.at("hmtx"), tables.at("hmtx"));
    EXPECT_EQ(u16(written.at("head"), 50), 1);
    const QByteArray& loca = written.at("loca");
    ASSERT_EQ(loca.size(), 4 * (font->glyphCount() + 1));
    EXPECT_EQ(u32(loca, loca.size() - 4), quint32(written.at("glyf").size()));
}

// Changes of the font's tables, each of which leaves it impossible to embed;
// some touch the composite glyph and show only when it is asked for.
struct Damage
{
    const char* name;
    std::function<void(Tables&, quint16 composite)> change;
    bool inComposite;
};

void setComponents(Tables& tables, quint16 composite, quint16 component)
{
    for (const qsizetype at : componentsAt(tables, composite))
        put16(tables["glyf"], at + 2, component);
}

TEST(TrueTypeSubset, DamagedFontsAreRefusedWithAMessage)
{
    const std::vector<Damage> damages = {
        {"no glyf (outlines of another kind)", [](Tables& t, quint16) { t.erase("glyf"); }, false},
        {"no head", [](Tables& t, quint16) { t["head"].clear(); }, false},
        {"head too short", [](Tables& t, quint16) { t["head"].truncate(40); }, false},
        {"hhea too short", [](Tables& t, quint16) { t["hhea"].truncate(30); }, false},
        {"no glyphs", [](Tables& t, quint16) { put16(t["maxp"], 4, 0); }, false},
        {"zero units per em", [](Tables& t, quint16) { put16(t["head"], 18, 0); }, false},
        {"unknown loca format", [](Tables& t, quint16) { put16(t["head"], 50, 2); }, false},
        {"no horizontal metrics", [](Tables& t, quint16) { put16(t["hhea"], 34, 0); }, false},
        {"hmtx too short", [](Tables& t, quint16) { t["hmtx"].truncate(8); }, false},
        {"loca truncated", [](Tables& t, quint16) { t["loca"].chop(2); }, false},
        {"loca past glyf", [](Tables& t, quint16) { t["glyf"].truncate(t["glyf"].size() / 2); },
         false},
        {"loca out of order", [](Tables& t, quint16) { setLoca(t, 1, locaOf(t).back()); }, false},
        {"composite made of itself",
         [](Tables& t, quint16 composite) { setComponents(t, composite, composite); }, true},
        {"composite of a glyph the font lacks",
         [](Tables& t, quint16 composite) { setComponents(t, composite, u16(t["maxp"], 4)); },
         true},
        {"composite cut short inside its first component",
         [](Tables& t, quint16 composite) { setLoca(t, composite + 1, locaOf(t)[composite] + 14); },
         true},
    };
    const QRawFont raw = liberationSans(false);
    const Tables intact = tablesOf(raw);
    const quint16 composite = compositeGlyph(raw, intact);
    ASSERT_NE(composite, 0);
    for (const Damage& damage : damages) {
        Tables tables = intact;
        damage.change(tables, composite);
        const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(tables));
        EXPECT_EQ(font.ok(), damage.inComposite) << damage.name;
        const QString error = font ? font->subset({composite}).error() : font.error();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Czcionki nie można osadzić w pliku PDF: ")))
            << damage.name << ": " << error.toStdString();
    }
}

TEST(TrueTypeSubset, GlyphsPastTheLastHorizontalMetricShareItsAdvance)
{
    const QRawFont raw = liberationSans(false);
    Tables tables = tablesOf(raw);
    put16(tables["hhea"], 34, 10);
    const common::Result<TrueTypeFont> font = TrueTypeFont::read(sourceOf(tables));
    ASSERT_TRUE(font) << font.error().toStdString();
    EXPECT_EQ(font->advance(9), u16(tables.at("hmtx"), 36));
    EXPECT_EQ(font->advance(10), font->advance(9));
    EXPECT_EQ(font->advance(quint16(font->glyphCount() - 1)), font->advance(9));

    const common::Result<QByteArray> subset = font->subset({9, 10, 65535});
    EXPECT_TRUE(subset) << subset.error().toStdString();
}

} // namespace
