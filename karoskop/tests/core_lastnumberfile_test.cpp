// The last-number file: its exact bytes, tolerant reading, atomic writing.
#include "common/testsupport/filesizelimit.h"
#include "common/testsupport/oddfiles.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/tests/vinfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace karoskop {
namespace {

using testing::vinOf;

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(LastNumberFile, SeventeenCrLfLinesInCodePage1250)
{
    Vin number = vinOf(QStringLiteral("WOL0XXGBBAVA12345"));
    number[11] = QStringLiteral("Ą");
    const QByteArray bytes = encodeLastNumber(number);
    EXPECT_EQ(bytes, QByteArray("W\r\nO\r\nL\r\n0\r\nX\r\nX\r\nG\r\nB\r\nB\r\nA\r\nV\r\n\xA5\r\n"
                                "1\r\n2\r\n3\r\n4\r\n5\r\n"));
    EXPECT_EQ(bytes.size(), 51);
}

TEST(LastNumberFile, WriteThenReadGivesTheNumberBack)
{
    QTemporaryDir dir;
    Vin number = vinOf(QStringLiteral("WF0AXXGBBAVA12345"));
    number[4] = QStringLiteral("Ż");
    ASSERT_TRUE(writeLastNumber(dir.path(), number));
    EXPECT_EQ(fileBytes(dir.filePath("test.kfx")).size(), 51);
    const auto read = readLastNumber(dir.path());
    ASSERT_TRUE(read);
    ASSERT_TRUE(read->has_value());
    EXPECT_EQ(**read, number);
}

TEST(LastNumberFile, ReadingIsTolerant)
{
    const auto positions = [](std::initializer_list<const char*> texts) {
        Vin vin;
        std::size_t i = 0;
        for (const char* t : texts) {
            vin[i++] = QString::fromUtf8(t);
        }
        return vin;
    };
    const struct
    {
        const char* what;
        QByteArray bytes;
        Vin expected;
    } cases[] = {
        {"empty file", QByteArray(), Vin{}},
        {"three lines", "A\r\nB\r\nC\r\n", positions({"A", "B", "C"})},
        {"last line without an end", "A\r\nB", positions({"A", "B"})},
        {"longer lines kept whole", "AB\r\n\r\nXYZ\r\n", positions({"AB", "", "XYZ"})},
        {"LF and lone CR end lines too", "A\nB\rC\r\n", positions({"A", "B", "C"})},
        {"code page 1250", "\xA5\r\n\xB9\r\n", positions({"Ą", "ą"})},
        {"lines after the 17th ignored", QByteArray("1\r\n").repeated(17) + "EXTRA\r\n",
         positions({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                    "1"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeLastNumber(c.bytes), c.expected);
    }
}

TEST(LastNumberFile, MissingAndUnreadableFilesAreToldApart)
{
    QTemporaryDir dir;
    const auto missing = readLastNumber(dir.path());
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->has_value());

    // A folder in the file's place cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("test.kfx"));
    const auto read = readLastNumber(dir.path());
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
}

// A pipe must not freeze "Ostatni numer", nor a huge file fill the memory;
// whatever stands there is refused with a reason and left as it was.
TEST(LastNumberFile, WhatIsNoSmallRegularFileIsRefusedUntouched)
{
    using common::testing::OddFile;
    for (const OddFile kind :
         {OddFile::NamedPipe, OddFile::Huge, OddFile::DanglingLink, OddFile::Folder}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("test.kfx");
        ASSERT_TRUE(makeOddFile(kind, path)) << describe(kind);
        const QString before = common::testing::oddFileState(path);
        const auto read = readLastNumber(dir.path());
        EXPECT_FALSE(read) << describe(kind);
        EXPECT_FALSE(read.error().isEmpty()) << describe(kind);
        EXPECT_EQ(common::testing::oddFileState(path), before) << describe(kind);
    }
}

TEST(LastNumberFile, FailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("test.kfx");
    writeBytes(path, "OLD\r\n");
    common::Result<void> written;
    {
        const common::testing::FileSizeLimit full;
        written = writeLastNumber(dir.path(), vinOf(QStringLiteral("WF0AXXGBBAVA12345")));
    }
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(QStringLiteral("test.kfx")));
    EXPECT_EQ(fileBytes(path), QByteArray("OLD\r\n"));
}

} // namespace
} // namespace karoskop
