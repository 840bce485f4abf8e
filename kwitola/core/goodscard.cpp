#include "kwitola/core/goodscard.h"

#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablestore.h"

namespace kwitola {

Goods goodsRecord(const GoodsCardValues& values)
{
    // A new record id, and the quantity also starts the stock.
    return {0,           values.name,     values.symbol,
            values.unit, values.quantity, values.netPrice,
            values.rate, values.quantity, values.factoryNumber};
}

QString GoodsCardValues::entry() const
{
    return goodsEntry(name, factoryNumber);
}

GoodsCardValues cardValues(const Goods& goods)
{
    return {goods.Nazwa_towaru,           goods.Symbol_SWW_KU, goods.Jednostka_miary, goods.ilosc,
            goods.Cena_jednostkowa_netto, goods.Stawka_vat,    goods.numer_fabryczny};
}

Result<NewGoods> addGoods(TableStore& store, const GoodsCardValues& values)
{
    if (values.name.isEmpty()) {
        return NewGoods::NothingToSave;
    }
    const auto existing =
        store.findFirst(Table::Magazyn, fieldName(&Goods::Nazwa_towaru), values.name);
    if (!existing) {
        return Result<NewGoods>::failure(existing.error());
    }
    if (*existing) {
        return NewGoods::Duplicate;
    }
    const auto inserted = store.insertRecord(goodsRecord(values));
    if (!inserted) {
        return Result<NewGoods>::failure(inserted.error());
    }
    return NewGoods::Saved;
}

Result<bool> correctGoods(TableStore& store, RecordId id, const GoodsCardValues& values)
{
    const auto stored = store.get<Goods>(id);
    if (!stored) {
        return Result<bool>::failure(stored.error());
    }
    if (!*stored) {
        return false;
    }
    if (const auto updated = store.update(Table::Magazyn, id, cardFieldValues(goodsRecord(values)));
        !updated) {
        return updated.forward();
    }
    return true;
}

} // namespace kwitola
