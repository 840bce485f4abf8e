#include "kwitola/legacy/converttool.h"
#include "kwitola/legacy/legacyconvert.h"
#include "paradoxwriter.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace kwitola::legacy;

namespace {

struct ToolRun
{
    int status;
    QString out;
    QString err;
};

ToolRun run(const QStringList& args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status =
        runConvertTool(QStringList{QStringLiteral("kwitola-convert")} + args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

TEST(ConvertTool, ConvertsAFolderWithALinePerTable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(pxtest::writeLegacyTables(dir.path(), 4));
    const ToolRun result = run({dir.path()});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.at(0), QStringLiteral("wystawca.db: przepisano rekordów: 4"));
    EXPECT_EQ(lines.at(5), QStringLiteral("sprzedaz.db: przepisano rekordów: 4"));
    EXPECT_TRUE(lines.at(6).startsWith(QStringLiteral("Gotowe.")));
    EXPECT_TRUE(findParadoxTables(dir.path()).empty());

    // A second run finds nothing left to do.
    const ToolRun again = run({dir.path()});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.out.contains(QStringLiteral("nie ma tabel w formacie Paradox")));
}

TEST(ConvertTool, BadArgumentsAndFailuresGiveTheirExitStatus)
{
    EXPECT_EQ(run({QStringLiteral("--nieznana")}).status, 2);
    EXPECT_EQ(run({QStringLiteral("a"), QStringLiteral("b")}).status, 2);
    EXPECT_EQ(run({QStringLiteral("--help")}).status, 0);
    const ToolRun missing = run({QStringLiteral("/nie/ma/takiego/folderu")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("nie istnieje")));

    // A goods table with a field the program has no place for.
    QTemporaryDir dir;
    {
        std::vector<pxtest::PxField> fields;
        for (int i = 0; i < 14; ++i) {
            fields.push_back({QStringLiteral("Pole%1").arg(i), pxtest::PxType::Alpha, 10});
        }
        pxtest::ParadoxWriter writer(dir.filePath(QStringLiteral("magazyn.db")), fields);
        ASSERT_TRUE(writer.add({QStringLiteral("x")}));
    }
    const ToolRun refused = run({dir.path()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Folder pozostał bez zmian")));
    EXPECT_TRUE(refused.out.isEmpty());
}

} // namespace
