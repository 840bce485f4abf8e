#include "kwitola/core/cards.h"

#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablestore.h"

#include <functional>

namespace kwitola {

namespace {

// The record the card's texts make: each field on the card lands in the
// member the catalogue gives it.
template <typename Record> Record recordOf(const CardFields& fields)
{
    Record record;
    for (const FieldDef<Record>& field : catalogueOf<Record>().fields) {
        if (field.cardPlace >= 0) {
            record.*field.member = fields.at(static_cast<std::size_t>(field.cardPlace));
        }
    }
    return record;
}

template <typename Record> CardFields fieldsOf(const Record& record)
{
    CardFields fields;
    for (const FieldDef<Record>& field : catalogueOf<Record>().fields) {
        if (field.cardPlace >= 0) {
            fields.at(static_cast<std::size_t>(field.cardPlace)) = record.*field.member;
        }
    }
    return fields;
}

// Runs the inserts as one transaction and gives the number they answer.
Result<RecordId> insertWhole(TableStore& store, const std::function<Result<RecordId>()>& insert)
{
    RecordId id = 0;
    const auto written = store.inTransaction([&]() -> Result<void> {
        const auto inserted = insert();
        if (!inserted) {
            return inserted.forward();
        }
        id = *inserted;
        return {};
    });
    if (!written) {
        return written.forward();
    }
    return id;
}

} // namespace

CardFields cardFields(const Issuer& issuer)
{
    return fieldsOf(issuer);
}

CardFields cardFields(const Recipient& recipient)
{
    return fieldsOf(recipient);
}

QString cardEntry(const CardFields& fields)
{
    return partyEntry(recordOf<Recipient>(fields));
}

Result<RecordId> addIssuer(TableStore& store, const CardFields& fields)
{
    return insertWhole(store, [&] { return store.insertRecord(recordOf<Issuer>(fields)); });
}

Result<RecordId> addRecipient(TableStore& store, const CardFields& fields)
{
    return insertWhole(store, [&]() -> Result<RecordId> {
        auto inserted = store.insertRecord(recordOf<Recipient>(fields));
        if (!inserted) {
            return inserted;
        }
        if (const auto copy = store.insertRecord(recordOf<RecipientCopy>(fields)); !copy) {
            return copy.forward();
        }
        return inserted;
    });
}

RecipientCopy recipientCopy(const Recipient& recipient)
{
    return recordOf<RecipientCopy>(fieldsOf(recipient));
}

Result<void> correctIssuer(TableStore& store, RecordId id, const CardFields& fields)
{
    return store.inTransaction([&]() {
        return store.update(Table::Wystawca, id, cardFieldValues(recordOf<Issuer>(fields)));
    });
}

Result<void> correctRecipient(TableStore& store, RecordId id, const CardFields& fields)
{
    return store.inTransaction([&]() -> Result<void> {
        const auto before = store.get<Recipient>(id);
        if (!before) {
            return before.forward();
        }
        if (!*before) {
            return fail(QStringLiteral("W tabeli odbiorca.db nie ma rekordu numer %1.").arg(id));
        }
        const auto copy =
            store.findFirstWhere(Table::Firmy, cardFieldValues(recipientCopy(**before)));
        if (!copy) {
            return copy.forward();
        }
        if (auto updated =
                store.update(Table::Odbiorca, id, cardFieldValues(recordOf<Recipient>(fields)));
            !updated) {
            return updated;
        }
        if (*copy) {
            return store.update(Table::Firmy, **copy,
                                cardFieldValues(recordOf<RecipientCopy>(fields)));
        }
        return {};
    });
}

} // namespace kwitola
