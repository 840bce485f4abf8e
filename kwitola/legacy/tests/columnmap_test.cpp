#include "kwitola/legacy/columnmap.h"

#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::legacy;

namespace {

// Fields with names no column has: Pole0, Pole1 and so on.
QStringList numberedFields(int count)
{
    QStringList fields;
    for (int i = 0; i < count; ++i) {
        fields << QStringLiteral("Pole%1").arg(i);
    }
    return fields;
}

TEST(ColumnMap, NamedColumnsMatchByNameInAnyCaseAndTheRestByPlace)
{
    // The goods' record number third instead of second, names in other cases.
    const QStringList fields = {QStringLiteral("NAZWA_TOWARU"),
                                QStringLiteral("x2"),
                                QStringLiteral("index_towaru"),
                                QStringLiteral("Symbol_SWW_KU"),
                                QStringLiteral("Jednostka_miary"),
                                QStringLiteral("ILOSC"),
                                QStringLiteral("Cena_jednostkowa_netto"),
                                QStringLiteral("Stawka_vat"),
                                QStringLiteral("x9"),
                                QStringLiteral("Stan_poczatkowy"),
                                QStringLiteral("x11"),
                                QStringLiteral("Numer_Fabryczny"),
                                QStringLiteral("x13")};
    const auto map = mapColumns(Table::Magazyn, fields);
    ASSERT_TRUE(map) << map.error().toStdString();
    const std::vector<int> expected = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(*map, expected);
}

TEST(ColumnMap, PositionalTablesTakeFieldsInOrderAndShortTablesLeaveTheRestEmpty)
{
    const QStringList fields = numberedFields(20);
    const auto ledger = mapColumns(Table::Sprzedaz, fields);
    ASSERT_TRUE(ledger);
    ASSERT_EQ(ledger->size(), 28U);
    EXPECT_EQ(ledger->at(0), 0);
    EXPECT_EQ(ledger->at(19), 19);
    EXPECT_EQ(ledger->at(20), -1);
    EXPECT_EQ(ledger->at(27), -1);
}

TEST(ColumnMap, AMissingRecordNumberIsLeftToTheStoreNotFilledByPlace)
{
    const QStringList fields = {QStringLiteral("Nazwa_firmy"), QStringLiteral("Adres_firmy")};
    const auto map = mapColumns(Table::Odbiorca, fields);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->at(0), 0);
    EXPECT_EQ(map->at(1), -1); // Index_firmy
    EXPECT_EQ(map->at(2), 1);
}

TEST(ColumnMap, AFieldThatWouldFindNoColumnIsRefusedByName)
{
    const QStringList fields = numberedFields(10);
    const auto map = mapColumns(Table::Firmy, fields);
    ASSERT_FALSE(map);
    EXPECT_TRUE(map.error().contains(QStringLiteral("firmy.DB")));
    EXPECT_TRUE(map.error().contains(QStringLiteral("Pole9")));
}

} // namespace
