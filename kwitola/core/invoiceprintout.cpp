#include "kwitola/core/invoiceprintout.h"

#include "kwitola/core/money.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace kwitola {
namespace {

using common::HAlign;
using common::Page;
using common::PageElement;

const QString kCaptionFamily = QStringLiteral("Arial CE");
const QString kCellFamily = QStringLiteral("Arial");
constexpr unsigned kRed = 0xFF0000;

constexpr int kHeaderTop = 316;
constexpr int kHeaderHeight = 61;
constexpr int kTaxHeadingHeight = 17;
constexpr int kFrameTop = 376;
constexpr int kFullFrameHeight = 370;
constexpr int kFirstRowTop = 381;
constexpr int kRowStep = 24;
constexpr int kMaxRows = 15;
constexpr int kCellHeight = 11;
constexpr int kTotalsHeight = 115;

// The line table's columns, left to right.
struct Column
{
    const char* key;
    int frameX;
    int frameWidth;
    const char* heading; // stacked lines
    bool underTax;       // under the shared heading "Podatek"
    int cellX;
    int cellWidth;
    HAlign align;
    QString PrintLine::*value; // nullptr: the row number
    bool money;                // the cell always reads like money
};

const std::array<Column, 10> kColumns{{
    {"lp", 20, 25, "Lp.", false, 22, 19, HAlign::Right, nullptr, false},
    {"name", 44, 253, "Nazwa towaru lub usługi", false, 48, 247, HAlign::Left, &PrintLine::name,
     false},
    {"symbol", 296, 69, "Symbol\nSWW/KU/KOB", false, 298, 65, HAlign::Center, &PrintLine::symbol,
     false},
    // The unit takes its frame's inside, about the same centre, so that
    // "godz." fits at a readable height.
    {"unit", 364, 25, "j.m.", false, 365, 21, HAlign::Center, &PrintLine::unit, false},
    {"quantity", 388, 48, "Ilość\ntowaru\n/ zakres\nusługi", false, 392, 41, HAlign::Center,
     &PrintLine::quantity, false},
    {"price", 428, 72, "Cena\njednostkowa\nnetto\nzł        gr", false, 444, 49, HAlign::Right,
     &PrintLine::unitNetPrice, true},
    {"net", 496, 77, "Wartość\nsprzedaży\nnetto\nzł        gr", false, 510, 53, HAlign::Right,
     &PrintLine::netValue, true},
    {"rate", 572, 28, "stawka\n%", true, 577, 19, HAlign::Center, &PrintLine::vatRate, false},
    {"vat", 596, 73, "kwota\nzł        gr", true, 610, 49, HAlign::Right, &PrintLine::vatAmount,
     true},
    {"gross", 668, 77, "Wartość\ntowaru / usługi\nbrutto\nzł        gr", false, 678, 59,
     HAlign::Right, &PrintLine::grossValue, true},
}};

// The totals rows below the table; tops are offsets from the table's bottom.
struct TotalsRow
{
    const char* key;
    int offset;
    const char* caption;
    PrintTotals InvoicePrintInput::*totals;
    const char* rate;
    bool bold;
};

const std::array<TotalsRow, 5> kTotalsRows{{
    {"document", 12, "RAZEM :", &InvoicePrintInput::document, "-", true},
    {"zw", 40, "W tym :", &InvoicePrintInput::exempt, "zw.", false},
    {"0", 59, "", &InvoicePrintInput::rate0, "0", false},
    {"7", 78, "", &InvoicePrintInput::rate7, "7", false},
    {"22", 97, "", &InvoicePrintInput::rate22, "22", false},
}};

// Left and right edge of the net, VAT and gross cells of a totals row: the
// bold document row is a little wider than the rate rows.
struct TotalsCells
{
    std::array<int, 3> left;
    std::array<int, 3> right;
};
constexpr TotalsCells kDocumentCells{{500, 604, 672}, {569, 665, 741}};
constexpr TotalsCells kRateCells{{510, 610, 678}, {563, 659, 737}};

// Ways of payment that need no bank account on the page.
const std::array<QString, 5> kWithoutBank{
    QStringLiteral("gotówka"), QStringLiteral("gotówka + kredyt"), QStringLiteral("kredyt"),
    QStringLiteral("czek potwierdzony"), QStringLiteral("karta kredytowa")};

// A money value as the page shows it: two decimals and a decimal comma
// ("0" of a rate the document does not use prints "0,00"; empty is nothing
// yet, also "0,00"). A price held with more decimals than two, or a text that
// is no number, stands as it is rather than be rounded on paper.
QString moneyText(const QString& text)
{
    if (text.isEmpty()) {
        return QStringLiteral("0,00");
    }
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value || value->rounded(2) != *value) {
        return text;
    }
    return value->fmt();
}

// A rectangle for text whose characters are height units high.
QRect textRect(int left, int top, int width, int height, int lines = 1)
{
    return {left, top, width, (height * 3 / 2) * lines};
}

void addText(Page& page, const QString& name, QRect rect, const QString& text, int height,
             const QString& family = kCaptionFamily, HAlign align = HAlign::Left, bool bold = false)
{
    page.elements.push_back(
        common::textElement(name, rect, text, common::fontOfHeight(family, height, bold), align));
}

void addBox(Page& page, const QString& name, QRect rect)
{
    page.elements.push_back(common::boxElement(name, rect));
}

QStringList sellerLines(const PrintSeller& s)
{
    QStringList lines{s.name, s.address, s.postalCode + QStringLiteral("  ") + s.town};
    if (!s.nip.isEmpty() && !s.regon.isEmpty()) {
        lines << QStringLiteral("NIP ") + s.nip + QStringLiteral(" / Regon ") + s.regon;
    } else if (!s.nip.isEmpty()) {
        lines << QStringLiteral("NIP ") + s.nip;
    } else if (!s.regon.isEmpty()) {
        lines << QStringLiteral("Regon ") + s.regon;
    }
    if (!s.phone.isEmpty()) {
        lines << QStringLiteral("tel. ") + s.phone;
    }
    return lines;
}

QStringList buyerLines(const PrintBuyer& b)
{
    QStringList lines{b.name, b.address, b.postalCode + QStringLiteral("  ") + b.town};
    if (!b.nip.isEmpty()) {
        lines << QStringLiteral("NIP ") + b.nip;
    }
    return lines;
}

QString bankLine(const InvoicePrintInput& in)
{
    for (const QString& way : kWithoutBank) {
        if (in.paymentWay == way) {
            return {};
        }
    }
    return QStringLiteral("Bank ") + in.seller.bank + QStringLiteral(" nr rachunku ") +
           in.seller.account + QLatin1Char('.');
}

// The copy mark stands at the right edge of a 76-unit place beside the
// buyer block; its box reaches to the left, clear of the buyer's lines, so
// that "ORYGINAŁ / KOPIA" is printed whole at the size of "KOPIA".
QRect copyMarkBox()
{
    constexpr int kRight = 742;
    constexpr int kLeft = 566;
    return {kLeft, 290, kRight - kLeft, 16};
}

// A heading's box: its frame's inside, so that its text keeps off the frame.
QRect headingBox(const QRect& frame)
{
    return frame.adjusted(1, 0, -1, 0);
}

void addHeader(Page& page, const InvoicePrintInput& in)
{
    if (!in.logo.isEmpty()) {
        page.elements.push_back(common::pictureElement(QString::fromLatin1(invoiceprint::kLogo),
                                                       QRect(25, 14, 720, 75), in.logo));
    }
    page.elements.push_back(
        common::lineElement(QStringLiteral("rule"), QPoint(24, 100), QPoint(745, 100)));
    addText(page, QStringLiteral("sellerCaption"), textRect(28, 110, 74, 12),
            QStringLiteral("Sprzedawca :"), 12);
    addText(page, QString::fromLatin1(invoiceprint::kSeller), QRect(104, 110, 325, 99),
            sellerLines(in.seller).join(QLatin1Char('\n')), 12);

    addText(page, QStringLiteral("placeCaption"), textRect(440, 108, 114, 12),
            QStringLiteral("Miejsce wystawienia"), 12);
    addText(page, QStringLiteral("placeColon"), textRect(556, 108, 10, 12), QStringLiteral(":"),
            12);
    PageElement place = common::textElement(
        QString::fromLatin1(invoiceprint::kPlaceOfIssue), QRect(568, 108, 185, 37),
        in.placeIsRecipientTown ? in.buyer.town : in.placeOfIssue,
        common::fontOfHeight(kCaptionFamily, 12));
    place.wordWrap = true;
    page.elements.push_back(place);

    struct DateRow
    {
        const char* name;
        int top;
        const char* caption;
        PrintDate InvoicePrintInput::*date;
    };
    static const std::array<DateRow, 3> kDates{{
        {invoiceprint::kIssueDate, 140, "Data wystawienia", &InvoicePrintInput::issueDate},
        {invoiceprint::kDeliveryDate, 159, "Data wydania towaru/usługi",
         &InvoicePrintInput::deliveryDate},
        {invoiceprint::kAdvanceDate, 178, "Data wpłaty zaliczki", &InvoicePrintInput::advanceDate},
    }};
    for (const DateRow& row : kDates) {
        const QString name = QString::fromLatin1(row.name);
        addText(page, name + QStringLiteral("Caption"), textRect(440, row.top, 154, 12),
                QString::fromUtf8(row.caption), 12);
        addText(page, name + QStringLiteral("Colon"), textRect(596, row.top, 8, 12),
                QStringLiteral(":"), 12);
        addText(page, name, textRect(604, row.top, 141, 12), (in.*row.date).joined(), 12,
                kCaptionFamily, HAlign::Right);
    }

    addText(page, QString::fromLatin1(invoiceprint::kTitle), QRect(108, 202, 637, 22), in.title, 16,
            kCaptionFamily, HAlign::Right, true);
    addText(page, QStringLiteral("buyerCaption"), textRect(28, 224, 74, 12),
            QStringLiteral("Nabywca :"), 12);
    addText(page, QString::fromLatin1(invoiceprint::kBuyer), QRect(104, 224, 577, 85),
            buyerLines(in.buyer).join(QLatin1Char('\n')), 12);
    PageElement mark = common::textElement(
        QString::fromLatin1(invoiceprint::kCopyMark), copyMarkBox(), in.copyMark,
        common::fontOfHeight(kCaptionFamily, 13, true), HAlign::Right);
    mark.rgb = kRed;
    page.elements.push_back(mark);
}

void addTableHeader(Page& page)
{
    constexpr int kTaxLeft = 572;
    constexpr int kTaxRight = 669;
    addBox(page, QStringLiteral("header.tax"),
           QRect(kTaxLeft, kHeaderTop, kTaxRight - kTaxLeft, kTaxHeadingHeight));
    addText(page, QStringLiteral("heading.tax"),
            textRect(kTaxLeft, kHeaderTop + 3, kTaxRight - kTaxLeft, 9), QStringLiteral("Podatek"),
            9, kCaptionFamily, HAlign::Center);
    for (const Column& c : kColumns) {
        const int top = c.underTax ? kHeaderTop + kTaxHeadingHeight - 1 : kHeaderTop;
        const int height = kHeaderTop + kHeaderHeight - top;
        addBox(page, QStringLiteral("header.") + QLatin1String(c.key),
               QRect(c.frameX, top, c.frameWidth, height));
        addText(page, QStringLiteral("heading.") + QLatin1String(c.key),
                headingBox(QRect(c.frameX, top + 3, c.frameWidth, height - 3)),
                QString::fromUtf8(c.heading), 9, kCaptionFamily, HAlign::Center);
    }
}

// The rows of the line table; answers the highest row filled.
int addRows(Page& page, const InvoicePrintInput& in)
{
    int highest = 0;
    const int count = std::min(static_cast<int>(in.lines.size()), kMaxRows);
    for (int k = 1; k <= count; ++k) {
        const PrintLine& line = in.lines.at(static_cast<std::size_t>(k - 1));
        if (line.name.isEmpty()) {
            continue;
        }
        highest = k;
        const int top = kFirstRowTop + kRowStep * (k - 1);
        for (const Column& c : kColumns) {
            const bool nameOrNumber = c.value == nullptr || c.value == &PrintLine::name;
            // The first row's value cells sit two units lower.
            const int cellTop = !nameOrNumber && k == 1 ? top + 2 : top;
            QString text = c.value ? line.*c.value : QString::number(k) + QLatin1Char('.');
            if (c.money) {
                text = moneyText(text);
            }
            PageElement cell = common::textElement(
                cellName(c.key, k), textRect(c.cellX, cellTop, c.cellWidth, kCellHeight), text,
                common::fontOfHeight(kCellFamily, kCellHeight), c.align);
            if (c.value == &PrintLine::name) {
                cell.rect.setHeight(22);
                cell.wordWrap = true;
                cell.maxLines = 2;
            }
            page.elements.push_back(cell);
        }
    }
    return highest;
}

int frameHeight(int rows)
{
    return rows >= 1 && rows < kMaxRows ? 7 + kRowStep * rows : kFullFrameHeight;
}

void addTotals(Page& page, const InvoicePrintInput& in, int bottom)
{
    for (const Column& c : kColumns) {
        if (c.value == &PrintLine::netValue || c.value == &PrintLine::vatRate ||
            c.value == &PrintLine::vatAmount || c.value == &PrintLine::grossValue) {
            addBox(page, QStringLiteral("totalsBox.") + QLatin1String(c.key),
                   QRect(c.frameX, bottom, c.frameWidth, kTotalsHeight));
        }
    }
    PageElement bar =
        common::boxElement(QStringLiteral("totalsBar"), QRect(496, bottom + 31, 245, 5), 0);
    bar.filled = true;
    bar.fillRgb = 0x000000;
    page.elements.push_back(bar);
    addBox(page, QStringLiteral("totalsBox.row0"), QRect(496, bottom + 54, 249, 19));
    addBox(page, QStringLiteral("totalsBox.row22"), QRect(496, bottom + 94, 249, 19));

    static const std::array<const char*, 3> kAmountNames{"totalNet.", "totalVat.", "totalGross."};
    for (const TotalsRow& row : kTotalsRows) {
        const int top = bottom + row.offset;
        const QString key = QLatin1String(row.key);
        const TotalsCells& cells = row.bold ? kDocumentCells : kRateCells;
        const PrintTotals& totals = in.*row.totals;
        const std::array<QString, 3> amounts{totals.net, totals.vat, totals.gross};
        if (*row.caption != '\0') {
            addText(page, QStringLiteral("totalCaption.") + key, textRect(440, top, 55, 11),
                    QString::fromUtf8(row.caption), 11, kCaptionFamily, HAlign::Left, row.bold);
        }
        addText(page, QStringLiteral("totalRate.") + key, textRect(577, top, 19, 11),
                QString::fromLatin1(row.rate), 11, row.bold ? kCaptionFamily : kCellFamily,
                HAlign::Center, row.bold);
        for (std::size_t i = 0; i < amounts.size(); ++i) {
            addText(page, QLatin1String(kAmountNames.at(i)) + key,
                    textRect(cells.left.at(i), top, cells.right.at(i) - cells.left.at(i), 11),
                    moneyText(amounts.at(i)), 11, row.bold ? kCaptionFamily : kCellFamily,
                    HAlign::Right, row.bold);
        }
    }
}

void addFooter(Page& page, const InvoicePrintInput& in, int bottom)
{
    using namespace invoiceprint;
    addText(page, QString::fromLatin1(kAmountCaption), textRect(36, bottom + 22, 90, 13),
            QStringLiteral("Do zapłaty :"), 13);
    addText(page, QString::fromLatin1(kAmountToPay), textRect(128, bottom + 20, 300, 16),
            moneyText(in.document.gross), 16, kCaptionFamily, HAlign::Left, true);
    addText(page, QStringLiteral("wordsCaption"), textRect(36, bottom + 60, 88, 11),
            QStringLiteral("słownie złotych :"), 11);
    PageElement words =
        common::textElement(QString::fromLatin1(kWords), QRect(126, bottom + 60, 355, 29),
                            in.amountInWords + QStringLiteral("  ") + in.grosze,
                            common::fontOfHeight(kCaptionFamily, 11));
    words.wordWrap = true;
    page.elements.push_back(words);
    addText(page, QString::fromLatin1(kPayment), textRect(36, bottom + 99, 400, 11),
            QStringLiteral("Sposób zapłaty : ") + in.paymentWay + QLatin1Char('.'), 11);
    addText(page, QString::fromLatin1(kBankLine), textRect(36, bottom + 117, 700, 11), bankLine(in),
            11);

    struct Signature
    {
        int left;
        const char* key;
        const char* caption;
        QString name;
    };
    const std::array<Signature, 2> signatures{{
        {72, kBuyerSignature, "uprawniony(a) do odbioru faktury / r-ku", in.buyer.person},
        {499, kSellerSignature, "uprawniony(a) do wystawienia faktury / r-ku", in.seller.person},
    }};
    for (const Signature& s : signatures) {
        const QString key = QString::fromLatin1(s.key);
        addText(page, key + QStringLiteral("Dots"), textRect(s.left, bottom + 262, 225, 9),
                QString(75, QLatin1Char('.')), 9, kCellFamily, HAlign::Center);
        addText(page, key + QStringLiteral("Caption"), textRect(s.left, bottom + 274, 225, 9),
                QString::fromLatin1(s.caption), 9, kCaptionFamily, HAlign::Center);
        addText(page, key, textRect(s.left, bottom + 290, 225, 9), s.name, 9, kCaptionFamily,
                HAlign::Center);
    }
}

} // namespace

QString PrintDate::joined() const
{
    return day + QLatin1Char('-') + month + QLatin1Char('-') + year;
}

QString cellName(const char* column, int row)
{
    return QLatin1String(column) + QLatin1Char('.') + QString::number(row);
}

Page invoicePrintout(const InvoicePrintInput& input)
{
    Page page;
    // Laid out to fit A4 and Letter alike, printed on the printer's own paper.
    page.paper = common::Paper::PrinterDefault;
    addHeader(page, input);
    addTableHeader(page);
    const int rows = addRows(page, input);
    const int height = frameHeight(rows);
    for (const Column& c : kColumns) {
        addBox(page, QStringLiteral("frame.") + QLatin1String(c.key),
               QRect(c.frameX, kFrameTop, c.frameWidth, height));
    }
    const int bottom = kFrameTop + height - 1;
    addTotals(page, input, bottom);
    addFooter(page, input, bottom);
    return page;
}

} // namespace kwitola
