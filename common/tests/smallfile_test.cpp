#include "common/core/smallfile.h"
#include "common/testsupport/oddfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace common;
using common::testing::OddFile;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(SmallFile, ReadsRegularFilesUpToTheLimit)
{
    QTemporaryDir dir;
    const struct
    {
        const char* what;
        QByteArray bytes;
        SmallFileStatus expected;
    } cases[] = {
        {"empty", QByteArray(), SmallFileStatus::Read},
        {"ten lines", QByteArray("a\r\n").repeated(10), SmallFileStatus::Read},
        {"exactly the limit", QByteArray(kSmallFileLimit, '\n'), SmallFileStatus::Read},
        {"one byte over", QByteArray(kSmallFileLimit + 1, '\n'), SmallFileStatus::TooLarge},
    };
    const QString path = dir.filePath(QStringLiteral("f.kfx"));
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const SmallFile read = readSmallFile(path);
        EXPECT_EQ(read.status, c.expected) << c.what;
        if (c.expected == SmallFileStatus::Read) {
            EXPECT_EQ(read.bytes, c.bytes) << c.what;
        } else {
            EXPECT_TRUE(read.bytes.isEmpty()) << c.what << ": nothing is handed out";
        }
    }
}

TEST(SmallFile, TellsMissingFromEverythingThatIsNotAFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(readSmallFile(dir.filePath(QStringLiteral("brak"))).status, SmallFileStatus::Missing);
    EXPECT_TRUE(
        describeSmallFileProblem(readSmallFile(dir.filePath(QStringLiteral("brak")))).isEmpty());

    const struct
    {
        OddFile kind;
        SmallFileStatus expected;
    } cases[] = {
        {OddFile::Folder, SmallFileStatus::NotRegular},
        {OddFile::NamedPipe, SmallFileStatus::NotRegular}, // and it must not block
        {OddFile::DanglingLink, SmallFileStatus::NotRegular},
        {OddFile::Huge, SmallFileStatus::TooLarge},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("f%1").arg(++n));
        ASSERT_TRUE(makeOddFile(c.kind, path)) << describe(c.kind);
        const QString before = common::testing::oddFileState(path);
        const SmallFile read = readSmallFile(path);
        EXPECT_EQ(read.status, c.expected) << describe(c.kind);
        EXPECT_FALSE(describeSmallFileProblem(read).isEmpty()) << describe(c.kind);
        EXPECT_EQ(common::testing::oddFileState(path), before) << describe(c.kind);
    }
    EXPECT_EQ(readSmallFile(QStringLiteral("/dev/zero")).status, SmallFileStatus::NotRegular);
}

TEST(SmallFile, FollowsALinkToARegularFile)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("cel")), "tekst");
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("cel")), dir.filePath(QStringLiteral("l"))));
    const SmallFile read = readSmallFile(dir.filePath(QStringLiteral("l")));
    EXPECT_EQ(read.status, SmallFileStatus::Read);
    EXPECT_EQ(read.bytes, QByteArray("tekst"));
}

TEST(SmallFile, APathThroughAFileIsAReadFailureInPolish)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("plik")), "x");
    const SmallFile read = readSmallFile(dir.filePath(QStringLiteral("plik/f.kfx")));
    EXPECT_EQ(read.status, SmallFileStatus::Failed);
    EXPECT_EQ(describeSmallFileProblem(read), QStringLiteral("część ścieżki nie jest folderem"));
}

} // namespace
