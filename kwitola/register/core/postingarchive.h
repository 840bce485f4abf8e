#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>

namespace kwitola {
class TableStore;
struct PostingRequest;
} // namespace kwitola

namespace kwitola::registry {

class ArchiveFiles;

// The original copy of a printed document: its page as data (the page JSON)
// and as the PDF the register shows and reprints.
struct ArchivedCopy
{
    QByteArray pageJson;
    QByteArray pdf;
};

// What a posting that went through left to say: empty when its archive
// entry is in place; otherwise why the entry is not yet in place (the next
// start of the program finishes it).
struct ArchivedPosting
{
    QString unfinished;
};

// The message of a posting the tables refused.
[[nodiscard]] QString postingFailedText();

// Posts the document together with its archive entry in the store's folder:
// the page and the PDF are written under temporary names with a pending
// note naming the record, the tables commit, and then the files take their
// places (replacing the entries of the postings this one replaces). A
// failure before the commit removes what was written and means the document
// is not posted; the failure's text is the message for the user.
[[nodiscard]] common::Result<ArchivedPosting> postWithArchive(TableStore& store,
                                                              const PostingRequest& request,
                                                              const ArchivedCopy& copy,
                                                              ArchiveFiles& files);

// Finishes or removes what killed postings left in the store's folder: an
// entry whose record is in the tables takes its place, any other leftover
// is removed. Run once the tables are open, before anything is posted. A
// pending note that cannot be read is left as it is and reported.
[[nodiscard]] common::Result<void> recoverArchive(const TableStore& store, ArchiveFiles& files);

} // namespace kwitola::registry
