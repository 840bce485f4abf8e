#include "kwitola/register/core/ledgerread.h"

#include "kwitola/core/tablecatalogue.h"
#include "kwitola/register/core/nativerows.h"
#include "kwitola/register/core/readonlytables.h"

namespace kwitola::registry {

namespace {

using Rows = std::vector<LedgerRow>;

// A stored year or month the store reads as the number holds its digits:
// only a sign, blanks and leading zeros may stand around them. So the
// condition keeps every row of the month, whatever else it lets through.
QString monthCondition(const QStringList& stored, Month month)
{
    return QStringLiteral("instr(%1, '%2') > 0 AND instr(%3, '%4') > 0")
        .arg(stored.at(columnOf<LedgerRow>(&LedgerRow::issueYear)), QString::number(month.year),
             stored.at(columnOf<LedgerRow>(&LedgerRow::issueMonth)), QString::number(month.month));
}

common::Result<Rows> readOnce(const QString& folder, Month month)
{
    const ReadOnlyTables tables(folder);
    if (!tables.opened()) {
        return tables.opened().forward();
    }
    QSqlQuery q = tables.query();
    const auto stored = storedColumns(q, QStringLiteral("sprzedaz_"), Table::Sprzedaz);
    if (!stored) {
        return stored.forward();
    }
    const QString sql = QStringLiteral("SELECT rowid, %1 FROM sprzedaz_.%2 WHERE %3 ORDER BY rowid")
                            .arg(stored->join(u", "), layoutOf(Table::Sprzedaz).sqlName,
                                 monthCondition(*stored, month));
    const auto columns = stored->size();
    Rows rows;
    auto read = eachNativeRow(tables.database(), sql, [&](const NativeRow& native) {
        Row row;
        row.table = Table::Sprzedaz;
        row.id = native.integer(0);
        row.values.reserve(columns);
        for (qsizetype i = 0; i < columns; ++i) {
            row.values << QString::fromUtf8(native.text(static_cast<int>(i + 1)));
        }
        rows.push_back(fromRow<LedgerRow>(row));
    });
    if (!read) {
        return common::fail(readFailure(Table::Sprzedaz, read));
    }
    return rows;
}

} // namespace

common::Result<Rows> readLedgerRowsOfMonth(const QString& folder, Month month,
                                           const RetryPolicy& retry)
{
    if (auto checked = checkTablesFolder(folder); !checked) {
        return checked.forward();
    }
    return readWhileBusy<Rows>(retry, [&]() -> common::Result<Rows> {
        // The check reads the files too, so a held table may stop it.
        if (auto checked = checkFiles(folder); !checked) {
            return checked.forward();
        }
        return readOnce(folder, month);
    });
}

} // namespace kwitola::registry
