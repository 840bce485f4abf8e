#include "kwitola/register/core/registerread.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestore.h"

#include <QDir>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>
#include <array>
#include <atomic>

namespace kwitola::registry {

namespace {

using Field = QString StoredDocument::*;

// The document fields the list is made of, in the order they are selected.
constexpr std::array<Field, 9> kListFields = {
    &StoredDocument::Numer_faktury, &StoredDocument::kindName,      &StoredDocument::issueDay,
    &StoredDocument::issueMonth,    &StoredDocument::issueYear,     &StoredDocument::issueDate,
    &StoredDocument::recipientName, &StoredDocument::recipientTown, &StoredDocument::recipientNip,
};

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

// The table's column names in stored order as the file has them: tables
// converted from the earlier version know most fields only by their place.
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

QString listColumns(const QStringList& stored)
{
    QStringList names;
    for (const Field field : kListFields) {
        names << stored.at(columnOf<StoredDocument>(field));
    }
    return names.join(QLatin1Char(','));
}

// The fields a line's gross is totalled from, in the order each line's
// column joins them; the name is asked only whether it is empty.
constexpr std::array<QString StoredLine::*, 3> kTotalledFields = {
    &StoredLine::quantity, &StoredLine::unitNetPrice, &StoredLine::vatRate};
constexpr QChar kFieldSeparator = QChar(0x1F);

// One column a line: its totalled fields joined by kFieldSeparator (a
// missing value as empty, as it reads), or null for a slot without a name,
// which holds no line. Fetching one text a line instead of one a field keeps
// the read of many documents' lines short.
QString lineColumns(const QStringList& stored)
{
    const auto& catalogue = catalogueOf<StoredDocument>();
    const auto plain = static_cast<qsizetype>(catalogue.fields.size());
    const auto at = [&](QString StoredLine::*member, int line) {
        for (std::size_t r = 0; r < catalogue.lineRuns.size(); ++r) {
            if (catalogue.lineRuns[r].member == member) {
                return stored.at(plain + static_cast<qsizetype>(r) * kStoredLineCount + line);
            }
        }
        return QString();
    };
    QStringList columns;
    for (int line = 0; line < kStoredLineCount; ++line) {
        QStringList parts;
        for (const auto member : kTotalledFields) {
            parts << QStringLiteral("coalesce(%1, '')").arg(at(member, line));
        }
        columns << QStringLiteral("CASE WHEN %1 <> '' THEN %2 END")
                       .arg(at(&StoredLine::name, line),
                            parts.join(QStringLiteral(" || char(31) || ")));
    }
    return columns.join(QLatin1Char(','));
}

// The lines as lineColumns gives them: a line with a value is named (with
// a name that only says it is there), the others stay empty.
void fillLines(StoredDocument& document, const QSqlQuery& q)
{
    int column = 1;
    for (StoredLine& line : document.lines) {
        const QVariant value = q.value(column++);
        line = StoredLine{};
        if (value.isNull()) {
            continue;
        }
        const QString joined = value.toString();
        const QStringList fields = joined.split(kFieldSeparator);
        line.name = QStringLiteral("-");
        if (fields.size() != static_cast<qsizetype>(kTotalledFields.size())) {
            // A field that holds the separator itself reads as no number.
            line.quantity = joined;
            continue;
        }
        for (std::size_t i = 0; i < kTotalledFields.size(); ++i) {
            line.*kTotalledFields.at(i) = fields.value(static_cast<qsizetype>(i));
        }
    }
}

// Runs the statement and hands each row to the reader; a failed step is an
// error, never the end of the rows.
common::Result<void> eachRow(QSqlQuery& q, Table table, const QString& sql,
                             const std::function<void(const QSqlQuery&)>& reader)
{
    if (!q.exec(sql)) {
        return common::fail(readFailure(table, q));
    }
    while (q.next()) {
        reader(q);
    }
    if (q.lastError().isValid()) {
        return common::fail(readFailure(table, q));
    }
    return {};
}

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-register-%1").arg(++counter);
}

// faktury.DB with sprzedaz.db attached, opened read-only, so that the
// register can never write a table; closed with the object.
class ReadOnlyTables final
{
public:
    explicit ReadOnlyTables(const QString& folder) : m_name(uniqueConnectionName())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(QDir(folder).filePath(layoutOf(Table::Faktury).fileName));
        m_opened = openAll(db, folder);
    }
    ~ReadOnlyTables()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    ReadOnlyTables(const ReadOnlyTables&) = delete;
    ReadOnlyTables& operator=(const ReadOnlyTables&) = delete;

    [[nodiscard]] const common::Result<void>& opened() const { return m_opened; }
    [[nodiscard]] QSqlQuery query() const
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        q.setForwardOnly(true);
        return q;
    }

private:
    static common::Result<void> openAll(QSqlDatabase& db, const QString& folder)
    {
        if (!db.open()) {
            return common::fail(QStringLiteral("Nie można otworzyć tabel: %1")
                                    .arg(describeStoreError(db.lastError())));
        }
        QSqlQuery attach(db);
        attach.prepare(QStringLiteral("ATTACH DATABASE ? AS sprzedaz_"));
        attach.addBindValue(QDir(folder).filePath(layoutOf(Table::Sprzedaz).fileName));
        if (!attach.exec()) {
            return common::fail(readFailure(Table::Sprzedaz, attach));
        }
        return {};
    }

    QString m_name;
    common::Result<void> m_opened;
};

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

struct Listing
{
    std::vector<RegisterEntry> entries;
    std::vector<std::size_t> withoutLedger; // entries whose gross the lines must give
};

// The first ledger row of a number is its posting's.
common::Result<QHash<QString, QString>> ledgerGross(QSqlQuery& q)
{
    const auto stored = storedColumns(q, QStringLiteral("sprzedaz_"), Table::Sprzedaz);
    if (!stored) {
        return stored.forward();
    }
    const QString sql = QStringLiteral("SELECT %1, %2 FROM sprzedaz_.%3 ORDER BY rowid")
                            .arg(stored->at(columnOf<LedgerRow>(&LedgerRow::documentNumber)),
                                 stored->at(columnOf<LedgerRow>(&LedgerRow::grossTotal)),
                                 layoutOf(Table::Sprzedaz).sqlName);
    QHash<QString, QString> gross;
    auto read = eachRow(q, Table::Sprzedaz, sql, [&gross](const QSqlQuery& row) {
        const QString number = row.value(0).toString();
        if (!gross.contains(number)) {
            gross.insert(number, row.value(1).toString());
        }
    });
    if (!read) {
        return read.forward();
    }
    return gross;
}

common::Result<Listing> listDocuments(QSqlQuery& q, const QStringList& stored,
                                      const QHash<QString, QString>& gross,
                                      const ArchivedEntry& archived)
{
    const QString sql = QStringLiteral("SELECT rowid, %1 FROM main.%2 ORDER BY rowid")
                            .arg(listColumns(stored), layoutOf(Table::Faktury).sqlName);
    Listing listing;
    // The highest record number bounds the count without reading the table.
    if (q.exec(QStringLiteral("SELECT max(rowid) FROM main.%1")
                   .arg(layoutOf(Table::Faktury).sqlName)) &&
        q.next()) {
        listing.entries.reserve(
            static_cast<std::size_t>(std::max<qlonglong>(0, q.value(0).toLongLong())));
    }
    StoredDocument probe;
    auto read = eachRow(q, Table::Faktury, sql, [&](const QSqlQuery& row) {
        probe.id = row.value(0).toLongLong();
        for (std::size_t i = 0; i < kListFields.size(); ++i) {
            probe.*kListFields.at(i) = row.value(static_cast<int>(i) + 1).toString();
        }
        RegisterEntry entry = listedFields(probe);
        if (const auto it = gross.constFind(probe.Numer_faktury); it != gross.constEnd()) {
            entry.gross = Decimal::parse(*it);
            entry.grossFromLedger = entry.gross.has_value();
        }
        if (!entry.gross) {
            listing.withoutLedger.push_back(listing.entries.size());
        }
        entry.archived = archived && archived(probe);
        listing.entries.push_back(std::move(entry));
    });
    if (!read) {
        return read.forward();
    }
    return listing;
}

// The lines of the documents the ledger gives no gross for, totalled.
common::Result<void> totalLines(QSqlQuery& q, const QStringList& stored, Listing& listing)
{
    if (listing.withoutLedger.empty()) {
        return {};
    }
    QStringList ids;
    QHash<RecordId, std::size_t> entryOf;
    for (const std::size_t i : listing.withoutLedger) {
        ids << QString::number(listing.entries.at(i).id);
        entryOf.insert(listing.entries.at(i).id, i);
    }
    const QString sql =
        QStringLiteral("SELECT rowid, %1 FROM main.%2 WHERE rowid IN (%3)")
            .arg(lineColumns(stored), layoutOf(Table::Faktury).sqlName, ids.join(u','));
    StoredDocument lines;
    return eachRow(q, Table::Faktury, sql, [&](const QSqlQuery& row) {
        RegisterEntry& entry = listing.entries.at(entryOf.value(row.value(0).toLongLong()));
        lines.Numer_faktury = entry.number;
        fillLines(lines, row);
        entry.gross = grossFromLines(lines);
    });
}

common::Result<std::vector<RegisterEntry>> readOnce(const QString& folder,
                                                    const ArchivedEntry& archived)
{
    const ReadOnlyTables tables(folder);
    if (!tables.opened()) {
        return tables.opened().forward();
    }
    QSqlQuery q = tables.query();
    // One read transaction holds both tables still until everything is read.
    if (!q.exec(QStringLiteral("BEGIN"))) {
        return common::fail(readFailure(Table::Faktury, q));
    }
    auto gross = ledgerGross(q);
    if (!gross) {
        return gross.forward();
    }
    const auto stored = storedColumns(q, QStringLiteral("main"), Table::Faktury);
    if (!stored) {
        return stored.forward();
    }
    auto listing = listDocuments(q, *stored, *gross, archived);
    if (!listing) {
        return listing.forward();
    }
    if (auto totalled = totalLines(q, *stored, listing.value()); !totalled) {
        return totalled.forward();
    }
    (void)q.exec(QStringLiteral("COMMIT"));
    return std::move(listing.value().entries);
}

} // namespace

common::Result<std::vector<RegisterEntry>>
readRegisterEntries(const QString& folder, const ArchivedEntry& archived, const RetryPolicy& retry)
{
    if (auto checked = checkTablesFolder(folder); !checked) {
        return checked.forward();
    }
    using Entries = std::vector<RegisterEntry>;
    return readWhileBusy<Entries>(retry, [&]() -> common::Result<Entries> {
        // The check reads the files too, so a held table may stop it.
        if (auto checked = checkFiles(folder); !checked) {
            return checked.forward();
        }
        return readOnce(folder, archived);
    });
}

common::Result<DocumentWithIssuers> readPostedDocument(const QString& folder, RecordId id,
                                                       const RetryPolicy& retry)
{
    if (auto checked = checkTablesFolder(folder); !checked) {
        return checked.forward();
    }
    return readWhileBusy<DocumentWithIssuers>(retry, [&]() -> common::Result<DocumentWithIssuers> {
        TableStore store;
        store.setPassword(QString(kTablePassword));
        if (auto opened = store.open(folder); !opened) {
            return opened.forward();
        }
        auto document = store.get<StoredDocument>(id);
        if (!document) {
            return document.forward();
        }
        auto issuers = store.all<Issuer>();
        if (!issuers) {
            return issuers.forward();
        }
        return DocumentWithIssuers{*std::move(document), *std::move(issuers)};
    });
}

} // namespace kwitola::registry
