#pragma once

#include "kwitola/core/amountinwords.h"
#include "kwitola/core/money.h"
#include "kwitola/core/result.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace kwitola {

struct Goods;

inline constexpr int kMaxDocumentLines = 15;

// The rate groups a document is totalled in, in the order of the totals.
enum class RateGroup { Exempt, Zero, Seven, TwentyTwo };
inline constexpr int kRateGroupCount = 4;

// The group of a rate text ("zw." and "zw" are exempt); nothing for any
// other text.
[[nodiscard]] std::optional<RateGroup> rateGroupOf(QStringView rateText);

// Net, VAT and gross of a rate group or of the whole document, as the texts
// the window and the printout show ("0" until the first line).
struct Totals
{
    QString net = QStringLiteral("0");
    QString vat = QStringLiteral("0");
    QString gross = QStringLiteral("0");

    bool operator==(const Totals&) const = default;
};

// The values of the goods being entered (Label56 to Label63, Label78).
struct CurrentLine
{
    QString name;
    QString unitPrice;
    QString unit;
    QString quantity;
    QString rateText;
    QString net;
    QString vat;
    QString gross;
    QString symbol;

    bool operator==(const CurrentLine&) const = default;
};

// One line of the document (Memo6 to Memo14).
struct DocumentLine
{
    QString name;
    QString symbol;
    QString unit;
    QString quantity;
    QString unitPrice;
    QString net;
    QString rateText;
    QString vat;
    QString gross;

    bool operator==(const DocumentLine&) const = default;
};

// Why a line was not added.
enum class AddRefusal {
    NoGoods,             // no goods chosen
    NoQuantity,          // the quantity is empty
    TooManyLines,        // the document holds 15 lines
    QuantityNotPositive, // not a number greater than zero
    UnknownRate,         // the rate text belongs to no group
    OutOfRange,          // a value the document cannot hold
};

// What a removal of the typed quantity from the selected line comes to.
enum class RemovalCheck {
    NoQuantity,  // the quantity is empty
    NotPositive, // zero or less
    Ignored,     // no number, or no line selected: nothing happens
    TooLarge,    // more than the line holds
    WholeLine,   // exactly the line's quantity: the line goes, after a question
    Reduce,      // less: the line is reduced in place
};

// The sales document being written: up to 15 lines, the current line, the
// totals per rate group and for the document, the total to pay and its
// amount in words. Every amount is computed exactly and shown as text with
// two decimals, rounded halves away from zero at each step. VAT is computed
// once per rate group on the group's net total, not summed from the lines.
class SalesDocument final
{
public:
    SalesDocument();

    [[nodiscard]] const CurrentLine& currentLine() const { return m_current; }
    // True while goods are chosen for the current line.
    [[nodiscard]] bool hasGoods() const { return m_hasGoods; }
    [[nodiscard]] const std::vector<DocumentLine>& lines() const { return m_lines; }
    // Memo5: the numbers of the lines, "1" to "20"; they never change.
    [[nodiscard]] const QStringList& lineNumbers() const { return m_lineNumbers; }
    [[nodiscard]] const Totals& groupTotals(RateGroup group) const;
    // Label84, Label85, Label86.
    [[nodiscard]] const Totals& documentTotals() const { return m_document; }
    // Edit5: the total to pay; "0,00" at the start.
    [[nodiscard]] const QString& totalToPay() const { return m_totalToPay; }
    // zlotych, groszy and slownie_zlotych of the last accepted total.
    [[nodiscard]] const AmountInWords& amountInWords() const { return m_words; }
    // The line last selected (0 at the start), for removal and posting.
    [[nodiscard]] int selectedIndex() const { return m_selectedIndex; }
    // True from selecting a line until the next removal, clearing or goods
    // choice.
    [[nodiscard]] bool removalEnabled() const { return m_removalEnabled; }

    // Loads the current line from a goods record with quantity "0" and ends
    // any line selection. A price or rate that does not read as a number
    // gives an error text and leaves no goods loaded.
    [[nodiscard]] Result<void> loadGoods(const Goods& goods);
    // Recomputes the current line for the typed quantity. Stops at the first
    // text that does not read as a number, keeping what was computed so far;
    // false then.
    bool recompute(const QString& quantity);
    // Adds the current line for the typed quantity; nothing when added.
    [[nodiscard]] std::optional<AddRefusal> add(const QString& quantity);

    // Selects a line and loads the current line from the line itself, with
    // quantity "0". False for an index outside the document.
    bool selectLine(int index);
    [[nodiscard]] RemovalCheck checkRemoval(QStringView quantity) const;
    // Removes the selected line whole. False when nothing changed.
    bool removeSelectedLine();
    // Reduces the selected line by the typed quantity. False when nothing
    // changed.
    bool reduceSelectedLine(const QString& quantity);
    // Empties the document; the amount in words stays as it was.
    void clear();
    // Forgets the goods choice of the current line (the goods list shows no
    // choice) and ends any line selection.
    void dropGoods();

    // Checks the total to pay and splits it for the words. A total the words
    // cannot be given for sets the total to "0,00", keeps the earlier words
    // and answers false.
    bool refreshAmountInWords();

private:
    // The totals with the net value added to (sign 1) or taken from (sign -1)
    // the group of the rate; nothing when a value leaves the range.
    struct AllTotals
    {
        std::array<Totals, kRateGroupCount> groups;
        Totals document;
    };
    [[nodiscard]] std::optional<AllTotals> summed(const QString& rateText, const QString& net,
                                                  int sign) const;
    void apply(const AllTotals& totals);
    void loadLine(const CurrentLine& values, Decimal rate);
    void afterRemoval();
    [[nodiscard]] std::optional<Decimal> selectedQuantity() const;

    CurrentLine m_current;
    Decimal m_rate;
    bool m_hasGoods = false;
    std::vector<DocumentLine> m_lines;
    QStringList m_lineNumbers;
    std::array<Totals, kRateGroupCount> m_groups;
    Totals m_document;
    QString m_totalToPay = QStringLiteral("0,00");
    AmountInWords m_words;
    int m_selectedIndex = 0;
    bool m_removalEnabled = false;
};

} // namespace kwitola
