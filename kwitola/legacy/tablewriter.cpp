#include "kwitola/legacy/tablewriter.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/legacy/columnmap.h"
#include "kwitola/legacy/paradoxfile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace kwitola::legacy {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-conversion-%1").arg(++counter);
}

// Runs fn on a connection of its own to the file, then drops it.
template <typename T, typename Fn>
Result<T> withConnection(const QString& path, const QString& options, Fn fn)
{
    const QString name = uniqueConnectionName();
    std::optional<Result<T>> result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        if (db.open()) {
            result.emplace(fn(db));
        } else {
            result.emplace(Result<T>::failure(describeStoreError(db.lastError())));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return std::move(*result);
}

QString insertStatement(const TableLayout& layout)
{
    QStringList marks;
    for (qsizetype i = 0; i < layout.columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(layout.sqlName, layout.columns.join(u", "), marks.join(u", "));
}

// The record number as the store keeps it; an empty field lets the store
// give the next number.
Result<QVariant> recordNumber(const QString& text, const TableLayout& layout, qint64 record)
{
    if (text.isEmpty()) {
        return QVariant(QMetaType::fromType<qint64>());
    }
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok) {
        return Result<QVariant>::failure(
            QStringLiteral("Rekord %1 tabeli %2 ma numer \"%3\", który nie jest liczbą całkowitą.")
                .arg(record + 1)
                .arg(layout.fileName, text));
    }
    return QVariant(number);
}

Result<qint64> copyRecords(ParadoxFile& source, Table table, const std::vector<int>& map,
                           const QSqlDatabase& db)
{
    const TableLayout& layout = layoutOf(table);
    const auto failed = [&](const QSqlError& error) {
        return Result<qint64>::failure(QStringLiteral("Błąd zapisu nowej tabeli %1: %2")
                                           .arg(layout.fileName, describeStoreError(error)));
    };
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN"))) {
        return failed(query.lastError());
    }
    QSqlQuery insert(db);
    if (!insert.prepare(insertStatement(layout))) {
        return failed(insert.lastError());
    }
    const qint64 count = source.recordCount();
    const QString empty = QStringLiteral("");
    QStringList values;
    for (qint64 record = 0; record < count; ++record) {
        if (auto error = source.read(record, values)) {
            return Result<qint64>::failure(*error);
        }
        for (int column = 0; column < layout.columns.size(); ++column) {
            const int from = map[static_cast<std::size_t>(column)];
            const QString text = from >= 0 ? values.at(from) : empty;
            if (layout.recordNumberColumn == column) {
                auto number = recordNumber(text, layout, record);
                if (!number) {
                    return Result<qint64>::failure(number.error());
                }
                insert.bindValue(column, *number);
            } else {
                insert.bindValue(column, text.isNull() ? empty : text);
            }
        }
        if (!insert.exec()) {
            return failed(insert.lastError());
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        return failed(query.lastError());
    }
    return count;
}

} // namespace

Result<qint64> writeTable(ParadoxFile& source, Table table, const QString& path,
                          const QString& password)
{
    const TableLayout& layout = layoutOf(table);
    QStringList names;
    for (const ParadoxField& field : source.fields()) {
        names << field.name;
    }
    const auto map = mapColumns(table, names);
    if (!map) {
        return Result<qint64>::failure(map.error());
    }
    if (auto error = tablefiles::create(layout, path, password)) {
        return Result<qint64>::failure(*error);
    }
    return withConnection<qint64>(path, QString(), [&](const QSqlDatabase& db) {
        return copyRecords(source, table, *map, db);
    });
}

Result<qint64> countRows(Table table, const QString& path)
{
    const TableLayout& layout = layoutOf(table);
    return withConnection<qint64>(
        path, QStringLiteral("QSQLITE_OPEN_READONLY"), [&](const QSqlDatabase& db) {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(layout.sqlName)) ||
                !query.next()) {
                return Result<qint64>::failure(
                    QStringLiteral("Nie można policzyć rekordów nowej tabeli %1: %2")
                        .arg(layout.fileName, describeStoreError(query.lastError())));
            }
            return Result<qint64>(query.value(0).toLongLong());
        });
}

} // namespace kwitola::legacy
