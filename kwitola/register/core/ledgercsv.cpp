#include "kwitola/register/core/ledgercsv.h"

#include "common/core/atomicfile.h"
#include "kwitola/register/core/monthledger.h"

#include <algorithm>

namespace kwitola::registry {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool needsQuotes(const QString& field)
{
    static const QString specials = QStringLiteral(";\"\r\n");
    if (field.isEmpty()) {
        return false;
    }
    if (field.front().isSpace() || field.back().isSpace()) {
        return true;
    }
    return std::any_of(field.cbegin(), field.cend(), [](QChar c) { return specials.contains(c); });
}

} // namespace

QString csvRecord(const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& field : fields) {
        if (needsQuotes(field)) {
            QString quoted = field;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            written << QLatin1Char('"') + quoted + QLatin1Char('"');
        } else {
            written << field;
        }
    }
    return written.join(QLatin1Char(';')) + kLineEnd;
}

QByteArray ledgerCsv(const MonthLedger& ledger)
{
    const auto& columns = ledgerColumns();
    QString text;
    text.reserve(static_cast<qsizetype>(ledger.entries.size() + 2) * 160);
    QStringList fields;
    for (const LedgerColumn& column : columns) {
        fields << QString::fromUtf8(column.caption);
    }
    text += csvRecord(fields);
    int ordinal = 0;
    for (const LedgerEntry& entry : ledger.entries) {
        ++ordinal;
        fields.clear();
        for (const LedgerColumn& column : columns) {
            fields << cellText(column, entry, ordinal, DateStyle::Iso);
        }
        text += csvRecord(fields);
    }
    fields.clear();
    for (const LedgerColumn& column : columns) {
        fields << sumCellText(column, ledger.totals, totalsCaption());
    }
    text += csvRecord(fields);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

common::Result<void> writeLedgerCsv(const MonthLedger& ledger, const QString& path)
{
    return common::writeFileAtomically(path, ledgerCsv(ledger));
}

} // namespace kwitola::registry
