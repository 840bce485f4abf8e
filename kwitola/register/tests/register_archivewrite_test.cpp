#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/archivefiles.h"
#include "kwitola/register/core/postingarchive.h"
#include "kwitola/register/tests/archivepostings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <thread>

using namespace kwitola;
using namespace kwitola::registry;
using test::ArchiveCase;

namespace {

// The disk's files, but the operation numbered failAt (counting from 0
// over writes, renames and removals alike) fails as a full disk would.
class FailingFiles final : public ArchiveFiles
{
public:
    explicit FailingFiles(int failAt) : m_failAt(failAt) {}
    common::Result<void> write(const QString& path, const QByteArray& bytes) override
    {
        return step() ? ArchiveFiles::write(path, bytes) : failure();
    }
    common::Result<void> rename(const QString& from, const QString& to) override
    {
        return step() ? ArchiveFiles::rename(from, to) : failure();
    }
    common::Result<void> remove(const QString& path) override
    {
        return step() ? ArchiveFiles::remove(path) : failure();
    }
    [[nodiscard]] bool failed() const { return m_calls > m_failAt; }

private:
    bool step() { return m_calls++ != m_failAt; }
    static common::Failure failure()
    {
        return common::fail(QStringLiteral("Brak miejsca na dysku."));
    }
    int m_failAt;
    int m_calls = 0;
};

struct Tables
{
    TableStore store;
    explicit Tables(const QString& folder)
    {
        store.setPassword(QString(kTablePassword));
        EXPECT_TRUE(store.open(folder));
    }
};

common::Result<ArchivedPosting> post(TableStore& store, const ArchiveCase& posting,
                                     ArchiveFiles& files)
{
    const PostingRequest request = test::archiveRequest(posting);
    return postWithArchive(store, request, test::archiveCopy(request.document), files);
}

// The stored numbers with the quantity of their line, as the tables hold them.
std::map<QString, QString> postedQuantities(TableStore& store)
{
    std::map<QString, QString> posted;
    const auto documents = store.all<StoredDocument>();
    EXPECT_TRUE(documents.ok());
    for (const StoredDocument& document : documents ? *documents : std::vector<StoredDocument>{}) {
        posted[document.Numer_faktury + u'@' + document.issueYear] = document.lines.at(0).quantity;
    }
    return posted;
}

// Temporary and pending files a killed posting left.
int pendingFileCount(const QString& folder)
{
    int count = 0;
    QDirIterator files(folder + QStringLiteral("/archiwum"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        count +=
            path.endsWith(QStringLiteral(".nowy")) || path.endsWith(QStringLiteral(".oczekuje"));
    }
    return count;
}

std::string joined(const QStringList& problems)
{
    return problems.join(QLatin1Char('\n')).toStdString();
}

// The tables hold these postings (number@year: quantity), and they and the
// archive agree.
void expectPostedWithEntries(TableStore& store, const QString& folder,
                             const std::map<QString, QString>& quantities)
{
    EXPECT_EQ(postedQuantities(store), quantities);
    const QStringList problems = test::archiveInconsistencies(folder);
    EXPECT_TRUE(problems.isEmpty()) << joined(problems);
}

} // namespace

// A failed file operation at every step of a posting, first or replacing an
// earlier one (of the other kind, in another year folder): after the next
// start's recovery the tables hold either the posting with its entry or the
// earlier state with its entry, never a mix, and the message says which.
TEST(ArchiveWrite, failureAtEachStepLeavesPostedWithEntryOrNeither)
{
    struct Scenario
    {
        const char* name;
        std::optional<ArchiveCase> earlier;
        ArchiveCase posting;
    };
    const Scenario scenarios[] = {
        {"first posting", std::nullopt, {1, QStringLiteral("2026"), false, 5}},
        {"reprint changed",
         ArchiveCase{1, QStringLiteral("2026"), false, 5},
         {1, QStringLiteral("2026"), false, 7}},
        {"reprint identical",
         ArchiveCase{1, QStringLiteral("2026"), false, 5},
         {1, QStringLiteral("2026"), false, 5}},
        {"bill replaces invoice of another year",
         ArchiveCase{1, QStringLiteral("2025"), false, 5},
         {1, QStringLiteral("2026"), true, 9}},
    };
    for (const Scenario& scenario : scenarios) {
        // What the tables hold when the posting goes through undisturbed.
        std::map<QString, QString> whenPosted;
        {
            QTemporaryDir dir;
            ASSERT_TRUE(test::prepareArchiveTables(dir.path()));
            Tables tables(dir.path());
            if (scenario.earlier) {
                ASSERT_TRUE(post(tables.store, *scenario.earlier, diskArchiveFiles()));
            }
            ASSERT_TRUE(post(tables.store, scenario.posting, diskArchiveFiles()));
            whenPosted = postedQuantities(tables.store);
        }
        bool reachedEnd = false;
        for (int failAt = 0; !reachedEnd; ++failAt) {
            SCOPED_TRACE(std::string(scenario.name) + ", failing operation " +
                         std::to_string(failAt));
            QTemporaryDir dir;
            ASSERT_TRUE(test::prepareArchiveTables(dir.path()));
            Tables tables(dir.path());
            if (scenario.earlier) {
                ASSERT_TRUE(post(tables.store, *scenario.earlier, diskArchiveFiles()));
            }
            const auto before = postedQuantities(tables.store);
            FailingFiles files(failAt);
            const auto posted = post(tables.store, scenario.posting, files);
            reachedEnd = !files.failed();
            const auto after = postedQuantities(tables.store);
            if (posted) {
                EXPECT_EQ(after, whenPosted);
                EXPECT_EQ(posted->unfinished.isEmpty(), reachedEnd);
            } else {
                EXPECT_EQ(after, before);
                EXPECT_TRUE(posted.error().endsWith(QStringLiteral("Dokument nie został "
                                                                   "zaksięgowany.")))
                    << posted.error().toStdString();
            }
            ASSERT_TRUE(recoverArchive(tables.store, diskArchiveFiles()));
            expectPostedWithEntries(tables.store, dir.path(), after);
        }
    }
}

// Tables that refuse the posting: nothing posted, no entry, the posting's
// own message, and the earlier entry kept.
TEST(ArchiveWrite, refusedTablesKeepTheEarlierEntry)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::prepareArchiveTables(dir.path()));
    Tables tables(dir.path());
    ASSERT_TRUE(post(tables.store, {2, QStringLiteral("2026"), false, 3}, diskArchiveFiles()));
    tables.store.setWriteCheck(
        [](Table) -> common::Result<void> { return common::fail(QStringLiteral("zajęte")); });
    const auto posted =
        post(tables.store, {2, QStringLiteral("2026"), true, 4}, diskArchiveFiles());
    ASSERT_FALSE(posted);
    EXPECT_EQ(posted.error(), QStringLiteral("Błąd w zapisie do rejestru transakcji."));
    tables.store.setWriteCheck({});
    expectPostedWithEntries(tables.store, dir.path(),
                            {{QStringLiteral("2/2026 FV@2026"), QStringLiteral("3")}});
}

// Leftovers of a posting under way are not entries to the register, and a
// damaged pending note is reported and left as it was.
TEST(ArchiveWrite, registerIgnoresPendingFilesAndRecoveryReportsDamagedNote)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::prepareArchiveTables(dir.path()));
    Tables tables(dir.path());
    const PostingRequest request = test::archiveRequest({3, QStringLiteral("2026"), false, 1});
    const ArchiveEntry entry = archiveEntry(dir.path(), request.document);
    const QString note = entry.pagePath.chopped(5) + QStringLiteral(".oczekuje");
    ASSERT_TRUE(diskArchiveFiles().write(entry.pagePath + QStringLiteral(".nowy"), "{}"));
    ASSERT_TRUE(diskArchiveFiles().write(note, "{\"format\":\"inny\"}"));

    ArchiveIndex index(dir.path());
    EXPECT_FALSE(index.contains(request.document));
    const auto page = readArchivedPage(dir.path(), request.document);
    ASSERT_TRUE(page.ok()) << page.error().toStdString();
    EXPECT_FALSE(page->has_value());

    const auto recovered = recoverArchive(tables.store, diskArchiveFiles());
    ASSERT_FALSE(recovered);
    EXPECT_TRUE(recovered.error().startsWith(
        QStringLiteral("Nie można odczytać zapisu niedokończonego księgowania")))
        << recovered.error().toStdString();
    EXPECT_TRUE(QFile::exists(note));
    EXPECT_TRUE(QFile::exists(entry.pagePath + QStringLiteral(".nowy")));
    // A posting of that number cannot finish the note either, so it is refused.
    const auto posted = postWithArchive(tables.store, request, test::archiveCopy(request.document),
                                        diskArchiveFiles());
    EXPECT_FALSE(posted);
    EXPECT_TRUE(postedQuantities(tables.store).empty());
}

// A child posts document after document and is killed at random moments;
// after each kill the recovery leaves every number posted with its entry,
// or neither, and the postings carry on from there.
TEST(ArchiveWrite, killedPostingsRecoverToPostedWithEntryOrNeither)
{
    const unsigned seed = std::random_device{}();
    std::printf("kill loop seed: %u\n", seed);
    std::mt19937 random(seed);
    QTemporaryDir dir;
    ASSERT_TRUE(test::prepareArchiveTables(dir.path()));
    constexpr int kKills = 40;
    int postingsSeen = 0;
    int underWay = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + ", seed " + std::to_string(seed));
        QProcess child;
        child.start(QStringLiteral(KX_ARCHIVE_KILLCHILD), {dir.path(), QString::number(random())});
        ASSERT_TRUE(child.waitForStarted());
        // Killed once the first posting went through, at a random moment of
        // the ones after it.
        ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().data();
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 80));
        child.kill();
        ASSERT_TRUE(child.waitForFinished());
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().data();
        const int postings = static_cast<int>(child.readAllStandardOutput().count('\n'));
        underWay += pendingFileCount(dir.path()) > 0 ? 1 : 0;
        postingsSeen += postings;

        Tables tables(dir.path());
        ASSERT_TRUE(recoverArchive(tables.store, diskArchiveFiles()));
        const QStringList problems = test::archiveInconsistencies(dir.path());
        ASSERT_TRUE(problems.isEmpty()) << joined(problems);
    }
    std::printf("kills: %d, leaving a posting under way: %d, postings done: %d\n", kKills, underWay,
                postingsSeen);
}
