#include "kwitola/register/core/ledgerpages.h"

#include "kwitola/register/core/monthledger.h"

#include <algorithm>
#include <array>

namespace kwitola::registry {

namespace {

using common::HAlign;
using common::PageElement;
using common::PageFont;

constexpr int kPageWidth = common::kA4Height;
constexpr int kPageHeight = common::kA4Width;
constexpr int kLeft = 38;
constexpr int kTableTop = 80;
constexpr int kCaptionHeight = 30;
constexpr int kRowHeight = 26;
constexpr int kSumHeight = 17;
constexpr int kBottom = kPageHeight - 34;
constexpr int kPadding = 3;
constexpr int kFontSize = 7;

// Column widths in design units, in the order of ledgerColumns(); they fill
// the width between the margins. The ordinal's holds five digits: a month
// may have ten thousand documents and more.
constexpr std::array<int, kLedgerColumnCount> kWidths = {32, 92, 60, 82, 159, 158, 58,
                                                         58, 58, 58, 58, 58,  58,  58};
// The sums rows' caption spans the text columns.
constexpr int kTextColumns = 6;

struct Sheet
{
    common::Page page;
    int y = kTableTop;
    int runTop = kTableTop; // where the verticals between text columns resume
};

PageFont font(int size, bool bold = false)
{
    PageFont f;
    f.pointSize = size;
    f.bold = bold;
    return f;
}

int columnLeft(int column)
{
    int x = kLeft;
    for (int i = 0; i < column; ++i) {
        x += kWidths.at(static_cast<std::size_t>(i));
    }
    return x;
}

QRect cellRect(int column, int top, int height)
{
    return {columnLeft(column) + kPadding, top + kPadding,
            kWidths.at(static_cast<std::size_t>(column)) - 2 * kPadding, height - 2 * kPadding};
}

QString named(const char* stem, int column)
{
    return QStringLiteral("%1.%2").arg(QLatin1String(stem)).arg(column);
}

void addRule(Sheet& sheet)
{
    sheet.page.elements.push_back(
        common::lineElement(QStringLiteral("rule"), QPoint(kLeft, sheet.y),
                            QPoint(columnLeft(kLedgerColumnCount), sheet.y)));
}

void addCaptions(Sheet& sheet)
{
    PageElement shade = common::boxElement(
        QStringLiteral("captionShade"),
        QRect(kLeft, sheet.y, columnLeft(kLedgerColumnCount) - kLeft, kCaptionHeight), 0);
    shade.filled = true;
    shade.fillRgb = 0xE6E6E6;
    sheet.page.elements.push_back(shade);
    addRule(sheet);
    const auto& columns = ledgerColumns();
    for (int c = 0; c < kLedgerColumnCount; ++c) {
        PageElement caption =
            common::textElement(named("caption", c), cellRect(c, sheet.y, kCaptionHeight),
                                QString::fromUtf8(columns.at(static_cast<std::size_t>(c)).caption),
                                font(kFontSize, true), HAlign::Center);
        caption.wordWrap = true;
        caption.maxLines = 2;
        sheet.page.elements.push_back(std::move(caption));
    }
    sheet.y += kCaptionHeight;
    addRule(sheet);
}

// The cells' names, "cell.<row on the page>.<column>", made once for each
// place and shared by every page: a month's ledger has many cells.
class CellNames final
{
public:
    using Row = std::array<QString, kLedgerColumnCount>;

    const Row& of(int rowOnPage)
    {
        const auto row = static_cast<std::size_t>(rowOnPage);
        while (m_names.size() <= row) {
            auto& names = m_names.emplace_back();
            for (int c = 0; c < kLedgerColumnCount; ++c) {
                names.at(static_cast<std::size_t>(c)) =
                    QStringLiteral("cell.%1.%2").arg(m_names.size() - 1).arg(c);
            }
        }
        return m_names[row];
    }

private:
    std::vector<Row> m_names;
};

void addRow(Sheet& sheet, const LedgerEntry& entry, int ordinal, const CellNames::Row& names)
{
    const auto& columns = ledgerColumns();
    for (int c = 0; c < kLedgerColumnCount; ++c) {
        const LedgerColumn& column = columns.at(static_cast<std::size_t>(c));
        const bool money = column.kind == LedgerColumn::Kind::Money;
        PageElement cell = common::textElement(
            names.at(static_cast<std::size_t>(c)), cellRect(c, sheet.y, kRowHeight),
            cellText(column, entry, ordinal, DateStyle::Printed), font(kFontSize),
            money || column.kind == LedgerColumn::Kind::Ordinal ? HAlign::Right : HAlign::Left);
        cell.wordWrap = column.kind == LedgerColumn::Kind::Text;
        cell.maxLines = cell.wordWrap ? 2 : 0;
        sheet.page.elements.push_back(std::move(cell));
    }
    sheet.y += kRowHeight;
    addRule(sheet);
}

void addVertical(Sheet& sheet, int column, int top, int bottom)
{
    const int x = columnLeft(column);
    sheet.page.elements.push_back(
        common::lineElement(QStringLiteral("vertical"), QPoint(x, top), QPoint(x, bottom)));
}

// The verticals between the text columns of the rows since the last sums
// row: a sums row's caption runs across them.
void closeTextRun(Sheet& sheet)
{
    if (sheet.y > sheet.runTop) {
        for (int c = 1; c < kTextColumns; ++c) {
            addVertical(sheet, c, sheet.runTop, sheet.y);
        }
    }
}

void addSums(Sheet& sheet, const char* stem, const QString& caption, const Amounts& sums)
{
    closeTextRun(sheet);
    const auto& columns = ledgerColumns();
    sheet.page.elements.push_back(common::textElement(
        named(stem, 0),
        QRect(kLeft + kPadding, sheet.y + kPadding, columnLeft(kTextColumns) - kLeft - 2 * kPadding,
              kSumHeight - 2 * kPadding),
        caption, font(kFontSize, true), HAlign::Right));
    for (int c = kTextColumns; c < kLedgerColumnCount; ++c) {
        sheet.page.elements.push_back(common::textElement(
            named(stem, c), cellRect(c, sheet.y, kSumHeight),
            sumCellText(columns.at(static_cast<std::size_t>(c)), sums, QString()),
            font(kFontSize, true), HAlign::Right));
    }
    sheet.y += kSumHeight;
    sheet.runTop = sheet.y;
    addRule(sheet);
}

// The frame's other verticals, from the captions down to the table's end.
void closeFrame(Sheet& sheet)
{
    closeTextRun(sheet);
    addVertical(sheet, 0, kTableTop, sheet.y);
    for (int c = kTextColumns; c <= kLedgerColumnCount; ++c) {
        addVertical(sheet, c, kTableTop, sheet.y);
    }
}

Sheet newSheet(const MonthLedger& ledger, const LedgerHeading& heading, int pageIndex)
{
    Sheet sheet;
    sheet.page.width = kPageWidth;
    sheet.page.height = kPageHeight;
    // A cell per column and a rule under each row, besides the heading, the
    // captions, the sums rows and the frame.
    const auto rows = static_cast<std::size_t>(ledgerRowsOnPage(pageIndex)) + 4;
    sheet.page.elements.reserve(rows * static_cast<std::size_t>(kLedgerColumnCount + 2));
    const int width = kPageWidth - 2 * kLeft;
    sheet.page.elements.push_back(common::textElement(
        QString::fromLatin1(ledgerpage::kTitle), QRect(kLeft, 28, width - 160, 24),
        QStringLiteral("Rejestr sprzedaży VAT — %1").arg(ledger.month.title()), font(13, true)));
    if (!heading.seller.isEmpty()) {
        sheet.page.elements.push_back(common::textElement(QString::fromLatin1(ledgerpage::kSeller),
                                                          QRect(kLeft, 54, width, 16),
                                                          heading.seller, font(9)));
    }
    return sheet;
}

} // namespace

int ledgerRowsOnPage(int pageIndex)
{
    const int top = kTableTop + kCaptionHeight + (pageIndex > 0 ? kSumHeight : 0);
    return (kBottom - kSumHeight - top) / kRowHeight;
}

std::vector<common::Page> ledgerPages(const MonthLedger& ledger, const LedgerHeading& heading)
{
    std::vector<Sheet> sheets;
    CellNames names;
    Amounts carried{};
    std::size_t next = 0;
    do {
        const int pageIndex = static_cast<int>(sheets.size());
        Sheet sheet = newSheet(ledger, heading, pageIndex);
        addCaptions(sheet);
        if (pageIndex > 0) {
            addSums(sheet, "carriedIn", QStringLiteral("Z przeniesienia:"), carried);
        }
        const std::size_t end = std::min(
            ledger.entries.size(), next + static_cast<std::size_t>(ledgerRowsOnPage(pageIndex)));
        for (int row = 0; next < end; ++next, ++row) {
            const LedgerEntry& entry = ledger.entries.at(next);
            addRow(sheet, entry, static_cast<int>(next) + 1, names.of(row));
            // The month's totals were summed from the same rows without
            // leaving the range, so no carried sum can leave it either.
            carried = added(carried, entry.amounts).value_or(ledger.totals);
        }
        if (next < ledger.entries.size()) {
            addSums(sheet, "carriedOut", QStringLiteral("Do przeniesienia:"), carried);
        } else {
            addSums(sheet, "total", totalsCaption() + QLatin1Char(':'), ledger.totals);
        }
        sheets.push_back(std::move(sheet));
    } while (next < ledger.entries.size());
    std::vector<common::Page> pages;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        Sheet& sheet = sheets.at(i);
        closeFrame(sheet);
        sheet.page.elements.push_back(
            common::textElement(QString::fromLatin1(ledgerpage::kPageNumber),
                                QRect(kPageWidth - kLeft - 150, 30, 150, 16),
                                QStringLiteral("Strona %1 z %2").arg(i + 1).arg(sheets.size()),
                                font(9), HAlign::Right));
        pages.push_back(std::move(sheet.page));
    }
    if (ledger.entries.empty()) {
        pages.front().elements.push_back(common::textElement(
            QString::fromLatin1(ledgerpage::kNoRows),
            QRect(kLeft, kTableTop + kCaptionHeight + kSumHeight + 8, kPageWidth - 2 * kLeft, 18),
            QStringLiteral("W tym miesiącu nie zaksięgowano żadnej faktury ani rachunku."),
            font(9)));
    }
    return pages;
}

} // namespace kwitola::registry
