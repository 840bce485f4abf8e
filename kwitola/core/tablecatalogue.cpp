#include "kwitola/core/tablecatalogue.h"

#include <array>

namespace kwitola {

namespace {

constexpr auto Named = FieldRole::Named;
constexpr auto Placed = FieldRole::Placed;
constexpr auto RecordNumber = FieldRole::RecordNumber;
constexpr auto Unwritten = FieldRole::Unwritten;
constexpr auto AlwaysZero = FieldRole::AlwaysZero;

// Each row: stored name, role, record member, place in the list entry, place
// on the card, looked up by value. The rows stand in stored order.

using I = Issuer;
constexpr std::array<FieldDef<I>, 14> kIssuerFields = {{
    {u"Nazwa_firmy", Named, &I::Nazwa_firmy, 0, 0, false},
    {u"Unused_2", Unwritten, nullptr, -1, -1, false},
    {u"Adres_firmy", Named, &I::Adres_firmy, 2, 1, false},
    {u"Kod_pocztowy", Named, &I::Kod_pocztowy, -1, 2, false},
    {u"Miejscowosc", Named, &I::Miejscowosc, 1, 3, false},
    {u"Powiat", Named, &I::Powiat, -1, 4, false},
    {u"Wojewodztwo", Named, &I::Wojewodztwo, -1, 5, false},
    {u"Nip_firmy", Named, &I::Nip_firmy, 3, 6, false},
    {u"Regon_firmy", Named, &I::Regon_firmy, -1, 7, false},
    {u"Telefon_firmy", Named, &I::Telefon_firmy, -1, 8, false},
    {u"Fax_firmy", Named, &I::Fax_firmy, -1, 9, false},
    {u"Osoba_uprawniona", Named, &I::Osoba_uprawniona, -1, 10, false},
    {u"Bank", Named, &I::Bank, -1, 11, false},
    {u"Numer_konta", Named, &I::Numer_konta, -1, 12, false},
}};

using R = Recipient;
constexpr std::array<FieldDef<R>, 13> kRecipientFields = {{
    {u"Nazwa_firmy", Named, &R::Nazwa_firmy, 0, 0, false},
    {u"Index_firmy", RecordNumber, nullptr, -1, -1, false},
    {u"Adres_firmy", Named, &R::Adres_firmy, 2, 1, false},
    {u"Kod_pocztowy", Named, &R::Kod_pocztowy, -1, 2, false},
    {u"Miejscowosc", Named, &R::Miejscowosc, 1, 3, false},
    {u"Powiat", Named, &R::Powiat, -1, 4, false},
    {u"Wojewodztwo", Named, &R::Wojewodztwo, -1, 5, false},
    {u"Nip_firmy", Named, &R::Nip_firmy, 3, 6, false},
    {u"Regon_firmy", Named, &R::Regon_firmy, -1, 7, false},
    {u"Telefon_firmy", Named, &R::Telefon_firmy, -1, 8, false},
    {u"Fax_firmy", Named, &R::Fax_firmy, -1, 9, false},
    {u"Osoba_uprawniona", Named, &R::Osoba_uprawniona, -1, 10, false},
    {u"Ostatnia_transakcja", Named, &R::Ostatnia_transakcja, -1, -1, false},
}};

// The card places are those of the recipient card the copy is taken from.
using C = RecipientCopy;
constexpr std::array<FieldDef<C>, 9> kCopyFields = {{
    {u"Unused_1", Unwritten, nullptr, -1, -1, false},
    {u"Nip_firmy", Named, &C::Nip_firmy, -1, 6, false},
    {u"Nazwa", Named, &C::Nazwa, -1, 0, false},
    {u"Ulica", Named, &C::Ulica, -1, 1, false},
    {u"Kod_pocztowy", Named, &C::Kod_pocztowy, -1, 2, false},
    {u"Miejscowosc", Named, &C::Miejscowosc, -1, 3, false},
    {u"Telefon", Named, &C::Telefon, -1, 8, false},
    {u"Unused_8", Unwritten, nullptr, -1, -1, false},
    {u"Unused_9", Unwritten, nullptr, -1, -1, false},
}};

// The card places are those the stock card corrects.
using G = Goods;
constexpr std::array<FieldDef<G>, 13> kGoodsFields = {{
    {u"Nazwa_towaru", Named, &G::Nazwa_towaru, 0, 0, true},
    {u"Index_towaru", RecordNumber, nullptr, -1, -1, false},
    {u"Unused_3", Unwritten, nullptr, -1, -1, false},
    {u"Symbol_SWW_KU", Named, &G::Symbol_SWW_KU, -1, 1, false},
    {u"Jednostka_miary", Named, &G::Jednostka_miary, -1, 2, false},
    {u"ilosc", Named, &G::ilosc, -1, 3, false},
    {u"Cena_jednostkowa_netto", Named, &G::Cena_jednostkowa_netto, -1, 4, false},
    {u"Stawka_vat", Named, &G::Stawka_vat, -1, 5, false},
    {u"Unused_9", Unwritten, nullptr, -1, -1, false},
    {u"Stan_poczatkowy", Named, &G::Stan_poczatkowy, -1, -1, false},
    {u"Unused_11", Unwritten, nullptr, -1, -1, false},
    {u"numer_fabryczny", Named, &G::numer_fabryczny, 1, -1, false},
    {u"Unused_13", Unwritten, nullptr, -1, -1, false},
}};

using D = StoredDocument;
constexpr std::array<FieldDef<D>, 20> kDocumentFields = {{
    {u"Unused_1", Unwritten, nullptr, -1, -1, false},
    {u"Numer_faktury", Named, &D::Numer_faktury, -1, -1, true},
    {u"Kind_name", Placed, &D::kindName, -1, -1, false},
    {u"Issue_day", Placed, &D::issueDay, -1, -1, false},
    {u"Issue_month", Placed, &D::issueMonth, -1, -1, false},
    {u"Issue_year", Placed, &D::issueYear, -1, -1, false},
    {u"Issue_date", Placed, &D::issueDate, -1, -1, false},
    {u"Delivery_date", Placed, &D::deliveryDate, -1, -1, false},
    {u"Advance_date", Placed, &D::advanceDate, -1, -1, false},
    {u"Recipient_name", Placed, &D::recipientName, -1, -1, false},
    {u"Recipient_address", Placed, &D::recipientAddress, -1, -1, false},
    {u"Recipient_postal_code", Placed, &D::recipientPostalCode, -1, -1, false},
    {u"Recipient_town", Placed, &D::recipientTown, -1, -1, false},
    {u"Recipient_nip", Placed, &D::recipientNip, -1, -1, false},
    {u"Unused_15", Unwritten, nullptr, -1, -1, false},
    {u"Recipient_person", Placed, &D::recipientPerson, -1, -1, false},
    {u"Unused_17", Unwritten, nullptr, -1, -1, false},
    {u"Unused_18", Unwritten, nullptr, -1, -1, false},
    {u"Unused_19", Unwritten, nullptr, -1, -1, false},
    {u"Unused_20", Unwritten, nullptr, -1, -1, false},
}};

constexpr std::array<LineRun, 6> kDocumentLines = {{
    {u"Line_name_", &StoredLine::name},
    {u"Line_symbol_", &StoredLine::symbol},
    {u"Line_unit_", &StoredLine::unit},
    {u"Line_quantity_", &StoredLine::quantity},
    {u"Line_price_", &StoredLine::unitNetPrice},
    {u"Line_rate_", &StoredLine::vatRate},
}};

// The issue date stands twice; a read takes the second.
using L = LedgerRow;
constexpr std::array<FieldDef<L>, 28> kLedgerFields = {{
    {u"Unused_1", Unwritten, nullptr, -1, -1, false},
    {u"Unused_2", Unwritten, nullptr, -1, -1, false},
    {u"Document_number", Placed, &L::documentNumber, -1, -1, true},
    {u"Issue_day", Placed, &L::issueDay, -1, -1, false},
    {u"Issue_month", Placed, &L::issueMonth, -1, -1, false},
    {u"Issue_year", Placed, &L::issueYear, -1, -1, false},
    {u"Issue_day_2", Placed, &L::issueDay, -1, -1, false},
    {u"Issue_month_2", Placed, &L::issueMonth, -1, -1, false},
    {u"Issue_year_2", Placed, &L::issueYear, -1, -1, false},
    {u"Recipient_nip", Placed, &L::recipientNip, -1, -1, false},
    {u"Recipient_name", Placed, &L::recipientName, -1, -1, false},
    {u"Recipient_address", Placed, &L::recipientAddress, -1, -1, false},
    {u"Recipient_postal_code", Placed, &L::recipientPostalCode, -1, -1, false},
    {u"Recipient_town", Placed, &L::recipientTown, -1, -1, false},
    {u"Recipient_phone", Placed, &L::recipientPhone, -1, -1, false},
    {u"Unused_16", Unwritten, nullptr, -1, -1, false},
    {u"Zero_17", AlwaysZero, nullptr, -1, -1, false},
    {u"Gross_total", Placed, &L::grossTotal, -1, -1, false},
    {u"Net_22", Placed, &L::net22, -1, -1, false},
    {u"Vat_22", Placed, &L::vat22, -1, -1, false},
    {u"Net_7", Placed, &L::net7, -1, -1, false},
    {u"Vat_7", Placed, &L::vat7, -1, -1, false},
    {u"Net_0", Placed, &L::net0, -1, -1, false},
    {u"Zero_24", AlwaysZero, nullptr, -1, -1, false},
    {u"Zero_25", AlwaysZero, nullptr, -1, -1, false},
    {u"Zero_26", AlwaysZero, nullptr, -1, -1, false},
    {u"Net_exempt", Placed, &L::netExempt, -1, -1, false},
    {u"Vat_total", Placed, &L::vatTotal, -1, -1, false},
}};

} // namespace

template <> const Catalogue<Issuer>& catalogueOf<Issuer>()
{
    static const Catalogue<Issuer> catalogue{kIssuerFields, {}};
    return catalogue;
}

template <> const Catalogue<Recipient>& catalogueOf<Recipient>()
{
    static const Catalogue<Recipient> catalogue{kRecipientFields, {}};
    return catalogue;
}

template <> const Catalogue<RecipientCopy>& catalogueOf<RecipientCopy>()
{
    static const Catalogue<RecipientCopy> catalogue{kCopyFields, {}};
    return catalogue;
}

template <> const Catalogue<Goods>& catalogueOf<Goods>()
{
    static const Catalogue<Goods> catalogue{kGoodsFields, {}};
    return catalogue;
}

template <> const Catalogue<StoredDocument>& catalogueOf<StoredDocument>()
{
    static const Catalogue<StoredDocument> catalogue{kDocumentFields, kDocumentLines};
    return catalogue;
}

template <> const Catalogue<LedgerRow>& catalogueOf<LedgerRow>()
{
    static const Catalogue<LedgerRow> catalogue{kLedgerFields, {}};
    return catalogue;
}

template <typename Record> int columnOf(QString Record::*member)
{
    const auto& fields = catalogueOf<Record>().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].member == member) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <typename Record> QString fieldName(QString Record::*member)
{
    return layoutOf(Record::table).columns.value(columnOf(member));
}

template <typename Record> FieldValues cardFieldValues(const Record& record)
{
    FieldValues values;
    const QStringList& columns = layoutOf(Record::table).columns;
    const auto& fields = catalogueOf<Record>().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].cardPlace >= 0) {
            values.emplace_back(columns.at(static_cast<qsizetype>(i)), record.*fields[i].member);
        }
    }
    return values;
}

// NOLINTBEGIN(bugprone-macro-parentheses): a type name cannot be bracketed
#define KWITOLA_CATALOGUE_RECORD(Record)                                                           \
    template int columnOf<Record>(QString Record::*);                                              \
    template QString fieldName<Record>(QString Record::*);                                         \
    template FieldValues cardFieldValues<Record>(const Record&);

KWITOLA_FOR_EACH_RECORD(KWITOLA_CATALOGUE_RECORD)

#undef KWITOLA_CATALOGUE_RECORD
// NOLINTEND(bugprone-macro-parentheses)

} // namespace kwitola
