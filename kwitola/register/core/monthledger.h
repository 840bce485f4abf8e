#pragma once

#include "common/core/result.h"
#include "kwitola/core/money.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kwitola {
struct LedgerRow;
}

namespace kwitola::registry {

// A calendar month, as the export and the list filter choose it.
struct Month
{
    int year = 0;
    int month = 0;

    // "2026-03"; nothing for any other shape or a month outside 1 to 12.
    [[nodiscard]] static std::optional<Month> parse(const QString& text);
    [[nodiscard]] QDate first() const;
    [[nodiscard]] QDate last() const;
    // "marzec 2026".
    [[nodiscard]] QString title() const;
    bool operator==(const Month&) const = default;
};

// The amounts of one ledger row, in the order of the register's columns.
enum class Amount { Net22, Vat22, Net7, Vat7, Net0, NetExempt, VatTotal, Gross };
inline constexpr int kAmountCount = 8;
using Amounts = std::array<Decimal, kAmountCount>;

// One row of the monthly sales register.
struct LedgerEntry
{
    QString number;
    QDate issueDate;
    QString recipientNip;
    QString recipientName;
    QString recipientAddress; // street, postal code and town on one line
    Amounts amounts{};

    [[nodiscard]] Decimal amount(Amount which) const;
};

// The month's rows by issue date (table order within a day) and their sums.
struct MonthLedger
{
    Month month;
    std::vector<LedgerEntry> entries;
    Amounts totals{};
};

// The ledger rows issued in the month. An empty amount counts as zero; an
// amount that is not a number fails the whole ledger, naming the document,
// so that no total is ever short of a row. Rows whose issue date is not a
// date belong to no month.
[[nodiscard]] common::Result<MonthLedger> monthLedger(const std::vector<LedgerRow>& rows,
                                                      Month month);

// The issue date of a ledger row or a stored document from its three parts.
[[nodiscard]] QDate issueDateOf(const QString& day, const QString& month, const QString& year);

// Sums of amounts; nothing when a sum would leave the range.
[[nodiscard]] std::optional<Amounts> added(const Amounts& a, const Amounts& b);

// The columns of the register, shared by the CSV and the PDF.
struct LedgerColumn
{
    enum class Kind { Ordinal, Text, Date, Money };
    const char* caption;
    Kind kind;
    QString LedgerEntry::*text = nullptr; // Text columns
    Amount amount = Amount::Gross;        // Money columns
};
inline constexpr int kLedgerColumnCount = 14;
[[nodiscard]] const std::array<LedgerColumn, kLedgerColumnCount>& ledgerColumns();

// How dates are written: "05-03-2026" as the programs print them, or
// "2026-03-05", which every spreadsheet reads as a date.
enum class DateStyle { Printed, Iso };

// The text of a row's cell; ordinal counts the rows from 1.
[[nodiscard]] QString cellText(const LedgerColumn& column, const LedgerEntry& entry, int ordinal,
                               DateStyle dates);
// The text of the column in a sums row: the caption in the number column,
// sums under money, nothing elsewhere.
[[nodiscard]] QString sumCellText(const LedgerColumn& column, const Amounts& sums,
                                  const QString& caption);

// "Razem", the caption of the totals row.
[[nodiscard]] QString totalsCaption();

} // namespace kwitola::registry
