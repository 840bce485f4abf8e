#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tablerecords.h"

#include <QString>

namespace kwitola {

class TableStore;

// What the stock card holds: the texts of its fields.
struct GoodsCardValues
{
    QString name;
    QString symbol;
    QString unit;
    QString quantity;
    QString netPrice;
    QString rate;
    QString factoryNumber;

    // The goods list entry the saved goods are chosen by.
    [[nodiscard]] QString entry() const;
};

// The record the card makes: a new record's stock starts at its quantity.
[[nodiscard]] Goods goodsRecord(const GoodsCardValues& values);

// The card filled from a stored record.
[[nodiscard]] GoodsCardValues cardValues(const Goods& goods);

enum class NewGoods {
    NothingToSave, // the name is empty
    Duplicate,     // a record of exactly that name exists
    Saved,
};

// Inserts a new goods record: the quantity goes into both `ilosc` and
// `Stan_poczatkowy`. Names compare exactly, letter case included. A failed
// read or insert gives the store's error text.
[[nodiscard]] Result<NewGoods> addGoods(TableStore& store, const GoodsCardValues& values);

// Writes name, symbol, unit, quantity, price and rate over the record (not
// the factory number). False when no such record is stored.
[[nodiscard]] Result<bool> correctGoods(TableStore& store, RecordId id,
                                        const GoodsCardValues& values);

} // namespace kwitola
