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

// Stores the document: replaces the earlier postings of its number (their
// records, ledger rows and stock reductions), sets the recipient's last
// transaction, inserts the record and reduces the stock of every line.
[[nodiscard]] StoreError ZaksiegujDokument(TableStore& store, const PostingRequest& request);
// Writes the ledger row, when the request has one.
[[nodiscard]] StoreError ZapiszRejestrSprzedazy(TableStore& store, const PostingRequest& request);

// Both of the above as one transaction over every table they write: on any
// failure no table is changed.
[[nodiscard]] StoreError postDocument(TableStore& store, const PostingRequest& request);

} // namespace kwitola
