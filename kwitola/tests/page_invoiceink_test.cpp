#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "common/testsupport/textink.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/core/printjob.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>

using namespace kwitola;
using common::testing::cutTexts;

namespace {

// A full page with the longest texts a desk day brings: fifteen lines in
// every rate, units such as "godz." and "kpl.", names that take two lines.
InvoicePrintInput fullDocument()
{
    InvoicePrintInput in;
    in.title = QStringLiteral("Rachunek Uproszczony nr 1234/2001/ABC RU");
    in.issueDate = {QStringLiteral("31"), QStringLiteral("12"), QStringLiteral("2001")};
    in.deliveryDate = in.issueDate;
    in.placeOfIssue = QStringLiteral("Kędzierzyn-Koźle");
    in.seller = {QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe \"Wiśniewski\""),
                 QStringLiteral("ul. Świętokrzyska 118/120 m. 45"),
                 QStringLiteral("00-950"),
                 QStringLiteral("Warszawa"),
                 QStringLiteral("526-000-00-00"),
                 QStringLiteral("012345678"),
                 QStringLiteral("(0-22) 620 00 00 wew. 123"),
                 QStringLiteral("Małgorzata Wiśniewska-Żółkiewska"),
                 QStringLiteral("Powszechna Kasa Oszczędności Bank Polski SA"),
                 QStringLiteral("12 1020 1026 0000 1202 0000 0000")};
    in.buyer = {QStringLiteral("Zakład Remontowo-Budowlany Jędrzejczyk i Synowie s.c."),
                QStringLiteral("ul. Grzegorzecka 67/12"),
                QStringLiteral("31-559"),
                QStringLiteral("Kraków"),
                QStringLiteral("676-000-00-00"),
                QStringLiteral("Zbigniew Jędrzejczyk")};
    struct Row
    {
        const char* name;
        const char* unit;
        const char* rate;
    };
    const std::array<Row, 5> rows{{
        {"Robocizna montera instalacji grzewczych w budynku mieszkalnym", "godz.", "22"},
        {"Zestaw przyłączeniowy", "kpl.", "7"},
        {"Transport", "km", "0"},
        {"Szkolenie BHP", "godz.", "zw."},
        {"Kocioł gazowy dwufunkcyjny", "szt.", "22"},
    }};
    for (int k = 0; k < 15; ++k) {
        const Row& row = rows.at(static_cast<std::size_t>(k) % rows.size());
        in.lines.push_back(
            {QString::fromUtf8(row.name), QStringLiteral("45.33.11-1"), QString::fromUtf8(row.unit),
             QStringLiteral("1250,5"), QStringLiteral("7999,99"), QStringLiteral("99999,99"),
             QString::fromUtf8(row.rate), QStringLiteral("21999,99"), QStringLiteral("121999,98")});
    }
    in.document = {QStringLiteral("999999,99"), QStringLiteral("219999,99"),
                   QStringLiteral("999999,99")};
    in.exempt = {QStringLiteral("199999,99"), QStringLiteral("0"), QStringLiteral("199999,99")};
    in.rate0 = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}; // untouched
    in.rate7 = {QStringLiteral("199999,99"), QStringLiteral("13999,99"),
                QStringLiteral("213999,98")};
    in.rate22 = {QStringLiteral("599999,99"), QStringLiteral("131999,99"),
                 QStringLiteral("731999,98")};
    in.amountInWords = QStringLiteral("dziewięćset dziewięćdziesiąt dziewięć tysięcy "
                                      "dziewięćset dziewięćdziesiąt dziewięć");
    in.grosze = QStringLiteral("99/100");
    in.paymentWay = QStringLiteral("przelew 14 dni");
    return in;
}

std::string cuts(const common::Page& page, int pixelWidth)
{
    return cutTexts(page, pixelWidth).join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(InvoicePage, NothingOnAFullPageIsCutOff)
{
    InvoicePrintInput in = fullDocument();
    in.copyMark = previewMark(1);
    const common::Page page = invoicePrintout(in);
    // The page's own size (a preview) and 150 dpi (printer outlines).
    EXPECT_EQ(cuts(page, common::kA4Width), "");
    EXPECT_EQ(cuts(page, 1240), "");
}

TEST(InvoicePage, EveryCopyMarkIsPrintedWhole)
{
    for (int copies = 1; copies <= 3; ++copies) {
        QStringList marks = copyMarks(copies);
        marks << previewMark(copies);
        for (const QString& mark : marks) {
            InvoicePrintInput in = fullDocument();
            in.copyMark = mark;
            const common::Page full = invoicePrintout(in);
            common::Page page;
            page.elements = {*full.find(QString::fromLatin1(invoiceprint::kCopyMark))};
            EXPECT_EQ(cuts(page, 2480), "") << copies;
            // Every mark at the one size, a long one as prominent as a short.
            EXPECT_EQ(common::planText(page.elements.front()).font.pixelSize(), 13)
                << mark.toStdString();
        }
    }
}

TEST(InvoicePage, ANameKeepsItsTwoLinesAndAShortUnitItsSize)
{
    const common::Page page = invoicePrintout(fullDocument());
    const common::TextPlan name = common::planText(*page.find(cellName("name", 1)));
    EXPECT_EQ(name.text.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(name.fits);
    // What fits is drawn as it is: the cell's own 11-unit characters.
    const common::TextPlan unit = common::planText(*page.find(cellName("unit", 3)));
    EXPECT_EQ(unit.text, QStringLiteral("km"));
    EXPECT_EQ(unit.font.pixelSize(), 11);
}
