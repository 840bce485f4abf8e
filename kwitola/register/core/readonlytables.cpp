#include "kwitola/register/core/readonlytables.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestore.h"

#include <QDir>
#include <QSqlError>
#include <atomic>

namespace kwitola::registry {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-register-%1").arg(++counter);
}

common::Result<void> openAll(QSqlDatabase& db, const QString& folder)
{
    if (!db.open()) {
        return common::fail(
            QStringLiteral("Nie można otworzyć tabel: %1").arg(describeStoreError(db.lastError())));
    }
    QSqlQuery attach(db);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS sprzedaz_"));
    attach.addBindValue(QDir(folder).filePath(layoutOf(Table::Sprzedaz).fileName));
    if (!attach.exec()) {
        return common::fail(readFailure(Table::Sprzedaz, attach));
    }
    return {};
}

} // namespace

ReadOnlyTables::ReadOnlyTables(const QString& folder) : m_name(uniqueConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.setDatabaseName(QDir(folder).filePath(layoutOf(Table::Faktury).fileName));
    m_opened = openAll(db, folder);
}

ReadOnlyTables::~ReadOnlyTables()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase ReadOnlyTables::database() const
{
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery ReadOnlyTables::query() const
{
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    return q;
}

// Both table files must be the program's own, as the store would check them.
common::Result<void> checkFiles(const QString& folder)
{
    for (const Table table : {Table::Faktury, Table::Sprzedaz}) {
        const TableLayout& layout = layoutOf(table);
        if (auto checked = tablefiles::check(layout, QDir(folder).filePath(layout.fileName),
                                             QString(kTablePassword));
            !checked) {
            return checked;
        }
    }
    return {};
}

QString quoted(const QString& name)
{
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString readFailure(Table table, const QSqlQuery& q)
{
    return QStringLiteral("Błąd odczytu tabeli %1: %2")
        .arg(layoutOf(table).fileName, describeStoreError(q.lastError()));
}

QString readFailure(Table table, const common::Result<void>& failed)
{
    return QStringLiteral("Błąd odczytu tabeli %1: %2")
        .arg(layoutOf(table).fileName, failed.error());
}

common::Result<QStringList> storedColumns(QSqlQuery& q, const QString& schema, Table table)
{
    if (!q.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, layoutOf(table).sqlName))) {
        return common::fail(readFailure(table, q));
    }
    QStringList names;
    while (q.next()) {
        names << quoted(q.value(1).toString());
    }
    if (q.lastError().isValid()) {
        return common::fail(readFailure(table, q));
    }
    if (names.size() != layoutOf(table).columns.size()) {
        return common::fail(
            QStringLiteral("Tabela %1 ma inny układ pól niż tabele programu Kwitola.")
                .arg(layoutOf(table).fileName));
    }
    return names;
}

} // namespace kwitola::registry
