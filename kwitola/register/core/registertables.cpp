#include "kwitola/register/core/registertables.h"

#include "kwitola/core/storeerrors.h"
#include "kwitola/core/tables.h"
#include "kwitola/core/tablestore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <array>

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

// The store creates missing tables on opening; the register must not, so a
// folder without all six is refused before the store sees it.
common::Result<void> checkFolder(const QString& folder)
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

// One attempt: open the tables and read them inside one transaction, which
// holds the read lock until all are read.
Result<PostedTables> readOnce(const QString& folder)
{
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (auto opened = store.open(folder); !opened) {
        return opened.forward();
    }
    PostedTables tables;
    const Result<void> read = store.inTransaction([&]() -> Result<void> {
        auto documents = store.all<StoredDocument>();
        if (!documents) {
            return documents.forward();
        }
        auto ledger = store.all<LedgerRow>();
        if (!ledger) {
            return ledger.forward();
        }
        auto issuers = store.all<Issuer>();
        if (!issuers) {
            return issuers.forward();
        }
        tables.documents = *std::move(documents);
        tables.ledger = *std::move(ledger);
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

common::Result<PostedTables> readPostedTables(const QString& folder, const RetryPolicy& retry)
{
    if (auto checked = checkFolder(folder); !checked) {
        return checked.forward();
    }
    const int attempts = std::max(1, retry.attempts);
    for (int attempt = 1;; ++attempt) {
        auto tables = readOnce(folder);
        const bool busy = !tables && (tables.errorDetails().kind == common::ErrorKind::Busy ||
                                      isBusyError(tables.error()));
        if (!busy) {
            return tables;
        }
        if (attempt >= attempts) {
            return common::fail(QStringLiteral("Tabele są zajęte przez inny program (np. Kwitola "
                                               "właśnie księguje dokument). Spróbuj ponownie za "
                                               "chwilę."),
                                common::ErrorKind::Busy);
        }
        QThread::msleep(static_cast<unsigned long>(retry.pause.count()));
    }
}

} // namespace kwitola::registry
