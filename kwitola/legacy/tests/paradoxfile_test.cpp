#include "kwitola/legacy/paradoxfile.h"
#include "paradoxwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola::legacy;
using namespace kwitola::legacy::pxtest;

namespace {

const std::vector<PxField> kEveryType = {
    {QStringLiteral("Tekst"), PxType::Alpha, 40},
    {QStringLiteral("Krótka"), PxType::Short, 2},
    {QStringLiteral("Długa"), PxType::Long, 4},
    {QStringLiteral("Numer"), PxType::AutoInc, 4},
    {QStringLiteral("Liczba"), PxType::Number, 8},
    {QStringLiteral("Kwota"), PxType::Currency, 8},
    {QStringLiteral("Bcd"), PxType::Bcd, 17, 2},
    {QStringLiteral("Data"), PxType::Date, 4},
    {QStringLiteral("Godzina"), PxType::Time, 4},
    {QStringLiteral("Chwila"), PxType::Timestamp, 8},
    {QStringLiteral("Znacznik"), PxType::Logical, 1},
};

std::vector<PxValue> everyTypeRow()
{
    return {QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ"),
            qint64{-5},
            qint64{2147483647},
            qint64{17},
            12.5,
            -1234.5,
            Bcd{"-123.45"},
            QDate(2001, 3, 5),
            qint64{((13 * 60 + 45) * 60 + 30) * 1000},
            730549.0 * 86'400'000 + 3'600'000,
            qint64{1}};
}

class ParadoxFileTest : public ::testing::TestWithParam<QByteArray>
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("tabela.db")); }
    QTemporaryDir m_dir;
};

TEST_P(ParadoxFileTest, EveryFieldTypeArrivesAsTextAndEmptyFieldsArriveEmpty)
{
    {
        ParadoxWriter writer(path(), kEveryType, GetParam());
        ASSERT_TRUE(writer.isOpen());
        ASSERT_TRUE(writer.add(everyTypeRow()));
        ASSERT_TRUE(writer.add({}));
        ASSERT_TRUE(writer.add(
            {QStringLiteral("0"), qint64{0}, qint64{0}, qint64{0}, 0.0, 0.0, Bcd{"0.00"}}));
    }
    auto file = ParadoxFile::open(path());
    ASSERT_TRUE(file) << file.error().toStdString();
    ASSERT_EQ((*file)->recordCount(), 3);
    ASSERT_EQ((*file)->fields().size(), kEveryType.size());
    EXPECT_EQ((*file)->fields()[1].name, QStringLiteral("Krótka"));

    const auto first = (*file)->read(0);
    ASSERT_TRUE(first) << first.error().toStdString();
    const QStringList expected = {QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ"),
                                  QStringLiteral("-5"),
                                  QStringLiteral("2147483647"),
                                  QStringLiteral("17"),
                                  QStringLiteral("12,5"),
                                  QStringLiteral("-1234,50"),
                                  QStringLiteral("-123,45"),
                                  QStringLiteral("05-03-2001"),
                                  QStringLiteral("13:45:30"),
                                  QStringLiteral("05-03-2001 01:00:00"),
                                  QStringLiteral("1")};
    EXPECT_EQ(*first, expected);

    const auto empty = (*file)->read(1);
    ASSERT_TRUE(empty);
    EXPECT_EQ(*empty, QStringList(static_cast<qsizetype>(kEveryType.size()), QString()));

    // Zero is a value, not an empty field.
    const auto zeros = (*file)->read(2);
    ASSERT_TRUE(zeros);
    EXPECT_EQ(zeros->mid(0, 7),
              (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0,00"),
                           QStringLiteral("0,00")}));
}

INSTANTIATE_TEST_SUITE_P(PlainAndEncrypted, ParadoxFileTest,
                         ::testing::Values(QByteArray(), QByteArray("MZTXkwqNVB")));

TEST(ParadoxFile, OnlyTheHeaderTellsAParadoxTable)
{
    QTemporaryDir dir;
    const QString paradox = dir.filePath(QStringLiteral("cokolwiek.txt"));
    {
        ParadoxWriter writer(paradox, {{QStringLiteral("A"), PxType::Alpha, 10}});
        ASSERT_TRUE(writer.isOpen());
    }
    EXPECT_TRUE(isParadoxFile(paradox));

    const QString sqlite = dir.filePath(QStringLiteral("wystawca.db"));
    QFile file(sqlite);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\1'));
    file.close();
    EXPECT_FALSE(isParadoxFile(sqlite));
    EXPECT_FALSE(isParadoxFile(dir.filePath(QStringLiteral("brak.db"))));
    EXPECT_FALSE(isParadoxHeader(QByteArray(4096, '\0')));

    auto opened = ParadoxFile::open(sqlite);
    ASSERT_FALSE(opened);
    EXPECT_TRUE(opened.error().contains(QStringLiteral("wystawca.db")));
}

TEST(ParadoxFile, AFilledFieldThatCannotBeTextIsRefusedNamingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notatki.db"));
    {
        ParadoxWriter writer(path, {{QStringLiteral("Tekst"), PxType::Alpha, 10},
                                    {QStringLiteral("Notatka"), PxType::Memo, 20}});
        ASSERT_TRUE(writer.add({QStringLiteral("a")}));
        ASSERT_TRUE(writer.add({QStringLiteral("b"), QStringLiteral("treść")}));
    }
    auto file = ParadoxFile::open(path);
    ASSERT_TRUE(file);
    EXPECT_TRUE((*file)->read(0)); // an empty memo loses nothing
    const auto memo = (*file)->read(1);
    ASSERT_FALSE(memo);
    EXPECT_TRUE(memo.error().contains(QStringLiteral("Notatka")));
    EXPECT_TRUE(memo.error().contains(QStringLiteral("Memo")));
}

} // namespace
