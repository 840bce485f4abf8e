#pragma once

#include "common/core/pagemodel.h"
#include "common/core/result.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

namespace kwitola {
struct StoredDocument;
}

namespace kwitola::registry {

// Where a posted document's printed page is kept: archiwum/<year of issue>/
// under the working folder, named after its stored number made safe for a
// file name, as the page data (.json) and the PDF of the original (.pdf).
struct ArchiveEntry
{
    QString pagePath;
    QString pdfPath;
};
[[nodiscard]] ArchiveEntry archiveEntry(const QString& folder, const StoredDocument& document);

// A page kept as data is at most this large: a full page with a logo.
inline constexpr qint64 kArchivedPageLimit = qint64{8} * 1024 * 1024;

// The archived page of the document; nothing when it has no entry (posted
// before the archive was kept). An entry that cannot be read or is not a
// page is an error, never "no entry".
[[nodiscard]] common::Result<std::optional<common::Page>>
readArchivedPage(const QString& folder, const StoredDocument& document);

// Which documents have an entry, from one listing of each year's folder.
class ArchiveIndex final
{
public:
    explicit ArchiveIndex(QString folder);
    [[nodiscard]] bool contains(const StoredDocument& document);

private:
    QString m_folder;
    QHash<QString, QSet<QString>> m_namesByYear;
};

} // namespace kwitola::registry
