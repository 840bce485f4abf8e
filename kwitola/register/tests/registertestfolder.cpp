#include "kwitola/register/tests/registertestfolder.h"

#include "kwitola/core/tablestore.h"

namespace kwitola::registry::test {

namespace {

// The issue date and the recipient, which the document and its ledger row
// both keep under the same names.
template <typename Record> Record issuedTo(const Posted& posted)
{
    Record record;
    record.issueDay = posted.day;
    record.issueMonth = posted.month;
    record.issueYear = posted.year;
    record.recipientName = posted.recipient;
    record.recipientTown = QStringLiteral("Gniezno");
    record.recipientNip = QStringLiteral("784-000-11-22");
    return record;
}

} // namespace

StoredDocument storedDocument(const Posted& posted)
{
    auto document = issuedTo<StoredDocument>(posted);
    document.Numer_faktury = posted.number;
    document.kindName = posted.kindName;
    document.issueDate = posted.day + u'-' + posted.month + u'-' + posted.year;
    for (std::size_t i = 0; i < posted.lines.size() && i < document.lines.size(); ++i) {
        const QStringList& line = posted.lines.at(i);
        document.lines.at(i) = {line.value(0), QString(),     QStringLiteral("szt."),
                                line.value(1), line.value(2), line.value(3)};
    }
    return document;
}

LedgerRow ledgerRow(const Posted& posted)
{
    auto row = issuedTo<LedgerRow>(posted);
    row.documentNumber = posted.number;
    row.recipientAddress = QStringLiteral("ul. Długa 5");
    row.recipientPostalCode = QStringLiteral("62-200");
    row.grossTotal = posted.ledgerGross;
    return row;
}

bool writeTables(const QString& folder, const std::vector<Posted>& posted)
{
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (!store.open(folder)) {
        return false;
    }
    const Result<void> written = store.inTransaction([&]() -> Result<void> {
        for (const Posted& p : posted) {
            if (auto id = store.insertRecord(storedDocument(p)); !id) {
                return id.forward();
            }
            if (p.ledgerGross.isEmpty()) {
                continue;
            }
            if (auto id = store.insertRecord(ledgerRow(p)); !id) {
                return id.forward();
            }
        }
        return {};
    });
    return bool(written);
}

} // namespace kwitola::registry::test
