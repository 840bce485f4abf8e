#include "kwitola/register/tests/registertestfolder.h"

#include "kwitola/core/tablestore.h"

namespace kwitola::registry::test {

StoredDocument storedDocument(const Posted& posted)
{
    StoredDocument document;
    document.Numer_faktury = posted.number;
    document.kindName = posted.kindName;
    document.issueDay = posted.day;
    document.issueMonth = posted.month;
    document.issueYear = posted.year;
    document.issueDate = posted.day + u'-' + posted.month + u'-' + posted.year;
    document.recipientName = posted.recipient;
    document.recipientTown = QStringLiteral("Gniezno");
    document.recipientNip = QStringLiteral("784-000-11-22");
    for (std::size_t i = 0; i < posted.lines.size() && i < document.lines.size(); ++i) {
        const QStringList& line = posted.lines.at(i);
        document.lines.at(i) = {line.value(0), QString(),     QStringLiteral("szt."),
                                line.value(1), line.value(2), line.value(3)};
    }
    return document;
}

LedgerRow ledgerRow(const Posted& posted)
{
    LedgerRow row;
    row.documentNumber = posted.number;
    row.issueDay = posted.day;
    row.issueMonth = posted.month;
    row.issueYear = posted.year;
    row.recipientName = posted.recipient;
    row.recipientNip = QStringLiteral("784-000-11-22");
    row.recipientAddress = QStringLiteral("ul. Długa 5");
    row.recipientPostalCode = QStringLiteral("62-200");
    row.recipientTown = QStringLiteral("Gniezno");
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
