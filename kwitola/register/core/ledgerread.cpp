#include "kwitola/register/core/ledgerread.h"

#include "kwitola/core/tablecatalogue.h"
#include "kwitola/register/core/nativerows.h"
#include "kwitola/register/core/readonlytables.h"

namespace kwitola::registry {

namespace {

using Rows = std::vector<LedgerRow>;

// Whether a stored year or month may read as the number. A text of blanks
// and digits reads as the number exactly when the engine's integer of it,
// blanks trimmed, is the number; any other text (a sign, a tab, a
// non-breaking space, letters) is let through for monthLedger to decide.
// So the condition keeps every row of the month, and few others.
QString mayRead(const QString& column, int number)
{
    return QStringLiteral("(CAST(trim(%1) AS INTEGER) = %2 OR %1 GLOB '*[^ 0-9]*')")
        .arg(column, QString::number(number));
}

QString monthCondition(const QStringList& stored, Month month)
{
    return mayRead(stored.at(columnOf<LedgerRow>(&LedgerRow::issueYear)), month.year) +
           QStringLiteral(" AND ") +
           mayRead(stored.at(columnOf<LedgerRow>(&LedgerRow::issueMonth)), month.month);
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
