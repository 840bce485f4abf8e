#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/core/tablestoreprivate.h"

#include <QVariant>

// Looking records up by the values of their fields.

namespace kwitola {

using namespace store;

RecipientSearch::RecipientSearch(std::vector<Recipient> rows) : m_rows(std::move(rows))
{
    m_firstByEntry.reserve(static_cast<qsizetype>(m_rows.size()));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_firstByEntry.insert(partyEntry(m_rows[i]), i);
    }
    // insert() keeps the last duplicate; the first in table order must win.
    for (std::size_t i = m_rows.size(); i-- > 0;) {
        m_firstByEntry[partyEntry(m_rows[i])] = i;
    }
}

QStringList RecipientSearch::entries() const
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const Recipient& row : m_rows) {
        entries << partyEntry(row);
    }
    return entries;
}

const Recipient* RecipientSearch::findEntry(const QString& entry) const
{
    const auto it = m_firstByEntry.constFind(entry);
    return it == m_firstByEntry.cend() ? nullptr : &m_rows.at(it.value());
}

Result<std::optional<RecordId>> TableStore::findByEntry(Table table, const QString& entry) const
{
    if (auto listed = d->checkListed(table); !listed) {
        return listed.forward();
    }
    // The entry index answers this without walking the table.
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE (%2) = ? ORDER BY rowid LIMIT 1")
                  .arg(qualified(table), tablefiles::entryExpression(layoutOf(table))));
    q.addBindValue(text(entry));
    return d->firstId(table, q);
}

Result<std::optional<RecordId>> TableStore::findFirst(Table table, const QString& field,
                                                      const QString& value) const
{
    return findFirstWhere(table, {{field, value}});
}

Result<std::optional<RecordId>> TableStore::findFirstWhere(Table table,
                                                           const FieldValues& equal) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    const QStringList& columns = layoutOf(table).columns;
    QStringList conditions;
    for (const auto& field : equal) {
        const auto position = fieldPosition(table, field.first);
        if (!position) {
            return position.forward();
        }
        conditions << columns.at(*position) + QStringLiteral(" = ?");
    }
    if (conditions.isEmpty()) {
        conditions << QStringLiteral("1");
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid LIMIT 1")
                  .arg(qualified(table), conditions.join(QStringLiteral(" AND "))));
    for (const auto& field : equal) {
        q.addBindValue(text(field.second));
    }
    return d->firstId(table, q);
}

Result<std::vector<RecordId>> TableStore::findAll(Table table, const QString& field,
                                                  const QString& value) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    const auto position = fieldPosition(table, field);
    if (!position) {
        return position.forward();
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY rowid")
                  .arg(qualified(table), layoutOf(table).columns.at(*position)));
    q.addBindValue(text(value));
    if (!q.exec()) {
        return fail(readFailure(table, q));
    }
    std::vector<RecordId> ids;
    for (;;) {
        const auto found = nextRow(table, q);
        if (!found) {
            return found.forward();
        }
        if (!*found) {
            return ids;
        }
        ids.push_back(q.value(0).toLongLong());
    }
}

Result<RecipientSearch> TableStore::searchRecipients(const QString& pattern) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    // AND binds before OR: (number above 0 and NIP matches) or name or town.
    QSqlQuery q = d->query();
    const TableLayout& layout = layoutOf(Table::Odbiorca);
    q.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE %2 > 0 AND %3 LIKE ? "
                             "OR %4 LIKE ? OR %5 LIKE ? ORDER BY rowid")
                  .arg(qualified(Table::Odbiorca),
                       layout.columns.at(layout.recordNumberColumn.value_or(0)),
                       fieldName<Recipient>(&Recipient::Nip_firmy),
                       fieldName<Recipient>(&Recipient::Nazwa_firmy),
                       fieldName<Recipient>(&Recipient::Miejscowosc)));
    const QString contains = QLatin1Char('%') + pattern + QLatin1Char('%');
    for (int i = 0; i < 3; ++i) {
        q.addBindValue(contains);
    }
    if (!q.exec()) {
        return fail(failure(Table::Odbiorca, QStringLiteral("wyszukiwania w"), q.lastError()));
    }
    std::vector<Recipient> found;
    while (q.next()) {
        found.push_back(fromRow<Recipient>(rowFrom(Table::Odbiorca, q)));
    }
    return RecipientSearch(std::move(found));
}

} // namespace kwitola
