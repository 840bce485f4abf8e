#include "kwitola/register/core/registertables.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tables.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/registerread.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <array>
#include <optional>

namespace kwitola::registry {

namespace {

// The engine's "busy" and "locked" codes as the store words them.
const QStringList& busyPhrases()
{
    static const QStringList phrases = [] {
        QStringList texts;
        for (const char* code : {"5", "6"}) {
            texts << describeStoreError(
                QSqlError(QString(), QString(), QSqlError::StatementError, QLatin1String(code)));
        }
        return texts;
    }();
    return phrases;
}

} // namespace

common::Result<void> checkTablesFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) {
        return common::fail(QStringLiteral("Folder roboczy %1 nie istnieje.")
                                .arg(QDir::toNativeSeparators(folder)));
    }
    QStringList missing;
    for (const Table table : kOpenOrder) {
        const QString& name = layoutOf(table).fileName;
        if (!QFileInfo::exists(QDir(folder).filePath(name))) {
            missing << name;
        }
    }
    if (!missing.isEmpty()) {
        return common::fail(QStringLiteral("W folderze %1 nie ma tabel programu Kwitola "
                                           "(brak: %2).")
                                .arg(QDir::toNativeSeparators(folder), missing.join(u", ")));
    }
    return {};
}

namespace {

// One attempt: open the tables and read them inside one transaction, which
// holds the read lock until all are read.
Result<PostedTables> readOnce(const QString& folder, PostedParts parts)
{
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (auto opened = store.open(folder); !opened) {
        return opened.forward();
    }
    PostedTables tables;
    const Result<void> read = store.inTransaction([&]() -> Result<void> {
        if (parts == PostedParts::Everything) {
            auto documents = store.all<StoredDocument>();
            if (!documents) {
                return documents.forward();
            }
            tables.documents = *std::move(documents);
        }
        if (parts != PostedParts::Issuers) {
            auto ledger = store.all<LedgerRow>();
            if (!ledger) {
                return ledger.forward();
            }
            tables.ledger = *std::move(ledger);
        }
        auto issuers = store.all<Issuer>();
        if (!issuers) {
            return issuers.forward();
        }
        tables.issuers = *std::move(issuers);
        return {};
    });
    if (!read) {
        return read.forward();
    }
    return tables;
}

} // namespace

bool isBusyError(const QString& storeError)
{
    for (const QString& phrase : busyPhrases()) {
        if (storeError.contains(phrase)) {
            return true;
        }
    }
    return false;
}

common::Result<void> whileBusy(const RetryPolicy& retry,
                               const std::function<common::Result<void>()>& attempt)
{
    const int attempts = std::max(1, retry.attempts);
    for (int made = 1;; ++made) {
        auto done = attempt();
        const bool busy = !done && (done.errorDetails().kind == common::ErrorKind::Busy ||
                                    isBusyError(done.error()));
        if (!busy) {
            return done;
        }
        if (made >= attempts) {
            return common::fail(QStringLiteral("Tabele są zajęte przez inny program (np. Kwitola "
                                               "właśnie księguje dokument). Spróbuj ponownie za "
                                               "chwilę."),
                                common::ErrorKind::Busy);
        }
        QThread::msleep(static_cast<unsigned long>(retry.pause.count()));
    }
}

common::Result<PostedTables> readPostedTables(const QString& folder, const RetryPolicy& retry,
                                              PostedParts parts)
{
    if (auto checked = checkTablesFolder(folder); !checked) {
        return checked.forward();
    }
    return readWhileBusy<PostedTables>(retry, [&] { return readOnce(folder, parts); });
}

template <typename T>
common::Result<T> readWhileBusy(const RetryPolicy& retry,
                                const std::function<common::Result<T>()>& attempt)
{
    std::optional<T> value;
    const auto read = whileBusy(retry, [&]() -> common::Result<void> {
        auto once = attempt();
        if (!once) {
            return once.forward();
        }
        value = *std::move(once);
        return {};
    });
    if (!read) {
        return read.forward();
    }
    return *std::move(value);
}

template common::Result<PostedTables>
readWhileBusy(const RetryPolicy&, const std::function<common::Result<PostedTables>()>&);
template common::Result<std::vector<RegisterEntry>>
readWhileBusy(const RetryPolicy&,
              const std::function<common::Result<std::vector<RegisterEntry>>()>&);
template common::Result<DocumentWithIssuers>
readWhileBusy(const RetryPolicy&, const std::function<common::Result<DocumentWithIssuers>()>&);
template common::Result<std::vector<LedgerRow>>
readWhileBusy(const RetryPolicy&, const std::function<common::Result<std::vector<LedgerRow>>()>&);

} // namespace kwitola::registry
