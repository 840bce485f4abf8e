#include "kwitola/register/core/registerread.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablefiles.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/nativerows.h"
#include "kwitola/register/core/readonlytables.h"

#include <QDir>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVarLengthArray>
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

QString listColumns(const QStringList& stored)
{
    QStringList names;
    for (const Field field : kListFields) {
        names << stored.at(columnOf<StoredDocument>(field));
    }
    return names.join(QLatin1Char(','));
}

// The fields of a line the list reads, in the order they are selected: the
// name is asked only whether it is empty, the others give the gross.
constexpr std::array<QString StoredLine::*, 4> kLineFields = {
    &StoredLine::name, &StoredLine::quantity, &StoredLine::unitNetPrice, &StoredLine::vatRate};

// The columns of kLineFields for each line slot in turn.
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
        for (const auto member : kLineFields) {
            columns << at(member, line);
        }
    }
    return columns.join(QLatin1Char(','));
}

// The lines as lineColumns gives them after the record number: a slot with
// a name holds a line (named here only to say it is there), the others stay
// empty, as they read.
void fillLines(StoredDocument& document, const NativeRow& row)
{
    int column = 1;
    for (StoredLine& line : document.lines) {
        line = StoredLine{};
        if (row.text(column).isEmpty()) {
            column += static_cast<int>(kLineFields.size());
            continue;
        }
        line.name = QStringLiteral("-");
        ++column;
        for (std::size_t i = 1; i < kLineFields.size(); ++i) {
            line.*kLineFields.at(i) = QString::fromUtf8(row.text(column++));
        }
    }
}

struct Listing
{
    std::vector<RegisterEntry> entries;
    std::vector<std::size_t> withoutLedger; // entries whose gross the lines must give
};

// Stored text keyed by its bytes, without a copy for a lookup.
QByteArray keyOf(QByteArrayView text)
{
    return QByteArray::fromRawData(text.data(), text.size());
}

// Repeated field values (kinds, dates, recipients) are decoded once and
// share one string, so that a long list holds each only once.
class SharedTexts final
{
public:
    QString text(QByteArrayView utf8)
    {
        if (const auto it = m_texts.constFind(keyOf(utf8)); it != m_texts.constEnd()) {
            return *it;
        }
        QString decoded = QString::fromUtf8(utf8);
        m_texts.insert(utf8.toByteArray(), decoded);
        return decoded;
    }

    // The issue date of date fields given by text(), read once for each
    // distinct day, month and year: equal shared texts are one string.
    QDate dateOf(const QString& day, const QString& month, const QString& year)
    {
        const DateKey key{day.constData(), month.constData(), year.constData()};
        auto it = m_dates.constFind(key);
        if (it == m_dates.constEnd()) {
            it = m_dates.insert(key, issueDateOf(day, month, year));
        }
        return *it;
    }

private:
    struct DateKey
    {
        const QChar* day;
        const QChar* month;
        const QChar* year;
        bool operator==(const DateKey&) const = default;
        friend size_t qHash(const DateKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.day, key.month, key.year);
        }
    };

    QHash<QByteArray, QString> m_texts;
    QHash<DateKey, QDate> m_dates;
};

using LedgerGross = QHash<QByteArray, std::optional<Decimal>>;

// The highest record number of a table, which bounds its count without
// reading it; 0 when it does not read.
qsizetype recordBound(QSqlQuery& q, const QString& schema, Table table)
{
    if (!q.exec(
            QStringLiteral("SELECT max(rowid) FROM %1.%2").arg(schema, layoutOf(table).sqlName)) ||
        !q.next()) {
        return 0;
    }
    return static_cast<qsizetype>(std::max<qlonglong>(0, q.value(0).toLongLong()));
}

// An amount as stored: stored amounts are plain ASCII, which is widened on
// the stack instead of being decoded into a new string.
std::optional<Decimal> parsedAmount(QByteArrayView utf8)
{
    QVarLengthArray<char16_t, 32> wide;
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return Decimal::parse(QString::fromUtf8(utf8));
        }
        wide.append(static_cast<char16_t>(c));
    }
    return Decimal::parse(QStringView(wide.constData(), wide.size()));
}

// The first ledger row of a number is its posting's: the rows are read
// last first, so that an earlier row replaces a later one.
common::Result<LedgerGross> ledgerGross(QSqlQuery& q, const QSqlDatabase& db)
{
    const auto stored = storedColumns(q, QStringLiteral("sprzedaz_"), Table::Sprzedaz);
    if (!stored) {
        return stored.forward();
    }
    const QString sql = QStringLiteral("SELECT %1, %2 FROM sprzedaz_.%3 ORDER BY rowid DESC")
                            .arg(stored->at(columnOf<LedgerRow>(&LedgerRow::documentNumber)),
                                 stored->at(columnOf<LedgerRow>(&LedgerRow::grossTotal)),
                                 layoutOf(Table::Sprzedaz).sqlName);
    LedgerGross gross;
    gross.reserve(recordBound(q, QStringLiteral("sprzedaz_"), Table::Sprzedaz));
    auto read = eachNativeRow(db, sql, [&gross](const NativeRow& row) {
        gross.insert(row.text(0).toByteArray(), parsedAmount(row.text(1)));
    });
    if (!read) {
        return common::fail(readFailure(Table::Sprzedaz, read));
    }
    return gross;
}

common::Result<Listing> listDocuments(QSqlQuery& q, const QSqlDatabase& db,
                                      const QStringList& stored, const LedgerGross& gross,
                                      const ArchivedEntry& archived)
{
    const QString sql = QStringLiteral("SELECT rowid, %1 FROM main.%2 ORDER BY rowid")
                            .arg(listColumns(stored), layoutOf(Table::Faktury).sqlName);
    Listing listing;
    listing.entries.reserve(
        static_cast<std::size_t>(recordBound(q, QStringLiteral("main"), Table::Faktury)));
    StoredDocument probe;
    SharedTexts shared;
    auto read = eachNativeRow(db, sql, [&](const NativeRow& row) {
        probe.id = row.integer(0);
        // The number is the one field that never repeats.
        probe.Numer_faktury = QString::fromUtf8(row.text(1));
        for (std::size_t i = 1; i < kListFields.size(); ++i) {
            probe.*kListFields.at(i) = shared.text(row.text(static_cast<int>(i) + 1));
        }
        RegisterEntry entry =
            listedFields(probe, shared.dateOf(probe.issueDay, probe.issueMonth, probe.issueYear));
        if (const auto it = gross.constFind(keyOf(row.text(1))); it != gross.constEnd()) {
            entry.gross = *it;
            entry.grossFromLedger = entry.gross.has_value();
        }
        if (!entry.gross) {
            listing.withoutLedger.push_back(listing.entries.size());
        }
        entry.archived = archived && archived(probe);
        listing.entries.push_back(std::move(entry));
    });
    if (!read) {
        return common::fail(readFailure(Table::Faktury, read));
    }
    return listing;
}

// The lines of the documents the ledger gives no gross for, totalled.
common::Result<void> totalLines(const QSqlDatabase& db, const QStringList& stored, Listing& listing)
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
    auto read = eachNativeRow(db, sql, [&](const NativeRow& row) {
        RegisterEntry& entry = listing.entries.at(entryOf.value(row.integer(0)));
        lines.Numer_faktury = entry.number;
        fillLines(lines, row);
        entry.gross = grossFromLines(lines);
    });
    if (!read) {
        return common::fail(readFailure(Table::Faktury, read));
    }
    return {};
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
    const auto gross = ledgerGross(q, tables.database());
    if (!gross) {
        return gross.forward();
    }
    const auto stored = storedColumns(q, QStringLiteral("main"), Table::Faktury);
    if (!stored) {
        return stored.forward();
    }
    auto listing = listDocuments(q, tables.database(), *stored, *gross, archived);
    if (!listing) {
        return listing.forward();
    }
    if (auto totalled = totalLines(tables.database(), *stored, listing.value()); !totalled) {
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
