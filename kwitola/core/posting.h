#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tablerecords.h"

#include <QString>
#include <optional>
#include <vector>

namespace kwitola {

class TableStore;

// What an earlier posting looks like when a new posting replaces it: its
// stored number and its kind name as faktury.DB keeps them.
struct EarlierPosting
{
    QString storedNumber;
    QString kindName;
};

// Everything one posting writes. The document's lines (those with a name)
// are the stock reductions; the issue date becomes the recipient's last
// transaction date.
struct PostingRequest
{
    StoredDocument document;
    // Only VAT invoices and simplified bills enter the ledger.
    std::optional<LedgerRow> ledgerRow;
    // The chosen recipient and the telephone its details show.
    RecordId recipientId = 0;
    QString recipientPhone;
    std::vector<EarlierPosting> replaces;
    // The user agreed to replace an earlier posting of the number whose
    // issue date differs (a counter started again); without that consent
    // such a posting is refused and nothing is written.
    bool replaceOtherIssueDate = false;
};

// The kind names and number suffixes of the two kinds that enter the ledger.
inline constexpr QLatin1String kInvoiceKindName{"Faktura VAT"};
inline constexpr QLatin1String kBillKindName{"Rachunek Uproszczony"};
inline constexpr QLatin1String kInvoiceSuffix{" FV"};
inline constexpr QLatin1String kBillSuffix{" RU"};

// An invoice and a bill of the same number replace each other.
std::vector<EarlierPosting> invoiceOrBillPostings(const QString& number);
// A goods-issue note replaces only a goods-issue note of the same bare number.
std::vector<EarlierPosting> goodsIssuePostings(const QString& number);

// The stored documents the posting would replace, in the order of its
// replaces list; a failed read is an error, never "none".
[[nodiscard]] Result<std::vector<StoredDocument>> earlierPostings(const TableStore& store,
                                                                  const PostingRequest& request);
// The first of them whose issue date is not the new document's; nothing when
// the posting is a reprint (or replaces nothing).
[[nodiscard]] const StoredDocument* postingOfAnotherDate(const std::vector<StoredDocument>& earlier,
                                                         const PostingRequest& request);

// Stores the document: replaces the earlier postings of its number (their
// records and ledger rows), sets the recipient's last transaction and
// inserts the record. A first posting reduces the stock line by line; a
// re-posting moves each goods' stock once by its net change (what the
// earlier postings took, less what this one takes).
[[nodiscard]] Result<void> ZaksiegujDokument(TableStore& store, const PostingRequest& request);
// Writes the ledger row, when the request has one.
[[nodiscard]] Result<void> ZapiszRejestrSprzedazy(TableStore& store, const PostingRequest& request);

// Both of the above as one transaction over every table they write: on any
// failure no table is changed.
[[nodiscard]] Result<void> postDocument(TableStore& store, const PostingRequest& request);

} // namespace kwitola
