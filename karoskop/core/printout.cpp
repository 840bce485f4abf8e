#include "karoskop/core/printout.h"

#include "karoskop/core/descriptionrows.h"
#include "karoskop/core/vehicledescription.h"

#include <array>

namespace karoskop {
namespace {

using common::HAlign;
using common::PageElement;

constexpr int kLeft = 36;          // left edge of the centred lines and the rule
constexpr int kContentWidth = 701; // 36 ... 737
constexpr int kCaptionLeft = 56;
constexpr int kValueLeft = 248;
constexpr int kFirstRowTop = 212;
constexpr int kRowStep = 24;
constexpr int kRowHeight = 12;
constexpr int kCaptionWidth = kValueLeft - kCaptionLeft - 8;
constexpr int kValueWidth = kLeft + kContentWidth - kValueLeft;
constexpr unsigned kBlue = 0x0000FF;

const QString kTwoBlanks = QStringLiteral("  ");

PageElement text(const QString& name, QRect rect, const QString& content,
                 const common::PageFont& font, HAlign align = HAlign::Left)
{
    return common::textElement(name, rect, content, font, align);
}

PageElement text(const char* name, QRect rect, const QString& content, const common::PageFont& font,
                 HAlign align = HAlign::Left)
{
    return text(QString::fromLatin1(name), rect, content, font, align);
}

int rowTop(std::size_t row)
{
    return kFirstRowTop + kRowStep * static_cast<int>(row);
}

// A rectangle for one line of text whose characters are height units high.
QRect lineRect(int left, int top, int width, int height)
{
    return {left, top, width, height * 3 / 2};
}

void addFixedElements(common::Page& page)
{
    page.elements.push_back(text(printout::kProgramName, lineRect(kLeft, 48, 300, 24),
                                 QStringLiteral("Karoskop®"), printoutFont(24, true, true)));
    // Right-aligned so that its right edge is at 736.
    page.elements.push_back(text(printout::kNote, lineRect(336, 60, 400, 11),
                                 QStringLiteral("Opis pojazdu odczytany z numeru nadwozia (VIN)"),
                                 printoutFont(11, false, true), HAlign::Right));
    page.elements.push_back(common::lineElement(QString::fromLatin1(printout::kRule),
                                                QPoint(kLeft, 76),
                                                QPoint(kLeft + kContentWidth, 76), 2));
    page.elements.push_back(text(printout::kHeading, lineRect(kLeft, 96, kContentWidth, 16),
                                 QStringLiteral("Wynik rozkodowania pojazdu o numerze nadwozia"),
                                 printoutFont(16, true), HAlign::Center));
    for (std::size_t i = 0; i < kListedRows.size(); ++i) {
        page.elements.push_back(
            text(QStringLiteral("caption") + QLatin1String(kListedRows[i].field),
                 lineRect(kCaptionLeft, rowTop(i), kCaptionWidth, kRowHeight),
                 QString::fromUtf8(kListedRows[i].printCaption), printoutFont(kRowHeight)));
    }
    page.elements.push_back(
        text(printout::kCommentsCaption,
             lineRect(kCaptionLeft, rowTop(kListedRows.size()), kCaptionWidth, kRowHeight),
             QStringLiteral("Inne informacje"), printoutFont(kRowHeight)));
    page.elements.push_back(text(printout::kSignatureLine, lineRect(500, 805, 240, 11),
                                 QString(60, QLatin1Char('.')), printoutFont(11)));
    page.elements.push_back(text(printout::kSignatureCaption, lineRect(560, 817, 120, 11),
                                 QStringLiteral("wystawił"), printoutFont(11)));
}

void addValues(common::Page& page, const VehicleDescription& d)
{
    PageElement vin = text(printout::kFullVin, lineRect(kLeft, 128, kContentWidth, 21), d.fullVin,
                           printoutFont(21, true), HAlign::Center);
    vin.rgb = kBlue;
    page.elements.push_back(vin);
    page.elements.push_back(text(printout::kMakeAndType, lineRect(kLeft, 164, kContentWidth, 19),
                                 d.make + kTwoBlanks + d.type, printoutFont(19), HAlign::Center));
    for (std::size_t i = 0; i < kListedRows.size(); ++i) {
        page.elements.push_back(text(kListedRows[i].field,
                                     lineRect(kValueLeft, rowTop(i), kValueWidth, kRowHeight),
                                     d.*kListedRows[i].value, printoutFont(kRowHeight, true)));
    }
    PageElement comments =
        text(printout::kComments, QRect(kValueLeft, rowTop(kListedRows.size()), 433, 201),
             printoutComment(d), printoutFont(kRowHeight, true));
    // A line longer than the block goes on below, inside the block.
    comments.wordWrap = true;
    page.elements.push_back(comments);
}

} // namespace

common::PageFont printoutFont(int height, bool bold, bool italic)
{
    common::PageFont font;
    font.family = QStringLiteral("Arial");
    // A point is 1/72 inch, a design unit 1/96: the nearest whole point size.
    font.pointSize = (height * 72 + common::kUnitsPerInch / 2) / common::kUnitsPerInch;
    font.bold = bold;
    font.italic = italic;
    return font;
}

QString printoutComment(const VehicleDescription& description)
{
    return description.comments[0] + kTwoBlanks + description.comments[1] + kTwoBlanks +
           description.comments[2];
}

common::Page decodingPrintout(const VehicleDescription& description)
{
    common::Page page;
    page.width = common::kA4Width;
    page.height = common::kA4Height;
    addFixedElements(page);
    addValues(page, description);
    return page;
}

} // namespace karoskop
