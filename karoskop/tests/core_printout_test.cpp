#include "karoskop/core/printout.h"
#include "karoskop/core/vehicledescription.h"

#include <gtest/gtest.h>

using common::HAlign;
using common::PageElement;
using karoskop::VehicleDescription;

namespace {

// A description whose every field holds a text of its own, so that a value
// printed in the wrong row shows.
VehicleDescription distinctDescription()
{
    VehicleDescription d;
    d.fullVin = QStringLiteral("WF0AXXGAJA1A12345");
    d.region = QStringLiteral("Europa");
    d.country = QStringLiteral("Niemcy / RFN");
    d.make = QStringLiteral("Ford");
    d.type = QStringLiteral("Fiesta");
    d.productionYear = QStringLiteral("2001");
    d.modelYear = QStringLiteral("model wyprodukowany w okresie: 09.2000 - 08.2001");
    d.productionMonth = QStringLiteral("styczeń");
    d.plant = QStringLiteral("Kolonia / Niemcy");
    d.body = QStringLiteral("3-drzwiowe");
    d.engine = QStringLiteral("benzyna 1.3");
    d.gearbox = QStringLiteral("manualna");
    d.modelYears = QStringLiteral("1995 - 2002");
    d.serial = QStringLiteral("12345");
    d.comments = {QStringLiteral("pierwsza"), QStringLiteral("druga"), QStringLiteral("trzecia")};
    return d;
}

const PageElement& element(const common::Page& page, const QString& name)
{
    const PageElement* e = page.find(name);
    if (e == nullptr) {
        ADD_FAILURE() << "no element " << name.toStdString();
        static const PageElement none;
        return none;
    }
    return *e;
}

struct FixedElement
{
    const char* name;
    PageElement::Kind kind;
    int left;
    int top;
    int right; // exclusive right edge, or 0 where only the left edge is fixed
    const char* text;
    int points; // 18 pt = 24 units high, 8 = 11, 12 = 16, 16 = 21, 14 = 19
    bool bold;
    bool italic;
    HAlign align;
};

} // namespace

TEST(DecodingPrintout, FixedElementsStandWhereTheLayoutPutsThem)
{
    using Kind = PageElement::Kind;
    const FixedElement table[] = {
        {"programName", Kind::Text, 36, 48, 0, "Karoskop®", 18, true, true, HAlign::Left},
        {"note", Kind::Text, -1, 60, 736, nullptr, 8, false, true, HAlign::Right},
        {"heading", Kind::Text, 36, 96, 737, "Wynik rozkodowania pojazdu o numerze nadwozia", 12,
         true, false, HAlign::Center},
        {"fullVin", Kind::Text, 36, 128, 737, nullptr, 16, true, false, HAlign::Center},
        {"makeAndType", Kind::Text, 36, 164, 737, nullptr, 14, false, false, HAlign::Center},
        {"signatureLine", Kind::Text, 500, 805, 0,
         "............................................................", 8, false, false,
         HAlign::Left},
        {"signatureCaption", Kind::Text, 560, 817, 0, "wystawił", 8, false, false, HAlign::Left},
    };
    const common::Page page = karoskop::decodingPrintout(distinctDescription());
    EXPECT_EQ(QSize(page.width, page.height), QSize(794, 1123)); // A4 portrait
    for (const FixedElement& row : table) {
        SCOPED_TRACE(row.name);
        const PageElement& e = element(page, QString::fromLatin1(row.name));
        EXPECT_EQ(e.kind, row.kind);
        if (row.left >= 0) {
            EXPECT_EQ(e.rect.left(), row.left);
        }
        EXPECT_EQ(e.rect.top(), row.top);
        if (row.right > 0) {
            EXPECT_EQ(e.rect.left() + e.rect.width(), row.right);
        }
        if (row.text != nullptr) {
            EXPECT_EQ(e.text, QString::fromUtf8(row.text));
        }
        EXPECT_EQ(e.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(e.font.pointSize, row.points);
        EXPECT_EQ(e.font.bold, row.bold);
        EXPECT_EQ(e.font.italic, row.italic);
        EXPECT_EQ(e.align, row.align);
        EXPECT_EQ(e.rgb, row.name == std::string_view("fullVin") ? 0x0000FFu : 0x000000u);
    }
    EXPECT_FALSE(element(page, QStringLiteral("note")).text.trimmed().isEmpty());

    const PageElement& rule = element(page, QStringLiteral("rule"));
    EXPECT_EQ(rule.kind, Kind::Line);
    EXPECT_EQ(rule.rect.topLeft(), QPoint(36, 76));
    EXPECT_EQ(rule.rect.bottomRight(), QPoint(737, 76));
    EXPECT_EQ(rule.penWidth, 2);
}

TEST(DecodingPrintout, DescriptionRowsPrintTheirFieldsInOrder)
{
    struct Row
    {
        int top;
        const char* caption;
        const char* field;
        const char* value;
    };
    const Row rows[] = {
        {212, "Region geograficzny", "Label1", "Europa"},
        {236, "Kraj pochodzenia", "Label2", "Niemcy / RFN"},
        {260, "Marka pojazdu", "Label3", "Ford"},
        {284, "Model i typ pojazdu", "Label4", "Fiesta"},
        {308, "Rok produkcji", "Label5", "2001"},
        {332, "Rok modelowy", "Label6", "model wyprodukowany w okresie: 09.2000 - 08.2001"},
        {356, "Miesiąc produkcji", "Label7", "styczeń"},
        {380, "Lokalizacja fabryki", "Label8", "Kolonia / Niemcy"},
        {404, "Rodzaj nadwozia", "Label9", "3-drzwiowe"},
        {428, "Rodzaj silnika", "Label10", "benzyna 1.3"},
        {452, "Rodzaj skrzyni biegów", "Label11", "manualna"},
        {476, "Okres produkcji modelu", "Label12", "1995 - 2002"},
        {500, "Numer seryjny", "Label13", "12345"},
    };
    const common::Page page = karoskop::decodingPrintout(distinctDescription());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        const QString field = QString::fromLatin1(row.field);
        const PageElement& caption = element(page, QStringLiteral("caption") + field);
        EXPECT_EQ(caption.rect.topLeft(), QPoint(56, row.top));
        EXPECT_EQ(caption.text, QString::fromUtf8(row.caption));
        EXPECT_EQ(caption.font.pointSize, 9); // 12 units high
        EXPECT_FALSE(caption.font.bold);
        EXPECT_LE(caption.rect.right(), 248); // clear of the values

        const PageElement& value = element(page, field);
        EXPECT_EQ(value.rect.topLeft(), QPoint(248, row.top));
        EXPECT_EQ(value.text, QString::fromUtf8(row.value));
        EXPECT_EQ(value.font.pointSize, 9);
        EXPECT_TRUE(value.font.bold);
    }
    const PageElement& commentCaption = element(page, QStringLiteral("captionComments"));
    EXPECT_EQ(commentCaption.rect.topLeft(), QPoint(56, 524));
    EXPECT_EQ(commentCaption.text, QStringLiteral("Inne informacje"));
}

TEST(DecodingPrintout, HeadLinesShowTheVinAndMakeWithType)
{
    VehicleDescription d = distinctDescription();
    EXPECT_EQ(element(karoskop::decodingPrintout(d), QStringLiteral("fullVin")).text,
              QStringLiteral("WF0AXXGAJA1A12345"));
    EXPECT_EQ(element(karoskop::decodingPrintout(d), QStringLiteral("makeAndType")).text,
              QStringLiteral("Ford  Fiesta"));
    d.type = QStringLiteral("=");
    EXPECT_EQ(element(karoskop::decodingPrintout(d), QStringLiteral("makeAndType")).text,
              QStringLiteral("Ford  ="));
}

TEST(DecodingPrintout, PlaceholdersPrintAsTheyStand)
{
    // A run's start values with no year decoded.
    VehicleDescription d;
    d.productionYear = QStringLiteral("brak danych");
    d.modelYear = QStringLiteral("brak danych");
    const common::Page page = karoskop::decodingPrintout(d);
    for (const char* field : {"Label1", "Label2", "Label3", "Label4", "Label7", "Label8", "Label9",
                              "Label10", "Label11", "Label12", "Label13"}) {
        EXPECT_EQ(element(page, QString::fromLatin1(field)).text, QStringLiteral("=")) << field;
    }
    EXPECT_EQ(element(page, QStringLiteral("Label5")).text, QStringLiteral("brak danych"));
    EXPECT_EQ(element(page, QStringLiteral("Label6")).text, QStringLiteral("brak danych"));
    EXPECT_EQ(element(page, QStringLiteral("fullVin")).text, QStringLiteral("="));
    EXPECT_EQ(element(page, QStringLiteral("makeAndType")).text, QStringLiteral("=  ="));
}

TEST(DecodingPrintout, CommentLinesBecomeOneWrappingLineInTheBlock)
{
    struct Case
    {
        std::array<const char*, 3> lines;
        const char* printed;
    };
    const Case cases[] = {
        {{"pierwsza", "druga", "trzecia"}, "pierwsza  druga  trzecia"},
        {{"", "", ""}, "    "},
        {{"Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta. ", "", ""},
         "Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta.     "},
    };
    for (const Case& c : cases) {
        VehicleDescription d;
        for (std::size_t i = 0; i < 3; ++i) {
            d.comments[i] = QString::fromUtf8(c.lines[i]);
        }
        const common::Page page = karoskop::decodingPrintout(d);
        const PageElement& block = element(page, QStringLiteral("comments"));
        EXPECT_EQ(block.text, QString::fromUtf8(c.printed));
        EXPECT_EQ(block.rect, QRect(248, 524, 433, 201));
        EXPECT_TRUE(block.font.bold);
        EXPECT_EQ(block.font.pointSize, 9);
        EXPECT_TRUE(block.wordWrap);
    }
}
