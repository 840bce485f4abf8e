#include "common/core/atomicfile.h"
#include "common/testsupport/filesizelimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace common;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return f.readAll();
}

} // namespace

TEST(AtomicFile, CreatesAndReplacesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.kfx"));
    EXPECT_TRUE(writeFileAtomically(path, "first\r\n"));
    EXPECT_EQ(readAll(path), QByteArray("first\r\n"));
    EXPECT_TRUE(writeFileAtomically(path, "2"));
    EXPECT_EQ(readAll(path), QByteArray("2"));
    // No temporary files are left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.kfx"));
    ASSERT_TRUE(writeFileAtomically(path, "old"));

    // A file-size limit stands in for a full disk, and works for root too.
    const auto error = [&] {
        const common::testing::FileSizeLimit full;
        return writeFileAtomically(path, QByteArray(4096, 'n'));
    }();

    ASSERT_FALSE(error);
    EXPECT_TRUE(error.error().contains(QStringLiteral("x.kfx")));
    EXPECT_NE(error.errorDetails().systemError, 0);
    EXPECT_EQ(readAll(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, AMissingFolderIsAnError)
{
    QTemporaryDir dir;
    const auto error = writeFileAtomically(dir.filePath(QStringLiteral("no/such/x.kfx")), "a");
    EXPECT_FALSE(error);
}

// A write killed between mkstemp and rename leaves "<name>.XXXXXX" behind;
// the next write of the same file removes such leftovers and nothing else.
TEST(AtomicFile, TheNextWriteRemovesLeftoversOfKilledWritesOnly)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QDateTime past = QDateTime::currentDateTime().addSecs(-60);
    const QDateTime future = QDateTime::currentDateTime().addSecs(3600);
    const struct
    {
        const char* name;
        bool leftover;
        QDateTime modified;
    } files[] = {
        {"x.kfx.a1B2c3", true, past},    {"x.kfx.ZZZZZZ", true, past},
        {"x.kfx.000000", false, future}, // a write in progress elsewhere
        {"x.kfx.bak", false, past},      {"x.kfx.a1B2c3d", false, past},
        {"x.kfx.a1-2c3", false, past},   {"y.kfx.a1B2c3", false, past},
        {"x.kfx", false, past},
    };
    for (const auto& f : files) {
        QFile file(folder.filePath(QLatin1String(f.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("stare");
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(f.modified, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(folder.mkdir(QStringLiteral("x.kfx.QWERTY"))) << "not a file: kept";

    ASSERT_TRUE(writeFileAtomically(folder.filePath(QStringLiteral("x.kfx")), "nowe"));
    EXPECT_EQ(readAll(folder.filePath(QStringLiteral("x.kfx"))), QByteArray("nowe"));
    for (const auto& f : files) {
        EXPECT_EQ(folder.exists(QLatin1String(f.name)), !f.leftover) << f.name;
    }
    EXPECT_TRUE(folder.exists(QStringLiteral("x.kfx.QWERTY")));
}

TEST(AtomicFile, FailuresAreExplainedInPolish)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const auto error = writeFileAtomically(dir.filePath(QStringLiteral("plik/x.kfx")), "a");
    ASSERT_FALSE(error);
    EXPECT_EQ(error.error(), QStringLiteral("Nie można zapisać pliku x.kfx: część ścieżki nie jest "
                                            "folderem."));
}
