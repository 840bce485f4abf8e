#include "kwitola/legacy/tablewriter.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/legacy/columnmap.h"
#include "kwitola/legacy/paradoxfile.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <optional>
#include <sqlite3.h>

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

// The record number as the store keeps it: a whole number, or nothing for
// an empty field, which lets the store give the next number.
Result<std::optional<qint64>> recordNumber(const QString& text, const TableLayout& layout,
                                           qint64 record)
{
    if (text.isEmpty()) {
        return std::optional<qint64>();
    }
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok) {
        return Result<std::optional<qint64>>::failure(
            QStringLiteral("Rekord %1 tabeli %2 ma numer \"%3\", który nie jest liczbą całkowitą.")
                .arg(record + 1)
                .arg(layout.fileName, text));
    }
    return std::optional<qint64>(number);
}

// The rows are written through the database engine's own interface: the
// records of a large table are written a hundred thousand at a time, and
// binding each value through the SQL module would cost as much again as
// reading it.
class BulkInsert final
{
public:
    BulkInsert() = default;
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;
    ~BulkInsert()
    {
        sqlite3_finalize(m_insert);
        if (m_inTransaction) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        sqlite3_close(m_db);
    }

    // Opens the table file and begins the transaction; the error when it could not.
    Result<void> begin(const QString& path, const QString& statement)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK ||
            sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
            return error();
        }
        m_inTransaction = true;
        const QByteArray sql = statement.toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &m_insert,
                               nullptr) != SQLITE_OK) {
            return error();
        }
        return {};
    }

    // Binds text to the column (counted from 0); it must live until the row is added.
    void bindText(int column, const QString& text)
    {
        sqlite3_bind_text16(m_insert, column + 1, text.utf16(),
                            static_cast<int>(text.size() * qsizetype{sizeof(char16_t)}),
                            SQLITE_STATIC);
    }

    void bindNumber(int column, std::optional<qint64> number)
    {
        if (number) {
            sqlite3_bind_int64(m_insert, column + 1, *number);
        } else {
            sqlite3_bind_null(m_insert, column + 1);
        }
    }

    Result<void> addRow()
    {
        const int status = sqlite3_step(m_insert);
        sqlite3_reset(m_insert);
        if (status != SQLITE_DONE) {
            return error();
        }
        return {};
    }

    Result<void> commit()
    {
        if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
            return error();
        }
        m_inTransaction = false;
        return {};
    }

private:
    // The engine's last error in the user's words.
    common::Failure error() const
    {
        const int code = m_db != nullptr ? sqlite3_extended_errcode(m_db) : SQLITE_NOMEM;
        const QString text = m_db != nullptr ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        return fail(describeStoreError(
            QSqlError(QString(), text, QSqlError::StatementError, QString::number(code))));
    }

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    bool m_inTransaction = false;
};

Result<qint64> copyRecords(ParadoxFile& source, Table table, const std::vector<int>& map,
                           const QString& path)
{
    const TableLayout& layout = layoutOf(table);
    const auto failed = [&](const QString& why) {
        return Result<qint64>::failure(
            QStringLiteral("Błąd zapisu nowej tabeli %1: %2").arg(layout.fileName, why));
    };
    BulkInsert insert;
    if (auto begun = insert.begin(path, insertStatement(layout)); !begun) {
        return failed(begun.error());
    }
    const qint64 count = source.recordCount();
    const QString empty = QStringLiteral("");
    for (qint64 record = 0; record < count; ++record) {
        const auto read = source.read(record);
        if (!read) {
            return read.forward();
        }
        const QStringList& values = *read;
        for (int column = 0; column < layout.columns.size(); ++column) {
            const int from = map[static_cast<std::size_t>(column)];
            const QString& text = from >= 0 && !values.at(from).isNull() ? values.at(from) : empty;
            if (layout.recordNumberColumn == column) {
                auto number = recordNumber(text, layout, record);
                if (!number) {
                    return Result<qint64>::failure(number.error());
                }
                insert.bindNumber(column, *number);
            } else {
                insert.bindText(column, text);
            }
        }
        if (auto added = insert.addRow(); !added) {
            return failed(added.error());
        }
    }
    if (auto committed = insert.commit(); !committed) {
        return failed(committed.error());
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
    if (auto made = tablefiles::create(layout, path, password); !made) {
        return made.forward();
    }
    return copyRecords(source, table, *map, path);
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
