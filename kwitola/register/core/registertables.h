#pragma once

#include "common/core/result.h"
#include "kwitola/core/tablerecords.h"

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

namespace kwitola::registry {

// How long the register keeps trying while Kwitola holds the tables (a
// posting in progress). Each attempt already waits a while inside the
// database engine; between attempts the register pauses once more.
struct RetryPolicy
{
    int attempts = 3;
    std::chrono::milliseconds pause{300};
};

// What the register reads: every posted document, every ledger row and the
// issuers, in table order, read in one snapshot so that they agree.
struct PostedTables
{
    std::vector<StoredDocument> documents;
    std::vector<LedgerRow> ledger;
    std::vector<Issuer> issuers;
};

// What a read takes: everything, the ledger and the issuers alone (the
// month's ledger needs no document), or the issuers alone.
enum class PostedParts { Everything, LedgerAndIssuers, Issuers };

// Reads the posted documents and the ledger of the working folder without
// writing anything; with LedgerAndIssuers the documents stay empty, with Issuers the ledger too.
// Fails with a Polish text when the folder or its tables are missing or unreadable; with
// ErrorKind::Busy when the tables stay held by another program through every attempt.
[[nodiscard]] common::Result<PostedTables>
readPostedTables(const QString& folder, const RetryPolicy& retry = {},
                 PostedParts parts = PostedParts::Everything);

// Refuses a folder that is missing or lacks any of the six tables, before
// anything opens it (opening would create the missing ones).
[[nodiscard]] common::Result<void> checkTablesFolder(const QString& folder);

// Runs one attempt of a read again while it fails because the tables are
// held, pausing between attempts; after the last one the failure says that
// the tables are busy.
[[nodiscard]] common::Result<void> whileBusy(const RetryPolicy& retry,
                                             const std::function<common::Result<void>()>& attempt);

// whileBusy for a read that answers a value.
template <typename T>
[[nodiscard]] common::Result<T> readWhileBusy(const RetryPolicy& retry,
                                              const std::function<common::Result<T>()>& attempt);

// Whether a table store's error text says that another program holds a table.
[[nodiscard]] bool isBusyError(const QString& storeError);

} // namespace kwitola::registry
