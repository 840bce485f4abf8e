#include "common/core/pagejson.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/archive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

StoredDocument documentNumbered(const char* number, const char* year)
{
    StoredDocument d;
    d.Numer_faktury = QString::fromUtf8(number);
    d.issueYear = QString::fromUtf8(year);
    return d;
}

bool put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(Archive, entriesAreNamedAfterTheNumberInTheirYearsFolder)
{
    const ArchiveEntry entry =
        archiveEntry(QStringLiteral("/praca"), documentNumbered("12/2026 FV", "2026"));
    EXPECT_EQ(entry.pagePath, QStringLiteral("/praca/archiwum/2026/12_2026_FV.json"));
    EXPECT_EQ(entry.pdfPath, QStringLiteral("/praca/archiwum/2026/12_2026_FV.pdf"));
    // A year that is no plain text cannot lead out of the archive.
    EXPECT_EQ(archiveEntry(QStringLiteral("/praca"), documentNumbered("1", "../..")).pagePath,
              QStringLiteral("/praca/archiwum/_____/1.json"));
}

TEST(Archive, tellsAMissingEntryFromOneThatCannotBeRead)
{
    QTemporaryDir dir;
    const StoredDocument kept = documentNumbered("1/2026 FV", "2026");
    const StoredDocument never = documentNumbered("2/2026 FV", "2026");
    const StoredDocument broken = documentNumbered("3/2026 FV", "2026");
    const StoredDocument folder = documentNumbered("4/2026 FV", "2026");
    common::Page page;
    page.elements.push_back(common::textElement(QStringLiteral("title"), QRect(1, 2, 3, 4),
                                                QStringLiteral("Faktura VAT nr 1/2026 FV"), {}));
    ASSERT_TRUE(put(archiveEntry(dir.path(), kept).pagePath, common::pageToJson(page)));
    ASSERT_TRUE(put(archiveEntry(dir.path(), broken).pagePath, "{\"format\":"));
    ASSERT_TRUE(QDir().mkpath(archiveEntry(dir.path(), folder).pagePath));

    const auto read = readArchivedPage(dir.path(), kept);
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    ASSERT_TRUE(read->has_value());
    EXPECT_TRUE(**read == page);
    const auto missing = readArchivedPage(dir.path(), never);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->has_value());
    const auto damaged = readArchivedPage(dir.path(), broken);
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.error().contains(QStringLiteral("3/2026 FV")));
    const auto notAFile = readArchivedPage(dir.path(), folder);
    ASSERT_FALSE(notAFile.ok());
    EXPECT_EQ(notAFile.errorDetails().kind, common::ErrorKind::NotRegular);

    ArchiveIndex index(dir.path());
    EXPECT_TRUE(index.contains(kept));
    EXPECT_TRUE(index.contains(broken));
    EXPECT_FALSE(index.contains(never));
    EXPECT_FALSE(index.contains(documentNumbered("1/2026 FV", "2025")));
}

} // namespace
