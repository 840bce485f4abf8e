#include "kwitola/core/posting.h"

#include "kwitola/core/money.h"
#include "kwitola/core/tablestore.h"

namespace kwitola {

namespace {

const QString kStockField = QStringLiteral("Stan_poczatkowy");

enum class StockMove { Reduce, GiveBack };

// Moves the stock of the first goods of that name by the quantity. Goods
// that are gone, or whose stock is empty, are not kept in stock: skipped.
StoreError moveStock(TableStore& store, const QString& name, const QString& quantity,
                     StockMove move)
{
    const auto found = store.findFirst(Table::Magazyn, QStringLiteral("Nazwa_towaru"), name);
    if (!found) {
        return found.error();
    }
    if (!*found) {
        return std::nullopt;
    }
    const auto goods = store.get<Goods>(**found);
    if (!goods) {
        return goods.error();
    }
    if (!*goods || (*goods)->Stan_poczatkowy.isEmpty()) {
        return std::nullopt;
    }
    const auto stock = Decimal::parse((*goods)->Stan_poczatkowy);
    const auto amount = Decimal::parse(quantity);
    if (!stock) {
        return QStringLiteral("Stan magazynowy towaru %1 nie jest liczbą.").arg(name);
    }
    if (!amount) {
        return QStringLiteral("Ilość towaru %1 nie jest liczbą.").arg(name);
    }
    const auto moved = move == StockMove::Reduce ? stock->minus(*amount) : stock->plus(*amount);
    if (!moved) {
        return QStringLiteral("Stan magazynowy towaru %1 jest poza zakresem.").arg(name);
    }
    return store.update(Table::Magazyn, **found, {{kStockField, moved->fmt()}});
}

StoreError moveStockOfLines(TableStore& store, const StoredDocument& document, StockMove move)
{
    for (const StoredLine& line : document.lines) {
        if (line.name.isEmpty()) {
            continue;
        }
        if (auto error = moveStock(store, line.name, line.quantity, move)) {
            return error;
        }
    }
    return std::nullopt;
}

// Undoes one earlier posting: its ledger rows (only invoices and bills have
// any), the stock its lines took, and its record.
StoreError undoPosting(TableStore& store, const StoredDocument& earlier)
{
    if (!earlier.kindName.isEmpty()) {
        const auto rows = store.findAll(Table::Sprzedaz, QStringLiteral("Document_number"),
                                        earlier.Numer_faktury);
        if (!rows) {
            return rows.error();
        }
        for (const RecordId id : *rows) {
            if (auto error = store.remove(Table::Sprzedaz, id)) {
                return error;
            }
        }
    }
    if (auto error = moveStockOfLines(store, earlier, StockMove::GiveBack)) {
        return error;
    }
    return store.remove(Table::Faktury, earlier.id);
}

StoreError replaceEarlier(TableStore& store, const std::vector<EarlierPosting>& replaces)
{
    for (const EarlierPosting& kind : replaces) {
        const auto ids =
            store.findAll(Table::Faktury, QStringLiteral("Numer_faktury"), kind.storedNumber);
        if (!ids) {
            return ids.error();
        }
        for (const RecordId id : *ids) {
            const auto earlier = store.get<StoredDocument>(id);
            if (!earlier) {
                return earlier.error();
            }
            if (!*earlier || (*earlier)->kindName != kind.kindName) {
                continue;
            }
            if (auto error = undoPosting(store, **earlier)) {
                return error;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<EarlierPosting> invoiceOrBillPostings(const QString& number)
{
    return {{number + kInvoiceSuffix, kInvoiceKindName}, {number + kBillSuffix, kBillKindName}};
}

std::vector<EarlierPosting> goodsIssuePostings(const QString& number)
{
    return {{number, QString()}};
}

StoreError ZaksiegujDokument(TableStore& store, const PostingRequest& request)
{
    if (auto error = replaceEarlier(store, request.replaces)) {
        return error;
    }
    if (auto error =
            store.update(Table::Odbiorca, request.recipientId,
                         {{QStringLiteral("Telefon_firmy"), request.recipientPhone},
                          {QStringLiteral("Ostatnia_transakcja"), request.document.issueDate}})) {
        return error;
    }
    if (auto id = store.insertRecord(request.document); !id) {
        return id.error();
    }
    return moveStockOfLines(store, request.document, StockMove::Reduce);
}

StoreError ZapiszRejestrSprzedazy(TableStore& store, const PostingRequest& request)
{
    if (!request.ledgerRow) {
        return std::nullopt;
    }
    if (auto id = store.insertRecord(*request.ledgerRow); !id) {
        return id.error();
    }
    return std::nullopt;
}

StoreError postDocument(TableStore& store, const PostingRequest& request)
{
    return store.inTransaction([&]() -> StoreError {
        if (auto error = ZaksiegujDokument(store, request)) {
            return error;
        }
        return ZapiszRejestrSprzedazy(store, request);
    });
}

} // namespace kwitola
