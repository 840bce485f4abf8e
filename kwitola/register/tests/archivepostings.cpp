#include "kwitola/register/tests/archivepostings.h"

#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archive.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>

namespace kwitola::registry::test {

PostingRequest archiveRequest(const ArchiveCase& posting)
{
    const QString bare = QStringLiteral("%1/2026").arg(posting.number);
    PostingRequest request;
    StoredDocument& document = request.document;
    document.Numer_faktury = bare + (posting.bill ? kBillSuffix : kInvoiceSuffix);
    document.kindName = posting.bill ? QString(kBillKindName) : QString(kInvoiceKindName);
    document.issueDay = QStringLiteral("03");
    document.issueMonth = QStringLiteral("03");
    document.issueYear = posting.year;
    document.issueDate = QStringLiteral("03-03-") + posting.year;
    document.recipientName = QStringLiteral("Hurtownia Żuraw");
    document.lines.at(0) = {QStringLiteral("Śruba"), QString(),
                            QStringLiteral("szt."),  QString::number(posting.quantity),
                            QStringLiteral("1,00"),  QStringLiteral("22")};
    request.recipientId = 1;
    request.replaces = invoiceOrBillPostings(bare);
    // A re-posting in another year replaces without asking, as the user
    // agreed in the window.
    request.replaceOtherIssueDate = true;
    return request;
}

ArchivedCopy archiveCopy(const StoredDocument& document)
{
    const QString text =
        QStringLiteral("%1|%2|%3")
            .arg(document.Numer_faktury, document.issueYear, document.lines.at(0).quantity);
    return {(QStringLiteral("strona ") + text).toUtf8(), (QStringLiteral("pdf ") + text).toUtf8()};
}

bool prepareArchiveTables(const QString& folder)
{
    TableStore store;
    store.setPassword(QString(kTablePassword));
    Recipient recipient;
    recipient.Nazwa_firmy = QStringLiteral("Hurtownia Żuraw");
    return store.open(folder) && store.insertRecord(recipient);
}

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(brak)");
}

} // namespace

QStringList archiveInconsistencies(const QString& folder)
{
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (!store.open(folder)) {
        return {QStringLiteral("tables do not open")};
    }
    const auto documents = store.all<StoredDocument>();
    if (!documents) {
        return {QStringLiteral("tables do not read")};
    }
    QStringList problems;
    QSet<QString> expected;
    for (const StoredDocument& document : *documents) {
        const ArchiveEntry entry = archiveEntry(folder, document);
        const ArchivedCopy copy = archiveCopy(document);
        expected << entry.pagePath << entry.pdfPath;
        if (contents(entry.pagePath) != copy.pageJson || contents(entry.pdfPath) != copy.pdf) {
            problems << QStringLiteral("entry of %1 is not its copy: %2")
                            .arg(document.Numer_faktury,
                                 QString::fromUtf8(contents(entry.pagePath)));
        }
    }
    QDirIterator files(folder + QStringLiteral("/archiwum"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!expected.contains(path)) {
            problems << QStringLiteral("left over: %1").arg(path);
        }
    }
    return problems;
}

} // namespace kwitola::registry::test
