#include "common/core/atomicfile.h"
#include "common/testsupport/filesizelimit.h"

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
    EXPECT_FALSE(writeFileAtomically(path, "first\r\n"));
    EXPECT_EQ(readAll(path), QByteArray("first\r\n"));
    EXPECT_FALSE(writeFileAtomically(path, "2"));
    EXPECT_EQ(readAll(path), QByteArray("2"));
    // No temporary files are left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.kfx"));
    ASSERT_FALSE(writeFileAtomically(path, "old"));

    // A file-size limit stands in for a full disk, and works for root too.
    const auto error = [&] {
        const common::testing::FileSizeLimit full;
        return writeFileAtomically(path, QByteArray(4096, 'n'));
    }();

    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(QStringLiteral("x.kfx")));
    EXPECT_EQ(readAll(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, AMissingFolderIsAnError)
{
    QTemporaryDir dir;
    const auto error = writeFileAtomically(dir.filePath(QStringLiteral("no/such/x.kfx")), "a");
    EXPECT_TRUE(error);
}
