#include "kwitola/core/goodscard.h"
#include "kwitola/core/tables.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/tests/storefixture.h"

#include <gtest/gtest.h>

using namespace kwitola;

namespace {

class GoodsCard : public kwitola::testing::OpenStore
{
protected:
    std::vector<Goods> stored() const
    {
        auto all = m_store.all<Goods>();
        EXPECT_TRUE(all);
        return all ? *all : std::vector<Goods>();
    }
};

TEST_F(GoodsCard, NewGoodsKeepTheQuantityAsStockAndRefuseAnExactDuplicate)
{
    const GoodsCardValues hammer{"Młotek", "SWW 12", "szt.", "5", "24,50", "22", "M-2"};
    EXPECT_EQ(hammer.entry(), QStringLiteral("Młotek  M-2"));
    ASSERT_EQ(*addGoods(m_store, hammer), NewGoods::Saved);
    EXPECT_EQ(*addGoods(m_store, hammer), NewGoods::Duplicate);
    EXPECT_EQ(*addGoods(m_store, GoodsCardValues{}), NewGoods::NothingToSave);
    // Letter case makes another name.
    GoodsCardValues lower = hammer;
    lower.name = QStringLiteral("młotek");
    EXPECT_EQ(*addGoods(m_store, lower), NewGoods::Saved);

    const auto goods = stored();
    ASSERT_EQ(goods.size(), 2u);
    EXPECT_EQ(cardValues(goods[0]).entry(), hammer.entry());
    EXPECT_EQ(goods[0].ilosc, QStringLiteral("5"));
    EXPECT_EQ(goods[0].Stan_poczatkowy, QStringLiteral("5"));
    EXPECT_EQ(goods[0].Cena_jednostkowa_netto, QStringLiteral("24,50"));
}

TEST_F(GoodsCard, CorrectionWritesEverythingButTheFactoryNumber)
{
    ASSERT_EQ(*addGoods(m_store, {"Łopata", "L", "szt.", "2", "35,00", "22", "L-1"}),
              NewGoods::Saved);
    const RecordId id = stored().at(0).id;
    const auto corrected =
        correctGoods(m_store, id, {"Łopata duża", "L2", "kpl.", "3", "40,00", "7", "X-9"});
    ASSERT_TRUE(corrected);
    EXPECT_TRUE(*corrected);
    const Goods goods = stored().at(0);
    EXPECT_EQ(goods.Nazwa_towaru, QStringLiteral("Łopata duża"));
    EXPECT_EQ(goods.Stawka_vat, QStringLiteral("7"));
    EXPECT_EQ(goods.numer_fabryczny, QStringLiteral("L-1"));
    EXPECT_EQ(goods.Stan_poczatkowy, QStringLiteral("2"));

    const auto missing = correctGoods(m_store, id + 100, {});
    ASSERT_TRUE(missing);
    EXPECT_FALSE(*missing);
}

} // namespace
