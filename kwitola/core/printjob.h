#pragma once

#include "kwitola/core/documentheader.h"
#include "kwitola/core/documentkinds.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/core/posting.h"
#include "kwitola/core/result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kwitola {

class SalesDocument;
struct Parties;

// One print command's whole input: what the refusals look at, the page, what
// posting writes, and the settings printing reads.
struct PrintJob
{
    QString totalToPay;     // as the total field shows it
    QString issuerEntry;    // the issuer list's text; empty: none chosen
    QString recipientEntry; // the recipient list's text; empty: none chosen
    InvoicePrintInput page; // with its title; the copy mark is set per copy
    QString logoPath;       // empty: the print form keeps its earlier logo
    Posting postingStep = Posting::Never;
    std::optional<PostingRequest> posting;
    bool advancesCounter = false;
    bool preview = false;
    bool automaticNumbering = false;
    QString printerName; // empty: the default printer
};

// Fails with the first reason the document cannot be printed, as the message
// says it.
[[nodiscard]] Result<void> checkPrintable(const PrintJob& job);

// The mark shown in the preview, and the marks of the printed copies in
// order, for one, two or three copies.
[[nodiscard]] QString previewMark(int copies);
[[nodiscard]] QStringList copyMarks(int copies);

// The four-line question before printing; lines end in a carriage return.
[[nodiscard]] QString printConfirmation(const PrintJob& job);

// What posting the document writes: its record (with the stored number and
// kind name; an empty kind name is a goods-issue note), the ledger row when
// it has one, and which earlier posting of the number it replaces.
struct PostingKind
{
    QString number;       // the document number as typed
    QString storedNumber; // the number with its kind suffix, if any
    QString kindName;
    bool ledgerRow = false;
};
[[nodiscard]] PostingRequest postingRequest(const InvoicePrintInput& document,
                                            const PostingKind& kind, RecordId recipientId,
                                            const QString& recipientPhone);

// What a print job reads besides the document's lines, the parties and the
// settings: the document's header and the texts of the main window's lists.
struct DocumentFields
{
    DocumentHeader header;
    QString issuerEntry;
    QString recipientEntry;
    QString printerName;
};

// The document's lines, its totals per rate and the amount in words (as
// last refreshed) on the page.
void fillLinesAndTotals(InvoicePrintInput& in, const SalesDocument& document);

// The print job of the current document of the given kind.
[[nodiscard]] PrintJob printJob(const SalesDocument& document, const Parties& parties,
                                const Settings& settings, const DocumentKind& kind,
                                const DocumentFields& fields);

} // namespace kwitola
