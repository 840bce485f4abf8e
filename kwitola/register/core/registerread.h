#pragma once

#include "common/core/result.h"
#include "kwitola/register/core/registerlist.h"
#include "kwitola/register/core/registertables.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kwitola::registry {

// Whether a document has an archive entry; it is asked with the document's
// number and issue year filled in.
using ArchivedEntry = std::function<bool(const StoredDocument&)>;

// The register's list straight from faktury.DB and sprzedaz.db: the same
// entries registerEntries makes of readPostedTables, but only the fields the
// list shows are read (the lines only of the documents whose gross the
// ledger does not give), in one snapshot through a connection opened
// read-only. Refuses and retries as readPostedTables does.
[[nodiscard]] common::Result<std::vector<RegisterEntry>>
readRegisterEntries(const QString& folder, const ArchivedEntry& archived,
                    const RetryPolicy& retry = {});

// One posted document in full, with the issuers, for its page; nothing
// when the record is gone.
struct DocumentWithIssuers
{
    std::optional<StoredDocument> document;
    std::vector<Issuer> issuers;
};
[[nodiscard]] common::Result<DocumentWithIssuers>
readPostedDocument(const QString& folder, RecordId id, const RetryPolicy& retry = {});

} // namespace kwitola::registry
