#include "kwitola/core/tablestore.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestoreprivate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <atomic>

// Opening, closing and transactions, and the helpers the reads and writes
// share; the reads, searches and writes stand in their own files.

namespace kwitola {

namespace store {

QString schemaOf(Table table)
{
    return table == Table::Wystawca ? QStringLiteral("main") : layoutOf(table).sqlName.toLower();
}

QString qualified(Table table)
{
    return schemaOf(table) + QLatin1Char('.') + layoutOf(table).sqlName;
}

QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString failure(Table table, const QString& action, const QSqlError& error)
{
    return QStringLiteral("Błąd %1 tabeli %2: %3")
        .arg(action, layoutOf(table).fileName, describeStoreError(error));
}

QString readFailure(Table table, const QSqlQuery& query)
{
    return failure(table, QStringLiteral("odczytu"), query.lastError());
}

QString noSuchField(Table table, const QString& field)
{
    return QStringLiteral("Tabela %1 nie ma pola %2.").arg(layoutOf(table).fileName, field);
}

QString noSuchRecord(Table table, RecordId id)
{
    return QStringLiteral("W tabeli %1 nie ma rekordu numer %2.")
        .arg(layoutOf(table).fileName)
        .arg(id);
}

Result<int> fieldPosition(Table table, const QString& field)
{
    const auto position = columnPosition(table, field);
    if (!position) {
        return fail(noSuchField(table, field));
    }
    return *position;
}

Row rowFrom(Table table, const QSqlQuery& query)
{
    Row row;
    row.table = table;
    row.id = query.value(0).toLongLong();
    const auto columns = layoutOf(table).columns.size();
    row.values.reserve(columns);
    for (qsizetype i = 0; i < columns; ++i) {
        row.values << query.value(static_cast<int>(i + 1)).toString();
    }
    return row;
}

Result<bool> nextRow(Table table, QSqlQuery& query)
{
    if (query.next()) {
        return true;
    }
    if (query.lastError().isValid()) {
        return fail(readFailure(table, query));
    }
    return false;
}

} // namespace store

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-store-%1").arg(++counter);
}

} // namespace

using namespace store;

QSqlQuery TableStore::Private::query() const
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    return q;
}

Result<void> TableStore::Private::exec(const QString& sql) const
{
    QSqlQuery q = query();
    if (!q.exec(sql)) {
        return fail(describeStoreError(q.lastError()));
    }
    return {};
}

Result<void> TableStore::Private::checkWrite(Table table) const
{
    return writeCheck ? writeCheck(table) : Result<void>();
}

Result<void> TableStore::Private::checkListed(Table table) const
{
    if (!isOpen()) {
        return fail(kNotOpen);
    }
    const TableLayout& layout = layoutOf(table);
    if (layout.entryColumns.isEmpty()) {
        return fail(QStringLiteral("Tabela %1 nie ma listy wpisów.").arg(layout.fileName));
    }
    return {};
}

Result<std::optional<RecordId>> TableStore::Private::firstId(Table table, QSqlQuery& q) const
{
    if (!q.exec()) {
        return fail(readFailure(table, q));
    }
    const auto found = nextRow(table, q);
    if (!found) {
        return found.forward();
    }
    return *found ? std::optional<RecordId>(q.value(0).toLongLong()) : std::nullopt;
}

Result<void> TableStore::Private::checkExisting(QStringList& missing) const
{
    for (const Table table : kOpenOrder) {
        const TableLayout& layout = layoutOf(table);
        const QString path = QDir(folder).filePath(layout.fileName);
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
            missing << layout.fileName;
            continue;
        }
        if (auto checked = tablefiles::check(layout, path, password); !checked) {
            return checked;
        }
    }
    return {};
}

// Each missing table is made under a temporary name and renamed into place,
// so that no half-made table is ever left behind; a failure removes the
// tables this call made.
Result<void> TableStore::Private::createMissing(const QStringList& missing) const
{
    QStringList created;
    Result<void> made;
    for (const Table table : kOpenOrder) {
        const TableLayout& layout = layoutOf(table);
        if (!missing.contains(layout.fileName)) {
            continue;
        }
        const QString path = QDir(folder).filePath(layout.fileName);
        const QString temporary = path + QStringLiteral(".tworzenie");
        QFile::remove(temporary);
        made = tablefiles::create(layout, temporary, password);
        if (made && !QFile::rename(temporary, path)) {
            QFile::remove(temporary);
            made = fail(QStringLiteral("Nie można utworzyć tabeli %1.").arg(layout.fileName));
        }
        if (!made) {
            break;
        }
        created << path;
    }
    if (!made) {
        for (const QString& path : created) {
            QFile::remove(path);
        }
    }
    return made;
}

Result<void> TableStore::Private::connect()
{
    const QString name = uniqueConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QDir(folder).filePath(layoutOf(Table::Wystawca).fileName));
        if (!db.open()) {
            const QString error = describeStoreError(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return fail(QStringLiteral("Nie można otworzyć tabel: %1").arg(error));
        }
    }
    connectionName = name;
    for (const Table table : kOpenOrder) {
        if (table == Table::Wystawca) {
            continue;
        }
        QSqlQuery attach = query();
        attach.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schemaOf(table)));
        attach.addBindValue(QDir(folder).filePath(layoutOf(table).fileName));
        if (!attach.exec()) {
            return fail(failure(table, QStringLiteral("otwarcia"), attach.lastError()));
        }
    }
    // The lookup indexes only speed reads up; a folder that cannot take them
    // (read-only) still opens and answers the same.
    for (const Table table : kOpenOrder) {
        for (const QString& statement :
             tablefiles::lookupIndexes(layoutOf(table), schemaOf(table))) {
            (void)exec(statement);
        }
    }
    // LIKE must tell capitals from small letters, as the recipient search does.
    return exec(QStringLiteral("PRAGMA case_sensitive_like = ON"));
}

TableStore::TableStore() : d(std::make_unique<Private>()) {}

TableStore::~TableStore()
{
    close();
}

void TableStore::setPassword(const QString& password)
{
    d->password = password;
}

Result<void> TableStore::open(const QString& folder)
{
    close();
    if (d->password.isEmpty()) {
        return fail(QStringLiteral("Nie podano hasła tabel."));
    }
    const QFileInfo info(folder);
    if (!info.isDir()) {
        return fail(QStringLiteral("Folder tabel %1 nie istnieje.").arg(folder));
    }
    d->folder = info.absoluteFilePath();
    QStringList missing;
    if (auto checked = d->checkExisting(missing); !checked) {
        return checked;
    }
    if (auto made = d->createMissing(missing); !made) {
        return made;
    }
    if (auto connected = d->connect(); !connected) {
        close();
        return connected;
    }
    return {};
}

void TableStore::close()
{
    if (!d->isOpen()) {
        return;
    }
    {
        QSqlDatabase db = d->db();
        db.close();
    }
    QSqlDatabase::removeDatabase(d->connectionName);
    d->connectionName.clear();
    d->transactionDepth = 0;
}

bool TableStore::isOpen() const
{
    return d->isOpen();
}

QString TableStore::folder() const
{
    return d->folder;
}

void TableStore::setWriteCheck(WriteCheck check)
{
    d->writeCheck = std::move(check);
}

Result<void> TableStore::inTransaction(const std::function<Result<void>()>& work)
{
    if (!d->isOpen()) {
        return fail(kNotOpen);
    }
    const QString savepoint = QStringLiteral("kwitola_%1").arg(++d->transactionDepth);
    if (auto begun = d->exec(QStringLiteral("SAVEPOINT ") + savepoint); !begun) {
        --d->transactionDepth;
        return fail(QStringLiteral("Nie można rozpocząć transakcji: %1").arg(begun.error()));
    }
    Result<void> done = work();
    if (done) {
        if (auto released = d->exec(QStringLiteral("RELEASE ") + savepoint); !released) {
            done = fail(QStringLiteral("Nie można zatwierdzić zmian: %1").arg(released.error()));
        }
    }
    if (!done) {
        // The outermost level rolls the transaction back outright: ROLLBACK TO
        // followed by RELEASE would commit the restored pages and so still
        // touch every file (its change counter). A failed RELEASE may also
        // have left the transaction open; undo it whole.
        if (d->transactionDepth == 1 || !d->exec(QStringLiteral("ROLLBACK TO ") + savepoint)) {
            (void)d->exec(QStringLiteral("ROLLBACK"));
        } else {
            (void)d->exec(QStringLiteral("RELEASE ") + savepoint);
        }
    }
    --d->transactionDepth;
    return done;
}

} // namespace kwitola
