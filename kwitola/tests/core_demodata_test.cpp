#include "common/testsupport/resultexpect.h"
#include "kwitola/core/demodata.h"
#include "kwitola/core/tablestore.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using testsupport::found;

TEST(DemoData, FillsEveryListWithDistinctEntriesAndEveryRate)
{
    QTemporaryDir dir;
    TableStore store;
    store.setPassword(QString(kTablePassword));
    ASSERT_TRUE(store.open(dir.path()));
    ASSERT_TRUE(seedDemoData(store));

    EXPECT_GE(*store.count(Table::Wystawca), 2);
    EXPECT_GE(*store.count(Table::Odbiorca), 18);
    EXPECT_EQ(*store.count(Table::Firmy), *store.count(Table::Odbiorca));
    EXPECT_GE(*store.count(Table::Magazyn), 28);
    EXPECT_EQ(*store.count(Table::Faktury), 0);

    // A choice is found again by its entry, so entries must not repeat; the
    // stock card refuses a second goods name.
    for (const Table table : {Table::Wystawca, Table::Odbiorca, Table::Magazyn}) {
        QSet<QString> seen;
        const auto entries = store.listEntries(table);
        ASSERT_TRUE(entries);
        for (const ListEntry& entry : *entries) {
            EXPECT_FALSE(seen.contains(entry.text)) << entry.text.toStdString();
            seen.insert(entry.text);
            EXPECT_EQ(found(store.findByEntry(table, entry.text)), entry.id);
        }
    }
    QSet<QString> names;
    QSet<QString> rates;
    const auto goodsList = store.all<Goods>();
    ASSERT_TRUE(goodsList);
    for (const Goods& goods : *goodsList) {
        EXPECT_FALSE(names.contains(goods.Nazwa_towaru)) << goods.Nazwa_towaru.toStdString();
        names.insert(goods.Nazwa_towaru);
        rates.insert(goods.Stawka_vat);
        EXPECT_TRUE(goods.Cena_jednostkowa_netto.contains(QLatin1Char(',')));
        EXPECT_EQ(goods.Stan_poczatkowy, goods.ilosc);
    }
    EXPECT_EQ(rates, QSet<QString>({"22", "7", "0", "zw."}));
}
