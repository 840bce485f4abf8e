#include "kwitola/core/tablestore.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace kwitola {

namespace {

const QString kNotOpen = QStringLiteral("Tabele nie są otwarte.");

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-store-%1").arg(++counter);
}

// wystawca.db is the main database of the connection; the others are
// attached under their own schema names.
QString schemaOf(Table table)
{
    return table == Table::Wystawca ? QStringLiteral("main") : layoutOf(table).sqlName.toLower();
}

QString qualified(Table table)
{
    return schemaOf(table) + QLatin1Char('.') + layoutOf(table).sqlName;
}

// A null QString would be bound as SQL NULL; fields always hold text.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString failure(Table table, const QString& action, const QSqlError& error)
{
    return QStringLiteral("Błąd %1 tabeli %2: %3")
        .arg(action, layoutOf(table).fileName, describeStoreError(error));
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

} // namespace

struct TableStore::Private
{
    QString password;
    QString folder;
    QString connectionName;
    int transactionDepth = 0;
    TableStore::WriteCheck writeCheck;

    [[nodiscard]] QSqlDatabase db() const { return QSqlDatabase::database(connectionName, false); }
    [[nodiscard]] bool isOpen() const { return !connectionName.isEmpty(); }
    [[nodiscard]] QSqlQuery query() const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        return q;
    }
    Result<void> exec(const QString& sql) const
    {
        QSqlQuery q = query();
        if (!q.exec(sql)) {
            return fail(describeStoreError(q.lastError()));
        }
        return {};
    }
    Result<std::optional<RecordId>> firstId(Table table, QSqlQuery& q) const;
    [[nodiscard]] Result<void> checkWrite(Table table) const
    {
        return writeCheck ? writeCheck(table) : Result<void>();
    }
    Result<void> checkExisting(QStringList& missing) const;
    Result<void> createMissing(const QStringList& missing) const;
    Result<void> connect();
};

// Runs a prepared query whose first column is a record number and answers
// the first row's number, none, or the error that stopped the read.
Result<std::optional<RecordId>> TableStore::Private::firstId(Table table, QSqlQuery& q) const
{
    using Found = Result<std::optional<RecordId>>;
    if (!q.exec()) {
        return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    if (!q.next()) {
        if (q.lastError().isValid()) {
            return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
        }
        return std::optional<RecordId>();
    }
    return std::optional<RecordId>(q.value(0).toLongLong());
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

Result<qint64> TableStore::count(Table table) const
{
    if (!d->isOpen()) {
        return Result<qint64>::failure(kNotOpen);
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(qualified(table))) || !q.next()) {
        return Result<qint64>::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    return q.value(0).toLongLong();
}

Result<std::vector<ListEntry>> TableStore::listEntries(Table table) const
{
    using Entries = Result<std::vector<ListEntry>>;
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return Entries::failure(kNotOpen);
    }
    if (layout.entryColumns.isEmpty()) {
        return Entries::failure(
            QStringLiteral("Tabela %1 nie ma listy wpisów.").arg(layout.fileName));
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                    .arg(tablefiles::entryExpression(layout), qualified(table)))) {
        return Entries::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    std::vector<ListEntry> entries;
    while (q.next()) {
        entries.push_back({q.value(0).toLongLong(), q.value(1).toString()});
    }
    return entries;
}

Result<std::optional<RecordId>> TableStore::findByEntry(Table table, const QString& entry) const
{
    using Found = Result<std::optional<RecordId>>;
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return Found::failure(kNotOpen);
    }
    if (layout.entryColumns.isEmpty()) {
        return Found::failure(
            QStringLiteral("Tabela %1 nie ma listy wpisów.").arg(layout.fileName));
    }
    // The entry index answers this without walking the table.
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE (%2) = ? ORDER BY rowid LIMIT 1")
                  .arg(qualified(table), tablefiles::entryExpression(layout)));
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
    using Found = Result<std::optional<RecordId>>;
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return Found::failure(kNotOpen);
    }
    QStringList conditions;
    for (const auto& field : equal) {
        const auto position = columnPosition(table, field.first);
        if (!position) {
            return Found::failure(
                QStringLiteral("Tabela %1 nie ma pola %2.").arg(layout.fileName, field.first));
        }
        conditions << layout.columns.at(*position) + QStringLiteral(" = ?");
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
    using Found = Result<std::vector<RecordId>>;
    const auto position = columnPosition(table, field);
    if (!d->isOpen()) {
        return Found::failure(kNotOpen);
    }
    if (!position) {
        return Found::failure(
            QStringLiteral("Tabela %1 nie ma pola %2.").arg(layoutOf(table).fileName, field));
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY rowid")
                  .arg(qualified(table), layoutOf(table).columns.at(*position)));
    q.addBindValue(text(value));
    if (!q.exec()) {
        return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    std::vector<RecordId> ids;
    while (q.next()) {
        ids.push_back(q.value(0).toLongLong());
    }
    // next() is false both at the end and on a failed step.
    if (q.lastError().isValid()) {
        return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    return ids;
}

Result<std::vector<Row>> TableStore::rows(Table table) const
{
    if (!d->isOpen()) {
        return Result<std::vector<Row>>::failure(kNotOpen);
    }
    QSqlQuery q = d->query();
    if (!q.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(qualified(table)))) {
        return Result<std::vector<Row>>::failure(
            failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    std::vector<Row> rows;
    while (q.next()) {
        rows.push_back(rowFrom(table, q));
    }
    return rows;
}

Result<std::optional<Row>> TableStore::row(Table table, RecordId id) const
{
    using Found = Result<std::optional<Row>>;
    if (!d->isOpen()) {
        return Found::failure(kNotOpen);
    }
    QSqlQuery q = d->query();
    q.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(qualified(table)));
    q.addBindValue(id);
    if (!q.exec()) {
        return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
    }
    if (!q.next()) {
        // next() is false both at the end and on a failed step.
        if (q.lastError().isValid()) {
            return Found::failure(failure(table, QStringLiteral("odczytu"), q.lastError()));
        }
        return std::optional<Row>();
    }
    return std::optional<Row>(rowFrom(table, q));
}

template <typename Record> Result<std::optional<Record>> TableStore::get(RecordId id) const
{
    using Found = Result<std::optional<Record>>;
    const auto found = row(Record::table, id);
    if (!found) {
        return Found::failure(found.error());
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
        return Result<std::vector<Record>>::failure(found.error());
    }
    std::vector<Record> records;
    records.reserve(found->size());
    for (const Row& row : *found) {
        records.push_back(fromRow<Record>(row));
    }
    return records;
}

Result<RecordId> TableStore::insert(Table table, const QStringList& values)
{
    const TableLayout& layout = layoutOf(table);
    if (!d->isOpen()) {
        return Result<RecordId>::failure(kNotOpen);
    }
    if (auto allowed = d->checkWrite(table); !allowed) {
        return allowed.forward();
    }
    if (values.size() > layout.columns.size()) {
        return Result<RecordId>::failure(QStringLiteral("Tabela %1 ma tylko %2 pól.")
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
        return Result<RecordId>::failure(failure(table, QStringLiteral("zapisu"), q.lastError()));
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
    for (const auto& [field, value] : values) {
        const auto position = columnPosition(table, field);
        if (!position) {
            return fail(QStringLiteral("Tabela %1 nie ma pola %2.").arg(layout.fileName, field));
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
    if (!q.exec()) {
        return fail(failure(table, QStringLiteral("zapisu"), q.lastError()));
    }
    if (q.numRowsAffected() != 1) {
        return fail(
            QStringLiteral("W tabeli %1 nie ma rekordu numer %2.").arg(layout.fileName).arg(id));
    }
    return {};
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
    if (!q.exec()) {
        return fail(failure(table, QStringLiteral("usuwania z"), q.lastError()));
    }
    if (q.numRowsAffected() != 1) {
        return fail(QStringLiteral("W tabeli %1 nie ma rekordu numer %2.")
                        .arg(layoutOf(table).fileName)
                        .arg(id));
    }
    return {};
}

Result<RecipientSearch> TableStore::searchRecipients(const QString& pattern) const
{
    if (!d->isOpen()) {
        return Result<RecipientSearch>::failure(kNotOpen);
    }
    // AND binds before OR: (number above 0 and NIP matches) or name or town.
    QSqlQuery q = d->query();
    const TableLayout& layout = layoutOf(Table::Odbiorca);
    q.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE %2 > 0 AND %3 LIKE ? "
                             "OR %4 LIKE ? OR %5 LIKE ? ORDER BY rowid")
                  .arg(qualified(Table::Odbiorca),
                       layout.columns.at(layout.recordNumberColumn.value_or(0)),
                       fieldName(&Recipient::Nip_firmy), fieldName(&Recipient::Nazwa_firmy),
                       fieldName(&Recipient::Miejscowosc)));
    const QString contains = QLatin1Char('%') + pattern + QLatin1Char('%');
    for (int i = 0; i < 3; ++i) {
        q.addBindValue(contains);
    }
    if (!q.exec()) {
        return Result<RecipientSearch>::failure(
            failure(Table::Odbiorca, QStringLiteral("wyszukiwania w"), q.lastError()));
    }
    std::vector<Recipient> found;
    while (q.next()) {
        found.push_back(fromRow<Recipient>(rowFrom(Table::Odbiorca, q)));
    }
    return RecipientSearch(std::move(found));
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

// NOLINTBEGIN(bugprone-macro-parentheses): a type name cannot be bracketed
#define KWITOLA_STORE_RECORD(Record)                                                               \
    template Result<std::optional<Record>> TableStore::get<Record>(RecordId) const;                \
    template Result<std::vector<Record>> TableStore::all<Record>() const;                          \
    template Result<RecordId> TableStore::insertRecord<Record>(const Record&);                     \
    template Result<void> TableStore::updateRecord<Record>(const Record&);

KWITOLA_STORE_RECORD(Issuer)
KWITOLA_STORE_RECORD(Recipient)
KWITOLA_STORE_RECORD(RecipientCopy)
KWITOLA_STORE_RECORD(Goods)
KWITOLA_STORE_RECORD(StoredDocument)
KWITOLA_STORE_RECORD(LedgerRow)

#undef KWITOLA_STORE_RECORD
// NOLINTEND(bugprone-macro-parentheses)

} // namespace kwitola
