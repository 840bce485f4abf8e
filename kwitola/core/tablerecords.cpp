#include "kwitola/core/tablerecords.h"

#include <utility>
#include <vector>

namespace kwitola {

namespace {

const QString kTwoBlanks = QStringLiteral("  ");
const QString kZero = QStringLiteral("0,00");

// A typed record's field and the member that holds it.
template <typename Record>
using FieldMap = std::vector<std::pair<const char16_t*, QString Record::*>>;

template <typename Record> const FieldMap<Record>& fieldsOf();

template <> const FieldMap<Issuer>& fieldsOf<Issuer>()
{
    static const FieldMap<Issuer> fields{{u"Nazwa_firmy", &Issuer::Nazwa_firmy},
                                         {u"Adres_firmy", &Issuer::Adres_firmy},
                                         {u"Kod_pocztowy", &Issuer::Kod_pocztowy},
                                         {u"Miejscowosc", &Issuer::Miejscowosc},
                                         {u"Powiat", &Issuer::Powiat},
                                         {u"Wojewodztwo", &Issuer::Wojewodztwo},
                                         {u"Nip_firmy", &Issuer::Nip_firmy},
                                         {u"Regon_firmy", &Issuer::Regon_firmy},
                                         {u"Telefon_firmy", &Issuer::Telefon_firmy},
                                         {u"Fax_firmy", &Issuer::Fax_firmy},
                                         {u"Osoba_uprawniona", &Issuer::Osoba_uprawniona},
                                         {u"Bank", &Issuer::Bank},
                                         {u"Numer_konta", &Issuer::Numer_konta}};
    return fields;
}

template <> const FieldMap<Recipient>& fieldsOf<Recipient>()
{
    static const FieldMap<Recipient> fields{
        {u"Nazwa_firmy", &Recipient::Nazwa_firmy},
        {u"Adres_firmy", &Recipient::Adres_firmy},
        {u"Kod_pocztowy", &Recipient::Kod_pocztowy},
        {u"Miejscowosc", &Recipient::Miejscowosc},
        {u"Powiat", &Recipient::Powiat},
        {u"Wojewodztwo", &Recipient::Wojewodztwo},
        {u"Nip_firmy", &Recipient::Nip_firmy},
        {u"Regon_firmy", &Recipient::Regon_firmy},
        {u"Telefon_firmy", &Recipient::Telefon_firmy},
        {u"Fax_firmy", &Recipient::Fax_firmy},
        {u"Osoba_uprawniona", &Recipient::Osoba_uprawniona},
        {u"Ostatnia_transakcja", &Recipient::Ostatnia_transakcja}};
    return fields;
}

template <> const FieldMap<RecipientCopy>& fieldsOf<RecipientCopy>()
{
    static const FieldMap<RecipientCopy> fields{{u"Nip_firmy", &RecipientCopy::Nip_firmy},
                                                {u"Nazwa", &RecipientCopy::Nazwa},
                                                {u"Ulica", &RecipientCopy::Ulica},
                                                {u"Kod_pocztowy", &RecipientCopy::Kod_pocztowy},
                                                {u"Miejscowosc", &RecipientCopy::Miejscowosc},
                                                {u"Telefon", &RecipientCopy::Telefon}};
    return fields;
}

template <> const FieldMap<Goods>& fieldsOf<Goods>()
{
    static const FieldMap<Goods> fields{{u"Nazwa_towaru", &Goods::Nazwa_towaru},
                                        {u"Symbol_SWW_KU", &Goods::Symbol_SWW_KU},
                                        {u"Jednostka_miary", &Goods::Jednostka_miary},
                                        {u"ilosc", &Goods::ilosc},
                                        {u"Cena_jednostkowa_netto", &Goods::Cena_jednostkowa_netto},
                                        {u"Stawka_vat", &Goods::Stawka_vat},
                                        {u"Stan_poczatkowy", &Goods::Stan_poczatkowy},
                                        {u"numer_fabryczny", &Goods::numer_fabryczny}};
    return fields;
}

template <> const FieldMap<StoredDocument>& fieldsOf<StoredDocument>()
{
    static const FieldMap<StoredDocument> fields{
        {u"Numer_faktury", &StoredDocument::Numer_faktury},
        {u"Kind_name", &StoredDocument::kindName},
        {u"Issue_day", &StoredDocument::issueDay},
        {u"Issue_month", &StoredDocument::issueMonth},
        {u"Issue_year", &StoredDocument::issueYear},
        {u"Issue_date", &StoredDocument::issueDate},
        {u"Delivery_date", &StoredDocument::deliveryDate},
        {u"Advance_date", &StoredDocument::advanceDate},
        {u"Recipient_name", &StoredDocument::recipientName},
        {u"Recipient_address", &StoredDocument::recipientAddress},
        {u"Recipient_postal_code", &StoredDocument::recipientPostalCode},
        {u"Recipient_town", &StoredDocument::recipientTown},
        {u"Recipient_nip", &StoredDocument::recipientNip},
        {u"Recipient_person", &StoredDocument::recipientPerson}};
    return fields;
}

template <> const FieldMap<LedgerRow>& fieldsOf<LedgerRow>()
{
    static const FieldMap<LedgerRow> fields{
        {u"Document_number", &LedgerRow::documentNumber},
        {u"Issue_day", &LedgerRow::issueDay},
        {u"Issue_month", &LedgerRow::issueMonth},
        {u"Issue_year", &LedgerRow::issueYear},
        {u"Issue_day_2", &LedgerRow::issueDay},
        {u"Issue_month_2", &LedgerRow::issueMonth},
        {u"Issue_year_2", &LedgerRow::issueYear},
        {u"Recipient_nip", &LedgerRow::recipientNip},
        {u"Recipient_name", &LedgerRow::recipientName},
        {u"Recipient_address", &LedgerRow::recipientAddress},
        {u"Recipient_postal_code", &LedgerRow::recipientPostalCode},
        {u"Recipient_town", &LedgerRow::recipientTown},
        {u"Recipient_phone", &LedgerRow::recipientPhone},
        {u"Gross_total", &LedgerRow::grossTotal},
        {u"Net_22", &LedgerRow::net22},
        {u"Vat_22", &LedgerRow::vat22},
        {u"Net_7", &LedgerRow::net7},
        {u"Vat_7", &LedgerRow::vat7},
        {u"Net_0", &LedgerRow::net0},
        {u"Net_exempt", &LedgerRow::netExempt},
        {u"Vat_total", &LedgerRow::vatTotal}};
    return fields;
}

// The line slots of faktury.DB: six runs of fifteen, one per line field.
constexpr int kFirstLineColumn = 20;
constexpr std::array<QString StoredLine::*, 6> kLineFields = {
    &StoredLine::name,     &StoredLine::symbol,       &StoredLine::unit,
    &StoredLine::quantity, &StoredLine::unitNetPrice, &StoredLine::vatRate};

int lineColumn(std::size_t field, std::size_t line)
{
    return kFirstLineColumn + static_cast<int>(field * kStoredLineCount + line);
}

template <typename Record> QStringList mappedValues(const Record& record)
{
    QStringList values(layoutOf(Record::table).columns.size());
    for (const auto& [field, member] : fieldsOf<Record>()) {
        values[*columnPosition(Record::table, QStringView(field))] = record.*member;
    }
    return values;
}

template <typename Record> Record mappedRecord(const Row& row)
{
    Record record;
    record.id = row.id;
    for (const auto& [field, member] : fieldsOf<Record>()) {
        const int position = *columnPosition(Record::table, QStringView(field));
        if (position < row.values.size()) {
            record.*member = row.values.at(position);
        }
    }
    return record;
}

} // namespace

QString Row::value(QStringView field) const
{
    const auto position = columnPosition(table, field);
    if (!position || *position >= values.size()) {
        return {};
    }
    return values.at(*position);
}

template <typename Record> QStringList toValues(const Record& record)
{
    return mappedValues(record);
}

template <typename Record> Record fromRow(const Row& row)
{
    return mappedRecord<Record>(row);
}

template <> QStringList toValues(const StoredDocument& record)
{
    QStringList values = mappedValues(record);
    for (std::size_t line = 0; line < record.lines.size(); ++line) {
        for (std::size_t field = 0; field < kLineFields.size(); ++field) {
            values[lineColumn(field, line)] = record.lines.at(line).*kLineFields.at(field);
        }
    }
    return values;
}

template <> StoredDocument fromRow(const Row& row)
{
    auto record = mappedRecord<StoredDocument>(row);
    for (std::size_t line = 0; line < record.lines.size(); ++line) {
        for (std::size_t field = 0; field < kLineFields.size(); ++field) {
            record.lines.at(line).*kLineFields.at(field) =
                row.values.value(lineColumn(field, line));
        }
    }
    return record;
}

template <> QStringList toValues(const LedgerRow& record)
{
    QStringList values = mappedValues(record);
    for (const char16_t* field : {u"Zero_17", u"Zero_24", u"Zero_25", u"Zero_26"}) {
        values[*columnPosition(Table::Sprzedaz, QStringView(field))] = kZero;
    }
    return values;
}

template QStringList toValues(const Issuer&);
template QStringList toValues(const Recipient&);
template QStringList toValues(const RecipientCopy&);
template QStringList toValues(const Goods&);
template Issuer fromRow(const Row&);
template Recipient fromRow(const Row&);
template RecipientCopy fromRow(const Row&);
template Goods fromRow(const Row&);
template LedgerRow fromRow(const Row&);

QString partyEntry(const QString& name, const QString& town, const QString& street,
                   const QString& nip)
{
    return name + kTwoBlanks + town + kTwoBlanks + street + kTwoBlanks + nip;
}

QString partyEntry(const Issuer& issuer)
{
    return partyEntry(issuer.Nazwa_firmy, issuer.Miejscowosc, issuer.Adres_firmy, issuer.Nip_firmy);
}

QString partyEntry(const Recipient& recipient)
{
    return partyEntry(recipient.Nazwa_firmy, recipient.Miejscowosc, recipient.Adres_firmy,
                      recipient.Nip_firmy);
}

QString goodsEntry(const QString& name, const QString& factoryNumber)
{
    return name + kTwoBlanks + factoryNumber;
}

QString goodsEntry(const Goods& goods)
{
    return goodsEntry(goods.Nazwa_towaru, goods.numer_fabryczny);
}

} // namespace kwitola
