#include "kwitola/register/core/documentpage.h"

#include "kwitola/core/documentkinds.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/core/printjob.h"
#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/storedlines.h"

#include <array>

namespace kwitola::registry {

namespace {

PrintDate printDate(const QString& joined)
{
    const QStringList parts = joined.split(QLatin1Char('-'));
    if (parts.size() != 3) {
        return {};
    }
    return {parts.at(0), parts.at(1), parts.at(2)};
}

QString titleOf(const StoredDocument& document)
{
    for (const DocumentKind& kind : documentKinds()) {
        if (kind.posting != Posting::Never &&
            QString::fromUtf8(kind.kindName) == document.kindName) {
            const QString title = QString::fromUtf8(kind.title);
            return kind.titleNumbered ? title + document.Numer_faktury : title;
        }
    }
    return document.Numer_faktury;
}

} // namespace

QString reconstructionHeading()
{
    return QStringLiteral("Odtworzone z zapisu w tabelach");
}

common::Result<common::Page> reconstructedPage(const StoredDocument& document, const Issuer* seller)
{
    auto totalled = documentFromLines(document);
    if (!totalled) {
        return totalled.forward();
    }
    InvoicePrintInput in;
    in.title = titleOf(document);
    in.issueDate = {document.issueDay, document.issueMonth, document.issueYear};
    in.deliveryDate = printDate(document.deliveryDate);
    in.advanceDate = printDate(document.advanceDate);
    if (seller) {
        in.seller = {seller->Nazwa_firmy,   seller->Adres_firmy,      seller->Kod_pocztowy,
                     seller->Miejscowosc,   seller->Nip_firmy,        seller->Regon_firmy,
                     seller->Telefon_firmy, seller->Osoba_uprawniona, seller->Bank,
                     seller->Numer_konta};
    }
    in.buyer = {document.recipientName, document.recipientAddress, document.recipientPostalCode,
                document.recipientTown, document.recipientNip,     document.recipientPerson};
    // A total too large for words leaves the words empty, as a fresh
    // document has them.
    totalled.value().refreshAmountInWords();
    fillLinesAndTotals(in, totalled.value());
    common::Page page = invoicePrintout(in);
    // Where a logo would stand: a rebuilt page has none.
    page.elements.push_back(common::textElement(
        QString::fromLatin1(documentpage::kReconstruction), QRect(25, 40, 720, 24),
        reconstructionHeading(), common::fontOfHeight(QStringLiteral("Arial"), 18, true),
        common::HAlign::Center));
    return page;
}

common::Page duplicatePage(const common::Page& printed, const QDate& today)
{
    common::Page page = printed;
    const QString line = QStringLiteral("Data wystawienia duplikatu: ") +
                         today.toString(QStringLiteral("dd-MM-yyyy"));
    // The dates stand right above the title, with no room under them; the
    // line goes lower down, on the copy mark's row, just left of the mark.
    const common::PageElement* mark = page.find(QString::fromLatin1(invoiceprint::kCopyMark));
    const QRect markBox = mark ? mark->rect : QRect(566, 290, 176, 16);
    const QRect where(300, markBox.top(), markBox.left() - 8 - 300, 16);
    common::PageElement duplicate = common::textElement(
        QString::fromLatin1(documentpage::kDuplicateDate), where, line,
        common::fontOfHeight(QStringLiteral("Arial"), 11, true), common::HAlign::Right);
    for (common::PageElement& element : page.elements) {
        if (element.name == QLatin1String(invoiceprint::kCopyMark)) {
            element.text = QStringLiteral("DUPLIKAT");
        }
    }
    page.elements.push_back(duplicate);
    return page;
}

} // namespace kwitola::registry
