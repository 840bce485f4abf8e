#include "kwitola/core/printjob.h"

#include "kwitola/core/parties.h"
#include "kwitola/core/salesdocument.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kwitola {

namespace {

const QString kOriginal = QStringLiteral("ORYGINAŁ");
const QString kCopy = QStringLiteral("KOPIA");

// Where each amount of a ledger row comes from on the page.
struct LedgerAmount
{
    QString LedgerRow::*field;
    PrintTotals InvoicePrintInput::*group;
    QString PrintTotals::*part;
};

using P = InvoicePrintInput;
constexpr LedgerAmount kLedgerAmounts[] = {
    {&LedgerRow::grossTotal, &P::document, &PrintTotals::gross},
    {&LedgerRow::net22, &P::rate22, &PrintTotals::net},
    {&LedgerRow::vat22, &P::rate22, &PrintTotals::vat},
    {&LedgerRow::net7, &P::rate7, &PrintTotals::net},
    {&LedgerRow::vat7, &P::rate7, &PrintTotals::vat},
    {&LedgerRow::net0, &P::rate0, &PrintTotals::net},
    {&LedgerRow::netExempt, &P::exempt, &PrintTotals::net},
    {&LedgerRow::vatTotal, &P::document, &PrintTotals::vat},
};

// The issue date's parts and the recipient, which the posted document and
// its ledger row both keep.
template <typename Record> void putDayAndRecipient(Record& record, const InvoicePrintInput& page)
{
    record.issueDay = page.issueDate.day;
    record.issueMonth = page.issueDate.month;
    record.issueYear = page.issueDate.year;
    record.recipientName = page.buyer.name;
    record.recipientAddress = page.buyer.address;
    record.recipientPostalCode = page.buyer.postalCode;
    record.recipientTown = page.buyer.town;
    record.recipientNip = page.buyer.nip;
}

PrintTotals printTotals(const Totals& totals)
{
    return {totals.net, totals.vat, totals.gross};
}

InvoicePrintInput pageOf(const SalesDocument& document, const Parties& parties,
                         const Settings& settings, const DocumentFields& fields)
{
    InvoicePrintInput in;
    in.issueDate = fields.header.date(DocumentHeader::Date::Issue);
    in.deliveryDate = fields.header.date(DocumentHeader::Date::Delivery);
    in.advanceDate = fields.header.date(DocumentHeader::Date::Advance);
    in.placeOfIssue = settings.placeOfIssue;
    in.placeIsRecipientTown = settings.placeIsRecipientTown;
    if (const auto& i = parties.issuer) {
        in.seller = {i->Nazwa_firmy, i->Adres_firmy, i->Kod_pocztowy,  i->Miejscowosc,
                     i->Nip_firmy,   i->Regon_firmy, i->Telefon_firmy, i->Osoba_uprawniona,
                     i->Bank,        i->Numer_konta};
    }
    if (const auto& r = parties.recipient) {
        in.buyer = {r->Nazwa_firmy, r->Adres_firmy, r->Kod_pocztowy,
                    r->Miejscowosc, r->Nip_firmy,   r->Osoba_uprawniona};
    }
    fillLinesAndTotals(in, document);
    in.paymentWay = fields.header.paymentWay;
    return in;
}

} // namespace

void fillLinesAndTotals(InvoicePrintInput& in, const SalesDocument& document)
{
    for (const DocumentLine& line : document.lines()) {
        in.lines.push_back({line.name, line.symbol, line.unit, line.quantity, line.unitPrice,
                            line.net, line.rateText, line.vat, line.gross});
    }
    in.document = printTotals(document.documentTotals());
    in.exempt = printTotals(document.groupTotals(RateGroup::Exempt));
    in.rate0 = printTotals(document.groupTotals(RateGroup::Zero));
    in.rate7 = printTotals(document.groupTotals(RateGroup::Seven));
    in.rate22 = printTotals(document.groupTotals(RateGroup::TwentyTwo));
    in.amountInWords = document.amountInWords().slownie_zlotych;
    in.grosze = document.amountInWords().groszy;
}

PrintJob printJob(const SalesDocument& document, const Parties& parties, const Settings& settings,
                  const DocumentKind& kind, const DocumentFields& fields)
{
    PrintJob job;
    job.totalToPay = document.totalToPay();
    job.issuerEntry = fields.issuerEntry;
    job.recipientEntry = fields.recipientEntry;
    job.page = pageOf(document, parties, settings, fields);
    job.page.title = documentTitle(kind, fields.header.number);
    job.logoPath = settings.logoPath;
    job.postingStep = kind.posting;
    const auto stored = storedNumber(kind, fields.header.number);
    if (stored && parties.recipient) {
        const PostingKind posting{fields.header.number, *stored, QString::fromUtf8(kind.kindName),
                                  kind.ledgerRow};
        job.posting = postingRequest(job.page, posting, parties.recipient->id,
                                     parties.recipient->Telefon_firmy);
    }
    job.advancesCounter = kind.counterAdvances;
    job.preview = settings.previewBeforePrinting;
    job.automaticNumbering = settings.automaticNumbering;
    job.printerName = fields.printerName;
    return job;
}

Result<void> checkPrintable(const PrintJob& job)
{
    // Checked in this order; the first that holds is the one shown.
    const std::array<std::pair<bool, const char*>, 3> refusals{{
        {job.totalToPay.isEmpty() || job.totalToPay == QStringLiteral("0,00"),
         "Nie ma nic do drukowania."},
        {job.issuerEntry.isEmpty(), "Nie wybrano wystawcy dokumentu."},
        {job.recipientEntry.isEmpty(), "Nie wybrano odbiorcy dokumentu."},
    }};
    for (const auto& [refused, text] : refusals) {
        if (refused) {
            return fail(QString::fromUtf8(text));
        }
    }
    return {};
}

QString previewMark(int copies)
{
    return copies == 1 ? kOriginal + QStringLiteral(" / ") + kCopy : kOriginal;
}

QStringList copyMarks(int copies)
{
    if (copies <= 1) {
        return {previewMark(1)};
    }
    QStringList marks{kOriginal};
    for (int i = 1; i < copies; ++i) {
        marks << kCopy;
    }
    return marks;
}

QString printConfirmation(const PrintJob& job)
{
    return QStringLiteral("Data wystawienia : ") + job.page.issueDate.joined() + QLatin1Char('\r') +
           QStringLiteral("Dokument : ") + job.page.title + QLatin1Char('\r') +
           QStringLiteral("Dla : ") + job.recipientEntry + QLatin1Char('\r') +
           QStringLiteral("Forma płatności : ") + job.page.paymentWay + QLatin1Char('.');
}

PostingRequest postingRequest(const InvoicePrintInput& document, const PostingKind& kind,
                              RecordId recipientId, const QString& recipientPhone)
{
    PostingRequest request;
    StoredDocument& stored = request.document;
    stored.Numer_faktury = kind.storedNumber;
    stored.kindName = kind.kindName;
    putDayAndRecipient(stored, document);
    stored.issueDate = document.issueDate.joined();
    stored.deliveryDate = document.deliveryDate.joined();
    stored.advanceDate = document.advanceDate.joined();
    stored.recipientPerson = document.buyer.person;
    const std::size_t count = std::min(document.lines.size(), stored.lines.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PrintLine& line = document.lines.at(i);
        stored.lines.at(i) = {line.name,     line.symbol,       line.unit,
                              line.quantity, line.unitNetPrice, line.vatRate};
    }
    if (kind.ledgerRow) {
        LedgerRow row;
        row.documentNumber = kind.storedNumber;
        putDayAndRecipient(row, document);
        row.recipientPhone = recipientPhone;
        for (const LedgerAmount& amount : kLedgerAmounts) {
            row.*amount.field = document.*amount.group.*amount.part;
        }
        request.ledgerRow = row;
    }
    request.recipientId = recipientId;
    request.recipientPhone = recipientPhone;
    request.replaces = kind.kindName.isEmpty() ? goodsIssuePostings(kind.number)
                                               : invoiceOrBillPostings(kind.number);
    return request;
}

} // namespace kwitola
