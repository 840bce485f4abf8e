#include "kwitola/register/core/archive.h"

#include "common/core/filenames.h"
#include "common/core/pagejson.h"
#include "common/core/smallfile.h"
#include "kwitola/core/tablerecords.h"

#include <QDir>

namespace kwitola::registry {

namespace {

const QString kArchiveFolder = QStringLiteral("archiwum");
const QString kPageSuffix = QStringLiteral(".json");

QString yearFolder(const QString& folder, const QString& year)
{
    return QDir(folder).filePath(kArchiveFolder + QLatin1Char('/') +
                                 common::safeFileName(year.trimmed()));
}

} // namespace

ArchiveEntry archiveEntry(const QString& folder, const StoredDocument& document)
{
    const QString base = QDir(yearFolder(folder, document.issueYear))
                             .filePath(common::safeFileName(document.Numer_faktury));
    return {base + kPageSuffix, base + QStringLiteral(".pdf")};
}

common::Result<std::optional<common::Page>> readArchivedPage(const QString& folder,
                                                             const StoredDocument& document)
{
    const QString path = archiveEntry(folder, document).pagePath;
    const auto bytes = common::readSmallFile(path, kArchivedPageLimit);
    if (!bytes) {
        return common::fail(QStringLiteral("Nie można odczytać strony z archiwum (%1): %2")
                                .arg(QDir::toNativeSeparators(path), bytes.error()),
                            bytes.errorDetails().kind, bytes.errorDetails().systemError);
    }
    if (!*bytes) {
        return std::optional<common::Page>();
    }
    auto page = common::pageFromJson(**bytes);
    if (!page) {
        return common::fail(QStringLiteral("Strona dokumentu %1 w archiwum jest uszkodzona: %2")
                                .arg(document.Numer_faktury, page.error()));
    }
    return std::optional<common::Page>(*std::move(page));
}

ArchiveIndex::ArchiveIndex(QString folder) : m_folder(std::move(folder)) {}

bool ArchiveIndex::contains(const StoredDocument& document)
{
    auto it = m_namesByYear.find(document.issueYear);
    if (it == m_namesByYear.end()) {
        const QStringList names = QDir(yearFolder(m_folder, document.issueYear))
                                      .entryList({QLatin1Char('*') + kPageSuffix}, QDir::Files);
        it = m_namesByYear.insert(document.issueYear, QSet<QString>(names.begin(), names.end()));
    }
    // A year without entries needs no name made.
    return !it->isEmpty() &&
           it->contains(common::safeFileName(document.Numer_faktury) + kPageSuffix);
}

} // namespace kwitola::registry
