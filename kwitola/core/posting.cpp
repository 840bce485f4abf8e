#include "kwitola/core/posting.h"

#include "kwitola/core/money.h"
#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablestore.h"

#include <algorithm>

namespace kwitola {

namespace {

// The stock record of the first goods of that name; nothing for goods that
// are gone or whose stock is empty (not kept in stock: skipped).
Result<std::optional<Goods>> stockedGoods(const TableStore& store, const QString& name)
{
    const auto found = store.findFirst(Table::Magazyn, fieldName(&Goods::Nazwa_towaru), name);
    if (!found) {
        return Result<std::optional<Goods>>::failure(found.error());
    }
    if (!*found) {
        return std::optional<Goods>();
    }
    auto goods = store.get<Goods>(**found);
    if (!goods) {
        return Result<std::optional<Goods>>::failure(goods.error());
    }
    if (!*goods || (*goods)->Stan_poczatkowy.isEmpty()) {
        return std::optional<Goods>();
    }
    return *std::move(goods);
}

// Adds the change to the stock of the goods of that name, rounded once.
Result<void> moveStock(TableStore& store, const QString& name, Decimal change)
{
    const auto goods = stockedGoods(store, name);
    if (!goods) {
        return goods.forward();
    }
    if (!*goods) {
        return {};
    }
    const auto stock = Decimal::parse((*goods)->Stan_poczatkowy);
    if (!stock) {
        return fail(QStringLiteral("Stan magazynowy towaru %1 nie jest liczbą.").arg(name));
    }
    const auto moved = stock->plus(change);
    if (!moved) {
        return fail(QStringLiteral("Stan magazynowy towaru %1 jest poza zakresem.").arg(name));
    }
    return store.update(Table::Magazyn, (*goods)->id,
                        {{fieldName(&Goods::Stan_poczatkowy), moved->fmt()}});
}

// The quantity of a line as a number.
Result<Decimal> lineQuantity(const StoredLine& line)
{
    const auto amount = Decimal::parse(line.quantity);
    if (!amount) {
        return Result<Decimal>::failure(
            QStringLiteral("Ilość towaru %1 nie jest liczbą.").arg(line.name));
    }
    return *amount;
}

// A first posting takes the stock line by line, each step rounded.
Result<void> reduceStockLineByLine(TableStore& store, const StoredDocument& document)
{
    for (const StoredLine& line : document.lines) {
        if (line.name.isEmpty()) {
            continue;
        }
        const auto amount = lineQuantity(line);
        if (!amount) {
            return amount.forward();
        }
        const auto change = Decimal().minus(*amount);
        if (!change) {
            return fail(QStringLiteral("Ilość towaru %1 jest poza zakresem.").arg(line.name));
        }
        if (auto moved = moveStock(store, line.name, *change); !moved) {
            return moved;
        }
    }
    return {};
}

// The stock change a re-posting makes, per goods in the order the goods
// first appear: what the earlier postings took, less what the new one takes.
struct GoodsChange
{
    QString name;
    Decimal change;
};

Result<std::vector<GoodsChange>> netStockChanges(const std::vector<StoredDocument>& earlier,
                                                 const StoredDocument& document)
{
    std::vector<GoodsChange> changes;
    const auto account = [&changes](const StoredLine& line, int sign) -> Result<void> {
        if (line.name.isEmpty()) {
            return {};
        }
        const auto amount = lineQuantity(line);
        if (!amount) {
            return amount.forward();
        }
        auto it = std::find_if(changes.begin(), changes.end(),
                               [&](const GoodsChange& c) { return c.name == line.name; });
        if (it == changes.end()) {
            it = changes.insert(changes.end(), {line.name, Decimal()});
        }
        const auto sum = sign > 0 ? it->change.plus(*amount) : it->change.minus(*amount);
        if (!sum) {
            return fail(QStringLiteral("Ilość towaru %1 jest poza zakresem.").arg(line.name));
        }
        it->change = *sum;
        return {};
    };
    for (const StoredDocument& before : earlier) {
        for (const StoredLine& line : before.lines) {
            if (auto counted = account(line, 1); !counted) {
                return counted.forward();
            }
        }
    }
    for (const StoredLine& line : document.lines) {
        if (auto counted = account(line, -1); !counted) {
            return counted.forward();
        }
    }
    return changes;
}

// A re-posting moves each goods' stock by its net change once, so that a
// reprint of an unchanged document leaves the stock exactly as it was.
Result<void> moveStockByNetChange(TableStore& store, const std::vector<StoredDocument>& earlier,
                                  const StoredDocument& document)
{
    const auto changes = netStockChanges(earlier, document);
    if (!changes) {
        return changes.forward();
    }
    for (const GoodsChange& goods : *changes) {
        if (goods.change.isZero()) {
            continue;
        }
        if (auto moved = moveStock(store, goods.name, goods.change); !moved) {
            return moved;
        }
    }
    return {};
}

// Removes one earlier posting's ledger rows (only invoices and bills have
// any) and its record; its stock is settled with the new posting's.
Result<void> removePosting(TableStore& store, const StoredDocument& earlier)
{
    if (!earlier.kindName.isEmpty()) {
        const auto rows = store.findAll(Table::Sprzedaz, fieldName(&LedgerRow::documentNumber),
                                        earlier.Numer_faktury);
        if (!rows) {
            return rows.forward();
        }
        for (const RecordId id : *rows) {
            if (auto removed = store.remove(Table::Sprzedaz, id); !removed) {
                return removed;
            }
        }
    }
    return store.remove(Table::Faktury, earlier.id);
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

Result<std::vector<StoredDocument>> earlierPostings(const TableStore& store,
                                                    const PostingRequest& request)
{
    std::vector<StoredDocument> earlier;
    for (const EarlierPosting& kind : request.replaces) {
        const auto ids = store.findAll(Table::Faktury, fieldName(&StoredDocument::Numer_faktury),
                                       kind.storedNumber);
        if (!ids) {
            return Result<std::vector<StoredDocument>>::failure(ids.error());
        }
        for (const RecordId id : *ids) {
            auto record = store.get<StoredDocument>(id);
            if (!record) {
                return Result<std::vector<StoredDocument>>::failure(record.error());
            }
            if (*record && (*record)->kindName == kind.kindName) {
                earlier.push_back(**std::move(record));
            }
        }
    }
    return earlier;
}

const StoredDocument* postingOfAnotherDate(const std::vector<StoredDocument>& earlier,
                                           const PostingRequest& request)
{
    const auto other = std::find_if(earlier.begin(), earlier.end(), [&](const StoredDocument& d) {
        return d.issueDate != request.document.issueDate;
    });
    return other == earlier.end() ? nullptr : &*other;
}

Result<void> ZaksiegujDokument(TableStore& store, const PostingRequest& request)
{
    const auto earlier = earlierPostings(store, request);
    if (!earlier) {
        return earlier.forward();
    }
    if (const StoredDocument* other = postingOfAnotherDate(*earlier, request);
        other && !request.replaceOtherIssueDate) {
        return fail(QStringLiteral("Dokument nr %1 z dnia %2 jest już zaksięgowany.")
                        .arg(other->Numer_faktury, other->issueDate));
    }
    for (const StoredDocument& before : *earlier) {
        if (auto removed = removePosting(store, before); !removed) {
            return removed;
        }
    }
    if (auto updated = store.update(
            Table::Odbiorca, request.recipientId,
            {{fieldName<Recipient>(&Recipient::Telefon_firmy), request.recipientPhone},
             {fieldName<Recipient>(&Recipient::Ostatnia_transakcja), request.document.issueDate}});
        !updated) {
        return updated;
    }
    if (auto id = store.insertRecord(request.document); !id) {
        return id.forward();
    }
    return earlier->empty() ? reduceStockLineByLine(store, request.document)
                            : moveStockByNetChange(store, *earlier, request.document);
}

Result<void> ZapiszRejestrSprzedazy(TableStore& store, const PostingRequest& request)
{
    if (!request.ledgerRow) {
        return {};
    }
    if (auto id = store.insertRecord(*request.ledgerRow); !id) {
        return id.forward();
    }
    return {};
}

Result<void> postDocument(TableStore& store, const PostingRequest& request)
{
    return store.inTransaction([&]() -> Result<void> {
        if (auto posted = ZaksiegujDokument(store, request); !posted) {
            return posted;
        }
        return ZapiszRejestrSprzedazy(store, request);
    });
}

} // namespace kwitola
