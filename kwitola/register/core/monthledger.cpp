#include "kwitola/register/core/monthledger.h"

#include "kwitola/core/tablerecords.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace kwitola::registry {

namespace {

using Kind = LedgerColumn::Kind;

// Where each amount of a ledger row is kept, and how its field reads in a
// message.
struct AmountField
{
    Amount amount;
    QString LedgerRow::*member;
    const char* caption;
};

const std::array<AmountField, kAmountCount> kAmountFields = {{
    {Amount::Net22, &LedgerRow::net22, "netto 22%"},
    {Amount::Vat22, &LedgerRow::vat22, "VAT 22%"},
    {Amount::Net7, &LedgerRow::net7, "netto 7%"},
    {Amount::Vat7, &LedgerRow::vat7, "VAT 7%"},
    {Amount::Net0, &LedgerRow::net0, "netto 0%"},
    {Amount::NetExempt, &LedgerRow::netExempt, "netto zw."},
    {Amount::VatTotal, &LedgerRow::vatTotal, "VAT razem"},
    {Amount::Gross, &LedgerRow::grossTotal, "brutto"},
}};

const std::array<LedgerColumn, kLedgerColumnCount> kColumns = {{
    {"Lp.", Kind::Ordinal},
    {"Numer dokumentu", Kind::Text, &LedgerEntry::number},
    {"Data wystawienia", Kind::Date},
    {"NIP odbiorcy", Kind::Text, &LedgerEntry::recipientNip},
    {"Nazwa odbiorcy", Kind::Text, &LedgerEntry::recipientName},
    {"Adres odbiorcy", Kind::Text, &LedgerEntry::recipientAddress},
    {"Netto 22%", Kind::Money, nullptr, Amount::Net22},
    {"VAT 22%", Kind::Money, nullptr, Amount::Vat22},
    {"Netto 7%", Kind::Money, nullptr, Amount::Net7},
    {"VAT 7%", Kind::Money, nullptr, Amount::Vat7},
    {"Netto 0%", Kind::Money, nullptr, Amount::Net0},
    {"Netto zw.", Kind::Money, nullptr, Amount::NetExempt},
    {"VAT razem", Kind::Money, nullptr, Amount::VatTotal},
    {"Brutto", Kind::Money, nullptr, Amount::Gross},
}};

std::size_t slot(Amount amount)
{
    return static_cast<std::size_t>(amount);
}

QString addressOf(const LedgerRow& row)
{
    const QString town =
        QStringList{row.recipientPostalCode.trimmed(), row.recipientTown.trimmed()}.join(u' ');
    QStringList parts{row.recipientAddress.trimmed(), town.trimmed()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

common::Result<LedgerEntry> entryOf(const LedgerRow& row, QDate issueDate)
{
    LedgerEntry entry{row.documentNumber, issueDate,      row.recipientNip,
                      row.recipientName,  addressOf(row), Amounts{}};
    for (const AmountField& field : kAmountFields) {
        const QString& text = row.*field.member;
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const auto value = Decimal::parse(text);
        if (!value) {
            return common::fail(QStringLiteral("Kwota %1 dokumentu %2 w tabeli sprzedaz.db nie "
                                               "jest liczbą: „%3”.")
                                    .arg(QLatin1String(field.caption), row.documentNumber, text));
        }
        entry.amounts.at(slot(field.amount)) = *value;
    }
    return entry;
}

} // namespace

std::optional<Month> Month::parse(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto match = shape.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const Month month{match.captured(1).toInt(), match.captured(2).toInt()};
    if (month.year < 1 || month.month < 1 || month.month > 12) {
        return std::nullopt;
    }
    return month;
}

QDate Month::first() const
{
    return {year, month, 1};
}

QDate Month::last() const
{
    return first().addMonths(1).addDays(-1);
}

QString Month::title() const
{
    return QLocale(QLocale::Polish).standaloneMonthName(month, QLocale::LongFormat) +
           QLatin1Char(' ') + QString::number(year);
}

Decimal LedgerEntry::amount(Amount which) const
{
    return amounts.at(slot(which));
}

QDate issueDateOf(const QString& day, const QString& month, const QString& year)
{
    bool dayOk = false;
    bool monthOk = false;
    bool yearOk = false;
    const QDate date(year.trimmed().toInt(&yearOk), month.trimmed().toInt(&monthOk),
                     day.trimmed().toInt(&dayOk));
    return dayOk && monthOk && yearOk ? date : QDate();
}

std::optional<Amounts> added(const Amounts& a, const Amounts& b)
{
    Amounts sums{};
    for (std::size_t i = 0; i < sums.size(); ++i) {
        const auto sum = a.at(i).plus(b.at(i));
        if (!sum) {
            return std::nullopt;
        }
        sums.at(i) = *sum;
    }
    return sums;
}

common::Result<MonthLedger> monthLedger(const std::vector<LedgerRow>& rows, Month month)
{
    MonthLedger ledger{month, {}, Amounts{}};
    for (const LedgerRow& row : rows) {
        const QDate issued = issueDateOf(row.issueDay, row.issueMonth, row.issueYear);
        if (!issued.isValid() || issued.year() != month.year || issued.month() != month.month) {
            continue;
        }
        auto entry = entryOf(row, issued);
        if (!entry) {
            return entry.forward();
        }
        const auto totals = added(ledger.totals, entry->amounts);
        if (!totals) {
            return common::fail(
                QStringLiteral("Suma rejestru sprzedaży za %1 przekracza zakres kwot.")
                    .arg(month.title()));
        }
        ledger.totals = *totals;
        ledger.entries.push_back(*std::move(entry));
    }
    std::stable_sort(
        ledger.entries.begin(), ledger.entries.end(),
        [](const LedgerEntry& a, const LedgerEntry& b) { return a.issueDate < b.issueDate; });
    return ledger;
}

const std::array<LedgerColumn, kLedgerColumnCount>& ledgerColumns()
{
    return kColumns;
}

QString totalsCaption()
{
    return QStringLiteral("Razem");
}

QString cellText(const LedgerColumn& column, const LedgerEntry& entry, int ordinal, DateStyle dates)
{
    switch (column.kind) {
    case Kind::Ordinal:
        return QString::number(ordinal);
    case Kind::Text:
        return entry.*column.text;
    case Kind::Date:
        return entry.issueDate.toString(dates == DateStyle::Iso ? QStringLiteral("yyyy-MM-dd")
                                                                : QStringLiteral("dd-MM-yyyy"));
    case Kind::Money:
        return entry.amount(column.amount).fmt();
    }
    return {};
}

QString sumCellText(const LedgerColumn& column, const Amounts& sums, const QString& caption)
{
    if (column.kind == Kind::Money) {
        return sums.at(slot(column.amount)).fmt();
    }
    return column.text == &LedgerEntry::number ? caption : QString();
}

} // namespace kwitola::registry
