#include "kwitola/register/core/registerlist.h"

#include "kwitola/core/documentkinds.h"
#include "kwitola/core/salesdocument.h"
#include "kwitola/register/core/linesgross.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registertables.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace kwitola::registry {

namespace {

// The kind list's name of a stored kind name; the goods-issue note is
// stored without one.
QString kindText(const QString& kindName)
{
    static const QHash<QString, QString> listed = [] {
        QHash<QString, QString> names;
        for (const DocumentKind& kind : documentKinds()) {
            if (kind.posting != Posting::Never) {
                names.insert(QString::fromUtf8(kind.kindName), QString::fromUtf8(kind.listText));
            }
        }
        return names;
    }();
    return listed.value(kindName, kindName);
}

template <typename Key> int compareKeys(const Key& a, const Key& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The digits from position at, without leading zeros; at moves past them.
QStringView digitRun(const QString& text, qsizetype& at)
{
    while (at + 1 < text.size() && text.at(at) == QLatin1Char('0') && text.at(at + 1).isDigit()) {
        ++at;
    }
    const qsizetype start = at;
    while (at < text.size() && text.at(at).isDigit()) {
        ++at;
    }
    return QStringView(text).sliced(start, at - start);
}

bool containsText(const QString& field, const QString& text)
{
    return field.contains(text, Qt::CaseInsensitive);
}

} // namespace

std::optional<Decimal> grossFromLines(const StoredDocument& document)
{
    return grossOfLines(document);
}

RegisterEntry listedFields(const StoredDocument& document)
{
    return listedFields(document,
                        issueDateOf(document.issueDay, document.issueMonth, document.issueYear));
}

RegisterEntry listedFields(const StoredDocument& document, QDate issueDate)
{
    return {.id = document.id,
            .number = document.Numer_faktury,
            .kind = kindText(document.kindName),
            .issueDate = issueDate,
            .issueDateText = document.issueDate,
            .issueYear = document.issueYear,
            .recipientName = document.recipientName,
            .recipientTown = document.recipientTown,
            .recipientNip = document.recipientNip,
            .gross = std::nullopt,
            .grossFromLedger = false,
            .archived = false};
}

std::vector<RegisterEntry>
registerEntries(const PostedTables& tables,
                const std::function<bool(const StoredDocument&)>& archived)
{
    // The first ledger row of a number is its posting's; a re-posting has
    // already removed any earlier one.
    QHash<QString, const LedgerRow*> ledgerByNumber;
    ledgerByNumber.reserve(static_cast<qsizetype>(tables.ledger.size()));
    for (const LedgerRow& row : tables.ledger) {
        ledgerByNumber.insert(row.documentNumber, &row);
    }
    for (auto it = tables.ledger.rbegin(); it != tables.ledger.rend(); ++it) {
        ledgerByNumber[it->documentNumber] = &*it;
    }
    std::vector<RegisterEntry> entries;
    entries.reserve(tables.documents.size());
    for (const StoredDocument& document : tables.documents) {
        RegisterEntry entry = listedFields(document);
        if (const LedgerRow* row = ledgerByNumber.value(document.Numer_faktury)) {
            entry.gross = Decimal::parse(row->grossTotal);
            entry.grossFromLedger = entry.gross.has_value();
        }
        if (!entry.gross) {
            entry.gross = grossFromLines(document);
        }
        entry.archived = archived && archived(document);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool RegisterFilter::accepts(const RegisterEntry& entry) const
{
    if ((from || to) && !entry.issueDate.isValid()) {
        return false;
    }
    if ((from && entry.issueDate < *from) || (to && entry.issueDate > *to)) {
        return false;
    }
    if (!recipientText.isEmpty() && !containsText(entry.recipientName, recipientText) &&
        !containsText(entry.recipientTown, recipientText) &&
        !containsText(entry.recipientNip, recipientText)) {
        return false;
    }
    return numberText.isEmpty() || containsText(entry.number, numberText);
}

bool numberLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            const QStringView runA = digitRun(a, i);
            const QStringView runB = digitRun(b, j);
            // Without leading zeros the longer run is the larger number.
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size();
            }
            if (const int c = runA.compare(runB); c != 0) {
                return c < 0;
            }
            continue;
        }
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(j).toCaseFolded();
        if (x != y) {
            return x < y;
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

RegisterList::RegisterList(std::vector<RegisterEntry> entries) : m_entries(std::move(entries))
{
    sortBy(m_column, m_ascending);
}

void RegisterList::ensureNameKeys()
{
    if (m_nameKeys.size() == m_entries.size()) {
        return;
    }
    QCollator collator{QLocale(QLocale::Polish)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_nameKeys.clear();
    m_nameKeys.reserve(m_entries.size());
    for (const RegisterEntry& entry : m_entries) {
        m_nameKeys.push_back(collator.sortKey(entry.recipientName));
    }
}

void RegisterList::sortBy(SortColumn column, bool ascending)
{
    m_column = column;
    m_ascending = ascending;
    m_order.resize(m_entries.size());
    for (std::size_t i = 0; i < m_order.size(); ++i) {
        m_order[i] = i;
    }
    const auto sorted = [&](const auto& compare) {
        std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t x, std::size_t y) {
            const int c = compare(x, y);
            return m_ascending ? c < 0 : c > 0;
        });
    };
    if (const auto keys = numberKeys(column)) {
        sorted(
            [&keys](std::size_t x, std::size_t y) { return compareKeys((*keys)[x], (*keys)[y]); });
    } else if (column == SortColumn::Recipient) {
        ensureNameKeys();
        sorted(
            [this](std::size_t x, std::size_t y) { return m_nameKeys[x].compare(m_nameKeys[y]); });
    } else {
        sorted([this](std::size_t x, std::size_t y) { return compareTexts(x, y); });
    }
    applyFilter();
}

std::optional<std::vector<qint64>> RegisterList::numberKeys(SortColumn column) const
{
    const auto keyOf = [column](const RegisterEntry& entry) -> std::optional<qint64> {
        switch (column) {
        case SortColumn::IssueDate:
            // An invalid date has the smallest day number, as it compares.
            return entry.issueDate.toJulianDay();
        case SortColumn::Gross:
            // Entries without a total come first, as the smallest; no
            // amount reaches the smallest number.
            return entry.gross ? entry.gross->units() : std::numeric_limits<qint64>::min();
        case SortColumn::Archived:
            return entry.archived ? 1 : 0;
        default:
            return std::nullopt;
        }
    };
    if (!keyOf(RegisterEntry{})) {
        return std::nullopt;
    }
    std::vector<qint64> keys;
    keys.reserve(m_entries.size());
    for (const RegisterEntry& entry : m_entries) {
        keys.push_back(*keyOf(entry));
    }
    return keys;
}

int RegisterList::compareTexts(std::size_t x, std::size_t y) const
{
    const RegisterEntry& a = m_entries.at(x);
    const RegisterEntry& b = m_entries.at(y);
    switch (m_column) {
    case SortColumn::Number:
        return numberLess(a.number, b.number) ? -1 : (numberLess(b.number, a.number) ? 1 : 0);
    case SortColumn::Kind:
        return a.kind.compare(b.kind);
    default:
        return 0;
    }
}

void RegisterList::setFilter(RegisterFilter filter)
{
    m_filter = std::move(filter);
    applyFilter();
}

void RegisterList::applyFilter()
{
    m_shown.clear();
    m_sum = Decimal();
    m_withoutGross = 0;
    for (const std::size_t i : m_order) {
        const RegisterEntry& entry = m_entries.at(i);
        if (!m_filter.accepts(entry)) {
            continue;
        }
        m_shown.push_back(i);
        if (!entry.gross) {
            ++m_withoutGross;
        } else if (m_sum) {
            m_sum = m_sum->plus(*entry.gross);
        }
    }
}

const RegisterEntry* RegisterList::at(int row) const
{
    if (row < 0 || row >= count()) {
        return nullptr;
    }
    return &m_entries.at(m_shown.at(static_cast<std::size_t>(row)));
}

} // namespace kwitola::registry
