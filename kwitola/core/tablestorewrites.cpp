#include "kwitola/core/tablestore.h"
#include "kwitola/core/tablestoreprivate.h"

#include <QVariant>

// Inserts, updates and deletes; each asks the write check first.

namespace kwitola {

using namespace store;

namespace {

// Runs a prepared write that must touch exactly the record of that number.
Result<void> runOnOne(QSqlQuery& q, Table table, RecordId id, const QString& action)
{
    if (!q.exec()) {
        return fail(failure(table, action, q.lastError()));
    }
    if (q.numRowsAffected() != 1) {
        return fail(noSuchRecord(table, id));
    }
    return {};
}

} // namespace

Result<RecordId> TableStore::insert(Table table, const QStringList& values)
{
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    if (auto allowed = d->checkWrite(table); !allowed) {
        return allowed.forward();
    }
    if (values.size() > layout.columns.size()) {
        return fail(QStringLiteral("Tabela %1 ma tylko %2 pól.")
                        .arg(layout.fileName)
                        .arg(layout.columns.size()));
    }
    QStringList columns;
    QStringList marks;
    QSqlQuery q = d->query();
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (layout.recordNumberColumn != i) {
            columns << layout.columns.at(i);
            marks << QStringLiteral("?");
        }
    }
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(qualified(table), columns.join(u", "), marks.join(u", ")));
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (layout.recordNumberColumn != i) {
            q.addBindValue(text(values.value(i)));
        }
    }
    if (!q.exec()) {
        return fail(failure(table, QStringLiteral("zapisu"), q.lastError()));
    }
    return q.lastInsertId().toLongLong();
}

template <typename Record> Result<RecordId> TableStore::insertRecord(const Record& record)
{
    return insert(Record::table, toValues(record));
}

Result<void> TableStore::update(Table table, RecordId id, const FieldValues& values)
{
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    QStringList assignments;
    for (const auto& field : values) {
        const auto position = fieldPosition(table, field.first);
        if (!position) {
            return position.forward();
        }
        if (layout.recordNumberColumn == *position) {
            return fail(
                QStringLiteral("Pola %1 nie można zmieniać.").arg(layout.columns.at(*position)));
        }
        assignments << layout.columns.at(*position) + QStringLiteral(" = ?");
    }
    if (assignments.isEmpty()) {
        return {};
    }
    if (auto allowed = d->checkWrite(table); !allowed) {
        return allowed;
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(qualified(table), assignments.join(u", ")));
    for (const auto& field : values) {
        q.addBindValue(text(field.second));
    }
    q.addBindValue(id);
    return runOnOne(q, table, id, QStringLiteral("zapisu"));
}

template <typename Record> Result<void> TableStore::updateRecord(const Record& record)
{
    const TableLayout& layout = layoutOf(Record::table);
    const QStringList values = toValues(record);
    FieldValues fields;
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (layout.recordNumberColumn != i) {
            fields.emplace_back(layout.columns.at(i), values.at(i));
        }
    }
    return update(Record::table, record.id, fields);
}

Result<void> TableStore::remove(Table table, RecordId id)
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    if (auto allowed = d->checkWrite(table); !allowed) {
        return allowed;
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(qualified(table)));
    q.addBindValue(id);
    return runOnOne(q, table, id, QStringLiteral("usuwania z"));
}

// NOLINTBEGIN(bugprone-macro-parentheses): a type name cannot be bracketed
#define KWITOLA_STORE_WRITES(Record)                                                               \
    template Result<RecordId> TableStore::insertRecord<Record>(const Record&);                     \
    template Result<void> TableStore::updateRecord<Record>(const Record&);

KWITOLA_FOR_EACH_RECORD(KWITOLA_STORE_WRITES)

#undef KWITOLA_STORE_WRITES
// NOLINTEND(bugprone-macro-parentheses)

} // namespace kwitola
