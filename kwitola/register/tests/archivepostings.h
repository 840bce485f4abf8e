#pragma once

#include "kwitola/core/posting.h"
#include "kwitola/register/core/postingarchive.h"

#include <QString>
#include <QStringList>

namespace kwitola::registry::test {

// One posting of the archive tests: an invoice or a bill of the bare number
// "<number>/2026" issued in the year, with one line of the given quantity;
// the two kinds of one number replace each other.
struct ArchiveCase
{
    int number = 1;
    QString year = QStringLiteral("2026");
    bool bill = false;
    int quantity = 1;
};

PostingRequest archiveRequest(const ArchiveCase& posting);

// The archived copy a posting of the document writes: bytes that name the
// record's number, year and quantity, so that an entry can be matched with
// the record it belongs to.
ArchivedCopy archiveCopy(const StoredDocument& document);

// Tables with the one recipient every posting names; false on failure.
bool prepareArchiveTables(const QString& folder);

// What is wrong with the folder's tables and archive: every posted document
// has its entry holding its own copy, every entry has its document, and no
// temporary or pending file is left. Empty when all is well.
QStringList archiveInconsistencies(const QString& folder);

} // namespace kwitola::registry::test
