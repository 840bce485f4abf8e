#include "kwitola/core/cards.h"

#include "kwitola/core/tablestore.h"

namespace kwitola {

namespace {

// The table field behind each card field, in the cards' order.
constexpr std::array<const char16_t*, kIssuerCardFields> kFieldNames = {
    u"Nazwa_firmy",      u"Adres_firmy", u"Kod_pocztowy", u"Miejscowosc",   u"Powiat",
    u"Wojewodztwo",      u"Nip_firmy",   u"Regon_firmy",  u"Telefon_firmy", u"Fax_firmy",
    u"Osoba_uprawniona", u"Bank",        u"Numer_konta"};

// The fields of the recipient's copy in firmy.DB and the card field each
// is taken from.
struct CopyField
{
    const char16_t* name;
    std::size_t cardField;
};
constexpr std::array<CopyField, 6> kCopyFields = {{{u"Nip_firmy", 6},
                                                   {u"Nazwa", 0},
                                                   {u"Ulica", 1},
                                                   {u"Kod_pocztowy", 2},
                                                   {u"Miejscowosc", 3},
                                                   {u"Telefon", 8}}};

template <typename Record> CardFields fieldsOf(const Record& record, std::size_t count)
{
    const QStringList values = toValues(record);
    CardFields fields;
    for (std::size_t i = 0; i < count; ++i) {
        fields[i] = values.value(*columnPosition(Record::table, QStringView(kFieldNames[i])));
    }
    return fields;
}

QStringList positional(Table table, const CardFields& fields, std::size_t count)
{
    QStringList values(layoutOf(table).columns.size());
    for (std::size_t i = 0; i < count; ++i) {
        values[*columnPosition(table, QStringView(kFieldNames[i]))] = fields[i];
    }
    return values;
}

FieldValues named(const CardFields& fields, std::size_t count)
{
    FieldValues values;
    for (std::size_t i = 0; i < count; ++i) {
        values.emplace_back(QString::fromUtf16(kFieldNames[i]), fields[i]);
    }
    return values;
}

FieldValues copyValues(const CardFields& fields)
{
    FieldValues values;
    for (const CopyField& field : kCopyFields) {
        values.emplace_back(QString::fromUtf16(field.name), fields[field.cardField]);
    }
    return values;
}

QStringList copyRow(const CardFields& fields)
{
    QStringList values(layoutOf(Table::Firmy).columns.size());
    for (const CopyField& field : kCopyFields) {
        values[*columnPosition(Table::Firmy, QStringView(field.name))] = fields[field.cardField];
    }
    return values;
}

} // namespace

CardFields cardFields(const Issuer& issuer)
{
    return fieldsOf(issuer, kIssuerCardFields);
}

CardFields cardFields(const Recipient& recipient)
{
    return fieldsOf(recipient, kRecipientCardFields);
}

QString cardEntry(const CardFields& fields)
{
    return partyEntry(fields[0], fields[3], fields[1], fields[6]);
}

Result<RecordId> addIssuer(TableStore& store, const CardFields& fields)
{
    RecordId id = 0;
    const auto written = store.inTransaction([&]() -> Result<void> {
        const auto inserted =
            store.insert(Table::Wystawca, positional(Table::Wystawca, fields, kIssuerCardFields));
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

Result<RecordId> addRecipient(TableStore& store, const CardFields& fields)
{
    RecordId id = 0;
    const auto written = store.inTransaction([&]() -> Result<void> {
        const auto inserted = store.insert(
            Table::Odbiorca, positional(Table::Odbiorca, fields, kRecipientCardFields));
        if (!inserted) {
            return inserted.forward();
        }
        id = *inserted;
        if (const auto copy = store.insert(Table::Firmy, copyRow(fields)); !copy) {
            return copy.forward();
        }
        return {};
    });
    if (!written) {
        return written.forward();
    }
    return id;
}

Result<void> correctIssuer(TableStore& store, RecordId id, const CardFields& fields)
{
    return store.inTransaction(
        [&]() { return store.update(Table::Wystawca, id, named(fields, kIssuerCardFields)); });
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
        const auto copy = store.findFirstWhere(Table::Firmy, copyValues(cardFields(**before)));
        if (!copy) {
            return copy.forward();
        }
        if (auto updated = store.update(Table::Odbiorca, id, named(fields, kRecipientCardFields));
            !updated) {
            return updated;
        }
        if (*copy) {
            return store.update(Table::Firmy, **copy, copyValues(fields));
        }
        return {};
    });
}

} // namespace kwitola
