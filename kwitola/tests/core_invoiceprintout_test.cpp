#include "kwitola/core/invoiceprintout.h"
#include "kwitola/testsupport/printsample.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kwitola;
namespace ip = kwitola::invoiceprint;

namespace {

InvoicePrintInput sample(int lineCount)
{
    InvoicePrintInput in;
    in.title = QStringLiteral("Faktura VAT nr 12/2001 FV");
    in.issueDate = {QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001")};
    in.deliveryDate = in.issueDate;
    in.placeOfIssue = QStringLiteral("Poznań");
    in.seller = {QStringLiteral("Hurtownia Sp. z o.o."),
                 QStringLiteral("ul. Długa 1"),
                 QStringLiteral("60-001"),
                 QStringLiteral("Poznań"),
                 QStringLiteral("111-222-33-44"),
                 QStringLiteral("630000000"),
                 QStringLiteral("61 100 20 30"),
                 QStringLiteral("Anna Nowak"),
                 QStringLiteral("PKO BP"),
                 QStringLiteral("12 1020 0000 0000 0000 0000 0001")};
    in.buyer = {QStringLiteral("Sklep Jan"),     QStringLiteral("ul. Krótka 2"),
                QStringLiteral("65-001"),        QStringLiteral("Zielona Góra"),
                QStringLiteral("555-666-77-88"), QStringLiteral("Jan Kowalski")};
    for (int i = 1; i <= lineCount; ++i) {
        in.lines.push_back(kwitola::testing::threePiecesLine(QStringLiteral("Towar %1").arg(i)));
    }
    in.document = {QStringLiteral("30,00"), QStringLiteral("6,60"), QStringLiteral("36,60")};
    in.rate22 = in.document;
    in.amountInWords = QStringLiteral("trzydzieści sześć");
    in.grosze = QStringLiteral("60/100");
    in.paymentWay = QStringLiteral("przelew 14 dni");
    in.copyMark = QStringLiteral("ORYGINAŁ");
    return in;
}

const common::PageElement& element(const common::Page& page, const QString& name)
{
    static const common::PageElement missing;
    const common::PageElement* e = page.find(name);
    EXPECT_NE(e, nullptr) << name.toStdString();
    return e ? *e : missing;
}

const common::PageElement& element(const common::Page& page, const char* name)
{
    return element(page, QString::fromLatin1(name));
}

int top(const common::Page& page, const char* name)
{
    return element(page, name).rect.top();
}

TEST(InvoicePrintout, OneLineShortensTheFramesAndLiftsTheLowerPart)
{
    const common::Page page = invoicePrintout(sample(1));
    EXPECT_EQ(element(page, "frame.name").rect, QRect(44, 376, 253, 31));
    EXPECT_EQ(element(page, "frame.gross").rect.height(), 31);
    EXPECT_EQ(top(page, "totalCaption.document"), 418);
    EXPECT_EQ(element(page, cellName("name", 1)).rect.top(), 381);
    EXPECT_EQ(element(page, cellName("quantity", 1)).rect.top(), 383);
    EXPECT_EQ(element(page, cellName("lp", 1)).text, QStringLiteral("1."));
    EXPECT_EQ(page.find(cellName("name", 2)), nullptr);
}

TEST(InvoicePrintout, FifteenLinesPrintAtTheDesignPositions)
{
    const common::Page page = invoicePrintout(sample(15));
    EXPECT_EQ(element(page, "frame.lp").rect, QRect(20, 376, 25, 370));
    EXPECT_EQ(element(page, cellName("name", 15)).rect.topLeft(), QPoint(48, 717));
    EXPECT_EQ(element(page, cellName("gross", 15)).rect.topLeft(), QPoint(678, 717));
    EXPECT_EQ(element(page, cellName("lp", 15)).text, QStringLiteral("15."));
    struct Expected
    {
        const char* name;
        int top;
    };
    const Expected positions[] = {
        {"totalsBox.net", 745},
        {"totalCaption.document", 757},
        {ip::kAmountToPay, 765},
        {ip::kAmountCaption, 767},
        {"totalsBar", 776},
        {"totalCaption.zw", 785},
        {"totalsBox.row0", 799},
        {"totalNet.0", 804},
        {ip::kWords, 805},
        {"totalNet.7", 823},
        {"totalsBox.row22", 839},
        {"totalNet.22", 842},
        {ip::kPayment, 844},
        {ip::kBankLine, 862},
        {"buyerSignatureDots", 1007},
        {"sellerSignatureCaption", 1019},
        {ip::kSellerSignature, 1035},
    };
    for (const Expected& e : positions) {
        EXPECT_EQ(top(page, e.name), e.top) << e.name;
    }
    EXPECT_EQ(element(page, "totalNet.document").rect.left(), 500);
    EXPECT_EQ(element(page, "totalNet.22").rect.left(), 510);
    EXPECT_EQ(element(page, "totalGross.22").text, QStringLiteral("36,60"));
    EXPECT_EQ(element(page, "totalGross.7").text, QStringLiteral("0,00"));
    EXPECT_EQ(element(page, "sellerSignature").rect.left(), 499);
    EXPECT_EQ(element(page, "buyerSignature").text, QStringLiteral("Jan Kowalski"));
}

TEST(InvoicePrintout, TheSellersTaxLineShowsWhatTheSellerHas)
{
    struct Case
    {
        const char* nip;
        const char* regon;
        const char* taxLine; // empty: no line, the telephone follows the town
    };
    const Case cases[] = {
        {"111", "", "NIP 111"},
        {"", "630", "Regon 630"},
        {"111", "630", "NIP 111 / Regon 630"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        InvoicePrintInput in = sample(1);
        in.seller.nip = QString::fromLatin1(c.nip);
        in.seller.regon = QString::fromLatin1(c.regon);
        QStringList expected{in.seller.name, in.seller.address, QStringLiteral("60-001  Poznań")};
        if (*c.taxLine != '\0') {
            expected << QString::fromLatin1(c.taxLine);
        }
        expected << QStringLiteral("tel. 61 100 20 30");
        EXPECT_EQ(element(invoicePrintout(in), ip::kSeller).text.split(QLatin1Char('\n')), expected)
            << c.taxLine;
    }
}

TEST(InvoicePrintout, ABuyerWithoutNipHasAThreeLineBlock)
{
    InvoicePrintInput in = sample(1);
    EXPECT_EQ(element(invoicePrintout(in), ip::kBuyer).text.split(QLatin1Char('\n')).last(),
              QStringLiteral("NIP 555-666-77-88"));
    in.buyer.nip.clear();
    EXPECT_EQ(element(invoicePrintout(in), ip::kBuyer).text,
              QStringLiteral("Sklep Jan\nul. Krótka 2\n65-001  Zielona Góra"));
}

TEST(InvoicePrintout, TheBankLineIsOnlyForTransfers)
{
    InvoicePrintInput in = sample(1);
    EXPECT_EQ(element(invoicePrintout(in), ip::kBankLine).text,
              QStringLiteral("Bank PKO BP nr rachunku 12 1020 0000 0000 0000 0000 0001."));
    EXPECT_EQ(element(invoicePrintout(in), ip::kPayment).text,
              QStringLiteral("Sposób zapłaty : przelew 14 dni."));
    for (const char* cash : {"gotówka", "karta kredytowa", "gotówka + kredyt"}) {
        in.paymentWay = QString::fromUtf8(cash);
        EXPECT_EQ(element(invoicePrintout(in), ip::kBankLine).text, QString()) << cash;
    }
}

TEST(InvoicePrintout, DatesPlaceAndMarkComeFromTheInput)
{
    InvoicePrintInput in = sample(1);
    common::Page page = invoicePrintout(in);
    EXPECT_EQ(element(page, ip::kIssueDate).text, QStringLiteral("05-03-2001"));
    EXPECT_EQ(element(page, ip::kIssueDate).align, common::HAlign::Right);
    EXPECT_EQ(element(page, ip::kAdvanceDate).text, QStringLiteral("-----"));
    EXPECT_EQ(element(page, ip::kPlaceOfIssue).text, QStringLiteral("Poznań"));
    EXPECT_EQ(element(page, ip::kCopyMark).rgb, 0xFF0000U);
    EXPECT_EQ(element(page, ip::kWords).text, QStringLiteral("trzydzieści sześć  60/100"));

    in.placeIsRecipientTown = true;
    page = invoicePrintout(in);
    EXPECT_EQ(element(page, ip::kPlaceOfIssue).text, QStringLiteral("Zielona Góra"));
    EXPECT_EQ(page.find(QString::fromLatin1(ip::kLogo)), nullptr);
}

TEST(InvoicePrintout, MoneyCellsReadLikeMoney)
{
    struct Case
    {
        const char* held;
        const char* printed;
    };
    const Case cases[] = {
        {"0", "0,00"},
        {"", "0,00"},
        {"10", "10,00"},
        {"12,5", "12,50"},
        {"-3,10", "-3,10"},
        {"36,60", "36,60"},
        {"0,125", "0,125"}, // a price with more decimals is
                            // not rounded on paper
        {"x", "x"},
    };
    for (const Case& c : cases) {
        InvoicePrintInput in = sample(1);
        const QString held = QString::fromLatin1(c.held);
        in.lines.front().unitNetPrice = held;
        in.rate7 = {held, held, held};
        in.document.gross = held;
        const common::Page page = invoicePrintout(in);
        const QString printed = QString::fromLatin1(c.printed);
        for (const QString& name :
             {cellName("price", 1), QStringLiteral("totalNet.7"), QStringLiteral("totalGross.7"),
              QStringLiteral("amountToPay")}) {
            EXPECT_EQ(element(page, name).text, printed) << name.toStdString() << " " << c.held;
        }
    }
    // Texts that are not money stay as they are.
    InvoicePrintInput in = sample(1);
    in.lines.front().quantity = QStringLiteral("3");
    EXPECT_EQ(element(invoicePrintout(in), cellName("quantity", 1)).text, QStringLiteral("3"));
}

TEST(InvoicePrintout, HeadingsAndCellsKeepOffTheirColumnsFrameLines)
{
    const common::Page page = invoicePrintout(sample(1));
    for (const char* key :
         {"lp", "name", "symbol", "unit", "quantity", "price", "net", "rate", "vat", "gross"}) {
        const QString column = QString::fromLatin1(key);
        // A box's frame is drawn on its left and its right + 1 edge.
        const QRect header = element(page, QStringLiteral("header.") + column).rect;
        const QRect heading = element(page, QStringLiteral("heading.") + column).rect;
        EXPECT_GT(heading.left(), header.left()) << key;
        EXPECT_LT(heading.right() + 1, header.right() + 1) << key;
        const QRect frame = element(page, QStringLiteral("frame.") + column).rect;
        const QRect cell = element(page, cellName(key, 1)).rect;
        EXPECT_GT(cell.left(), frame.left()) << key;
        EXPECT_LT(cell.right() + 1, frame.right() + 1) << key;
    }
    // The unit's cell stays centred where it was.
    const QRect unit = element(page, cellName("unit", 1)).rect;
    EXPECT_EQ(unit.left() + unit.width() / 2.0, 366 + 19 / 2.0);
}

TEST(InvoicePrintout, ALongNameWrapsInItsCellToTwoLinesAtMost)
{
    const common::Page page = invoicePrintout(sample(1));
    const common::PageElement& name = element(page, cellName("name", 1));
    EXPECT_EQ(name.rect, QRect(48, 381, 247, 22));
    EXPECT_TRUE(name.wordWrap);
    EXPECT_EQ(name.maxLines, 2);
}

} // namespace
