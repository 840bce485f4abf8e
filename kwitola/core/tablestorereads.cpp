#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/core/tablestoreprivate.h"

#include <QVariant>

// Whole-table and single-record reads, untyped and typed.

namespace kwitola {

using namespace store;

Result<qint64> TableStore::count(Table table) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(qualified(table))) || !q.next()) {
        return fail(readFailure(table, q));
    }
    return q.value(0).toLongLong();
}

Result<std::vector<ListEntry>> TableStore::listEntries(Table table) const
{
    if (auto listed = d->checkListed(table); !listed) {
        return listed.forward();
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                    .arg(tablefiles::entryExpression(layoutOf(table)), qualified(table)))) {
        return fail(readFailure(table, q));
    }
    std::vector<ListEntry> entries;
    while (q.next()) {
        entries.push_back({q.value(0).toLongLong(), q.value(1).toString()});
    }
    return entries;
}

Result<std::vector<Row>> TableStore::rows(Table table) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(qualified(table)))) {
        return fail(readFailure(table, q));
    }
    std::vector<Row> rows;
    while (q.next()) {
        rows.push_back(rowFrom(table, q));
    }
    return rows;
}

Result<std::optional<Row>> TableStore::row(Table table, RecordId id) const
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(qualified(table)));
    q.addBindValue(id);
    if (!q.exec()) {
        return fail(readFailure(table, q));
    }
    const auto found = nextRow(table, q);
    if (!found) {
        return found.forward();
    }
    return *found ? std::optional<Row>(rowFrom(table, q)) : std::nullopt;
}

template <typename Record> Result<std::optional<Record>> TableStore::get(RecordId id) const
{
    const auto found = row(Record::table, id);
    if (!found) {
        return found.forward();
    }
    if (!*found) {
        return std::optional<Record>();
    }
    return std::optional<Record>(fromRow<Record>(**found));
}

template <typename Record> Result<std::vector<Record>> TableStore::all() const
{
    const auto found = rows(Record::table);
    if (!found) {
        return found.forward();
    }
    std::vector<Record> records;
    records.reserve(found->size());
    for (const Row& row : *found) {
        records.push_back(fromRow<Record>(row));
    }
    return records;
}

// NOLINTBEGIN(bugprone-macro-parentheses): a type name cannot be bracketed
#define KWITOLA_STORE_READS(Record)                                                                \
    template Result<std::optional<Record>> TableStore::get<Record>(RecordId) const;                \
    template Result<std::vector<Record>> TableStore::all<Record>() const;

KWITOLA_FOR_EACH_RECORD(KWITOLA_STORE_READS)

#undef KWITOLA_STORE_READS
// NOLINTEND(bugprone-macro-parentheses)

} // namespace kwitola
