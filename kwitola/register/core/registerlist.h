#pragma once

#include "kwitola/core/money.h"
#include "kwitola/core/tablerecords.h"

#include <QCollatorSortKey>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kwitola::registry {

struct PostedTables;

// One posted document as the register lists it.
struct RegisterEntry
{
    RecordId id = 0; // its record in faktury.DB
    QString number;  // the stored number, "12/2026 FV"
    QString kind;    // as Kwitola's kind list names it
    QDate issueDate; // invalid when the stored date is not a date
    QString issueDateText;
    QString issueYear; // as stored, which names the archive's year folder
    QString recipientName;
    QString recipientTown;
    QString recipientNip;
    // From the document's ledger row, otherwise totalled from its stored
    // lines; nothing when neither reads as money.
    std::optional<Decimal> gross;
    bool grossFromLedger = false;
    bool archived = false;
};

// The register's list values of the posted documents, in table order.
// archived answers whether a document has an archive entry.
[[nodiscard]] std::vector<RegisterEntry>
registerEntries(const PostedTables& tables,
                const std::function<bool(const StoredDocument&)>& archived);

// The list values a document's own fields give: all but the gross total
// and the archive mark.
[[nodiscard]] RegisterEntry listedFields(const StoredDocument& document);
// The same with the issue date its date fields give already read.
[[nodiscard]] RegisterEntry listedFields(const StoredDocument& document, QDate issueDate);

// The gross total of the stored lines, totalled as Kwitola totals them;
// nothing when a line does not read.
[[nodiscard]] std::optional<Decimal> grossFromLines(const StoredDocument& document);

// What the list shows: issue dates within the bounds (both included), a
// recipient whose name, town or NIP contains the recipient text, a number
// that contains the number text; letter case is ignored. An empty text or a
// missing bound does not restrict.
struct RegisterFilter
{
    std::optional<QDate> from;
    std::optional<QDate> to;
    QString recipientText;
    QString numberText;

    [[nodiscard]] bool accepts(const RegisterEntry& entry) const;
};

enum class SortColumn { Number, Kind, IssueDate, Recipient, Gross, Archived };

// The entries, sorted by one column and filtered, with the count and the
// gross sum of what is shown. Ties keep table order.
class RegisterList final
{
public:
    RegisterList() = default;
    explicit RegisterList(std::vector<RegisterEntry> entries);

    void setFilter(RegisterFilter filter);
    void sortBy(SortColumn column, bool ascending);

    [[nodiscard]] const RegisterFilter& filter() const { return m_filter; }
    [[nodiscard]] SortColumn sortColumn() const { return m_column; }
    [[nodiscard]] bool ascending() const { return m_ascending; }
    [[nodiscard]] const std::vector<RegisterEntry>& entries() const { return m_entries; }

    [[nodiscard]] int count() const { return static_cast<int>(m_shown.size()); }
    // The shown entry at a row; nullptr outside the list.
    [[nodiscard]] const RegisterEntry* at(int row) const;
    // The sum of the shown gross totals; nothing when it leaves the range.
    [[nodiscard]] std::optional<Decimal> grossSum() const { return m_sum; }
    // How many shown entries have no gross total (and so are not summed).
    [[nodiscard]] int withoutGross() const { return m_withoutGross; }

private:
    void applyFilter();
    void ensureNameKeys();
    // The column's sort keys as numbers, one an entry; nothing for a text
    // column. The recipient is ordered by its collation keys, the number and
    // the kind by compareTexts.
    [[nodiscard]] std::optional<std::vector<qint64>> numberKeys(SortColumn column) const;
    [[nodiscard]] int compareTexts(std::size_t x, std::size_t y) const;

    std::vector<RegisterEntry> m_entries;
    std::vector<QCollatorSortKey> m_nameKeys; // Polish collation, made on first use
    std::vector<std::size_t> m_order;         // all entries in sort order
    std::vector<std::size_t> m_shown;         // m_order filtered
    RegisterFilter m_filter;
    SortColumn m_column = SortColumn::IssueDate;
    bool m_ascending = false;
    std::optional<Decimal> m_sum = Decimal();
    int m_withoutGross = 0;
};

// Whether a stored number comes before another with digit runs compared
// as numbers ("2/2026" before "10/2026").
[[nodiscard]] bool numberLess(const QString& a, const QString& b);

} // namespace kwitola::registry
