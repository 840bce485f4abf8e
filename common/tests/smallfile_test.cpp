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

// What a read found, as one value a table can name.
enum class Found { Read, Missing, NotRegular, TooLarge, Failed };

Found found(const common::Result<std::optional<QByteArray>>& read)
{
    if (read.ok()) {
        return read->has_value() ? Found::Read : Found::Missing;
    }
    switch (read.errorDetails().kind) {
    case common::ErrorKind::NotRegular:
        return Found::NotRegular;
    case common::ErrorKind::TooLarge:
        return Found::TooLarge;
    default:
        return Found::Failed;
    }
}

TEST(SmallFile, ReadsRegularFilesUpToTheLimit)
{
    QTemporaryDir dir;
    const struct
    {
        const char* what;
        QByteArray bytes;
        Found expected;
    } cases[] = {
        {"empty", QByteArray(), Found::Read},
        {"ten lines", QByteArray("a\r\n").repeated(10), Found::Read},
        {"exactly the limit", QByteArray(kSmallFileLimit, '\n'), Found::Read},
        {"one byte over", QByteArray(kSmallFileLimit + 1, '\n'), Found::TooLarge},
    };
    const QString path = dir.filePath(QStringLiteral("f.kfx"));
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const auto read = readSmallFile(path);
        EXPECT_EQ(found(read), c.expected) << c.what;
        if (c.expected == Found::Read) {
            EXPECT_EQ(**read, c.bytes) << c.what;
        } else {
            EXPECT_FALSE(read.error().isEmpty()) << c.what << ": a refusal says why";
        }
    }
}

TEST(SmallFile, TellsMissingFromEverythingThatIsNotAFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(found(readSmallFile(dir.filePath(QStringLiteral("brak")))), Found::Missing);

    const struct
    {
        OddFile kind;
        Found expected;
    } cases[] = {
        {OddFile::Folder, Found::NotRegular},
        {OddFile::NamedPipe, Found::NotRegular}, // and it must not block
        {OddFile::DanglingLink, Found::NotRegular},
        {OddFile::Huge, Found::TooLarge},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("f%1").arg(++n));
        ASSERT_TRUE(makeOddFile(c.kind, path)) << describe(c.kind);
        const QString before = common::testing::oddFileState(path);
        const auto read = readSmallFile(path);
        EXPECT_EQ(found(read), c.expected) << describe(c.kind);
        EXPECT_FALSE(read.error().isEmpty()) << describe(c.kind);
        EXPECT_EQ(common::testing::oddFileState(path), before) << describe(c.kind);
    }
    EXPECT_EQ(found(readSmallFile(QStringLiteral("/dev/zero"))), Found::NotRegular);
}

TEST(SmallFile, FollowsALinkToARegularFile)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("cel")), "tekst");
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("cel")), dir.filePath(QStringLiteral("l"))));
    const auto read = readSmallFile(dir.filePath(QStringLiteral("l")));
    ASSERT_EQ(found(read), Found::Read);
    EXPECT_EQ(**read, QByteArray("tekst"));
}

TEST(SmallFile, APathThroughAFileIsAReadFailureInPolish)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("plik")), "x");
    const auto read = readSmallFile(dir.filePath(QStringLiteral("plik/f.kfx")));
    EXPECT_EQ(found(read), Found::Failed);
    EXPECT_NE(read.errorDetails().systemError, 0);
    EXPECT_EQ(read.error(), QStringLiteral("część ścieżki nie jest folderem"));
}

} // namespace
