#include "kwitola/register/core/storedlines.h"

#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"

namespace kwitola::registry {

common::Result<SalesDocument> documentFromLines(const StoredDocument& stored)
{
    SalesDocument document;
    for (const StoredLine& line : stored.lines) {
        if (line.name.isEmpty()) {
            continue;
        }
        const Goods goods{.Nazwa_towaru = line.name,
                          .Symbol_SWW_KU = line.symbol,
                          .Jednostka_miary = line.unit,
                          .ilosc = {},
                          .Cena_jednostkowa_netto = line.unitNetPrice,
                          .Stawka_vat = line.vatRate,
                          .Stan_poczatkowy = {},
                          .numer_fabryczny = {}};
        if (auto loaded = document.loadGoods(goods); !loaded) {
            return common::fail(
                QStringLiteral("Dokument %1: %2").arg(stored.Numer_faktury, loaded.error()));
        }
        if (document.add(line.quantity)) {
            return common::fail(
                QStringLiteral("Dokument %1: pozycji „%2” nie można zsumować (ilość „%3”, "
                               "stawka VAT „%4”).")
                    .arg(stored.Numer_faktury, line.name, line.quantity, line.vatRate));
        }
    }
    return document;
}

} // namespace kwitola::registry
