#pragma once

// The connection state and the small helpers the files implementing
// TableStore share. Only those files include this header.

#include "kwitola/core/tablestore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace kwitola {

namespace store {

inline const QString kNotOpen = QStringLiteral("Tabele nie są otwarte.");

// wystawca.db is the main database of the connection; the others are
// attached under their own schema names.
[[nodiscard]] QString schemaOf(Table table);
// The table's name with its schema, as statements name it.
[[nodiscard]] QString qualified(Table table);
// A null QString would be bound as SQL NULL; fields always hold text.
[[nodiscard]] QString text(const QString& value);

// "Błąd <action> tabeli <file>: <store error>".
[[nodiscard]] QString failure(Table table, const QString& action, const QSqlError& error);
[[nodiscard]] QString readFailure(Table table, const QSqlQuery& query);
[[nodiscard]] QString noSuchField(Table table, const QString& field);
[[nodiscard]] QString noSuchRecord(Table table, RecordId id);

// The position of the named field, or the refusal naming the table.
[[nodiscard]] Result<int> fieldPosition(Table table, const QString& field);

// The record number and the fields of the query's current row.
[[nodiscard]] Row rowFrom(Table table, const QSqlQuery& query);

// Steps the query on: true on a row, false at the end, the read error when
// the step failed (next() answers false for both).
[[nodiscard]] Result<bool> nextRow(Table table, QSqlQuery& query);

} // namespace store

struct TableStore::Private
{
    QString password;
    QString folder;
    QString connectionName;
    int transactionDepth = 0;
    TableStore::WriteCheck writeCheck;

    [[nodiscard]] QSqlDatabase db() const { return QSqlDatabase::database(connectionName, false); }
    [[nodiscard]] bool isOpen() const { return !connectionName.isEmpty(); }
    [[nodiscard]] QSqlQuery query() const;
    [[nodiscard]] Result<void> exec(const QString& sql) const;
    [[nodiscard]] Result<void> checkWrite(Table table) const;
    // Refuses before the tables are open and for a table without a list.
    [[nodiscard]] Result<void> checkListed(Table table) const;
    // Runs a prepared query whose first column is a record number and answers
    // the first row's number, none, or the error that stopped the read.
    [[nodiscard]] Result<std::optional<RecordId>> firstId(Table table, QSqlQuery& q) const;

    [[nodiscard]] Result<void> checkExisting(QStringList& missing) const;
    [[nodiscard]] Result<void> createMissing(const QStringList& missing) const;
    [[nodiscard]] Result<void> connect();
};

} // namespace kwitola
