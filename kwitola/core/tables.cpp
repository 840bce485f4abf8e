#include "kwitola/core/tables.h"

#include <QString>

namespace kwitola {

namespace {

QStringList numbered(const QString& stem, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << stem + QString::number(i);
    }
    return names;
}

QStringList documentColumns()
{
    QStringList columns{
        QStringLiteral("Unused_1"),          QStringLiteral("Numer_faktury"),
        QStringLiteral("Kind_name"),         QStringLiteral("Issue_day"),
        QStringLiteral("Issue_month"),       QStringLiteral("Issue_year"),
        QStringLiteral("Issue_date"),        QStringLiteral("Delivery_date"),
        QStringLiteral("Advance_date"),      QStringLiteral("Recipient_name"),
        QStringLiteral("Recipient_address"), QStringLiteral("Recipient_postal_code"),
        QStringLiteral("Recipient_town"),    QStringLiteral("Recipient_nip"),
        QStringLiteral("Unused_15"),         QStringLiteral("Recipient_person"),
        QStringLiteral("Unused_17"),         QStringLiteral("Unused_18"),
        QStringLiteral("Unused_19"),         QStringLiteral("Unused_20")};
    for (const char* stem : {"Line_name_", "Line_symbol_", "Line_unit_", "Line_quantity_",
                             "Line_price_", "Line_rate_"}) {
        columns << numbered(QLatin1String(stem), 15);
    }
    return columns;
}

const TableLayout& layout(int index)
{
    static const std::array<TableLayout, 6> layouts = {{
        {Table::Wystawca,
         QStringLiteral("wystawca.db"),
         QStringLiteral("Wystawca"),
         {QStringLiteral("Nazwa_firmy"), QStringLiteral("Unused_2"), QStringLiteral("Adres_firmy"),
          QStringLiteral("Kod_pocztowy"), QStringLiteral("Miejscowosc"), QStringLiteral("Powiat"),
          QStringLiteral("Wojewodztwo"), QStringLiteral("Nip_firmy"), QStringLiteral("Regon_firmy"),
          QStringLiteral("Telefon_firmy"), QStringLiteral("Fax_firmy"),
          QStringLiteral("Osoba_uprawniona"), QStringLiteral("Bank"),
          QStringLiteral("Numer_konta")},
         std::nullopt,
         {QStringLiteral("Nazwa_firmy"), QStringLiteral("Miejscowosc"),
          QStringLiteral("Adres_firmy"), QStringLiteral("Nip_firmy")}},
        {Table::Odbiorca,
         QStringLiteral("odbiorca.db"),
         QStringLiteral("Odbiorca"),
         {QStringLiteral("Nazwa_firmy"), QStringLiteral("Index_firmy"),
          QStringLiteral("Adres_firmy"), QStringLiteral("Kod_pocztowy"),
          QStringLiteral("Miejscowosc"), QStringLiteral("Powiat"), QStringLiteral("Wojewodztwo"),
          QStringLiteral("Nip_firmy"), QStringLiteral("Regon_firmy"),
          QStringLiteral("Telefon_firmy"), QStringLiteral("Fax_firmy"),
          QStringLiteral("Osoba_uprawniona"), QStringLiteral("Ostatnia_transakcja")},
         1,
         {QStringLiteral("Nazwa_firmy"), QStringLiteral("Miejscowosc"),
          QStringLiteral("Adres_firmy"), QStringLiteral("Nip_firmy")}},
        {Table::Firmy,
         QStringLiteral("firmy.DB"),
         QStringLiteral("Firmy"),
         {QStringLiteral("Unused_1"), QStringLiteral("Nip_firmy"), QStringLiteral("Nazwa"),
          QStringLiteral("Ulica"), QStringLiteral("Kod_pocztowy"), QStringLiteral("Miejscowosc"),
          QStringLiteral("Telefon"), QStringLiteral("Unused_8"), QStringLiteral("Unused_9")},
         std::nullopt,
         {}},
        {Table::Magazyn,
         QStringLiteral("magazyn.db"),
         QStringLiteral("Magazyn"),
         {QStringLiteral("Nazwa_towaru"), QStringLiteral("Index_towaru"),
          QStringLiteral("Unused_3"), QStringLiteral("Symbol_SWW_KU"),
          QStringLiteral("Jednostka_miary"), QStringLiteral("ilosc"),
          QStringLiteral("Cena_jednostkowa_netto"), QStringLiteral("Stawka_vat"),
          QStringLiteral("Unused_9"), QStringLiteral("Stan_poczatkowy"),
          QStringLiteral("Unused_11"), QStringLiteral("numer_fabryczny"),
          QStringLiteral("Unused_13")},
         1,
         {QStringLiteral("Nazwa_towaru"), QStringLiteral("numer_fabryczny")}},
        {Table::Faktury,
         QStringLiteral("faktury.DB"),
         QStringLiteral("Faktury"),
         documentColumns(),
         std::nullopt,
         {}},
        {Table::Sprzedaz,
         QStringLiteral("sprzedaz.db"),
         QStringLiteral("Sprzedaz"),
         {QStringLiteral("Unused_1"),
          QStringLiteral("Unused_2"),
          QStringLiteral("Document_number"),
          QStringLiteral("Issue_day"),
          QStringLiteral("Issue_month"),
          QStringLiteral("Issue_year"),
          QStringLiteral("Issue_day_2"),
          QStringLiteral("Issue_month_2"),
          QStringLiteral("Issue_year_2"),
          QStringLiteral("Recipient_nip"),
          QStringLiteral("Recipient_name"),
          QStringLiteral("Recipient_address"),
          QStringLiteral("Recipient_postal_code"),
          QStringLiteral("Recipient_town"),
          QStringLiteral("Recipient_phone"),
          QStringLiteral("Unused_16"),
          QStringLiteral("Zero_17"),
          QStringLiteral("Gross_total"),
          QStringLiteral("Net_22"),
          QStringLiteral("Vat_22"),
          QStringLiteral("Net_7"),
          QStringLiteral("Vat_7"),
          QStringLiteral("Net_0"),
          QStringLiteral("Zero_24"),
          QStringLiteral("Zero_25"),
          QStringLiteral("Zero_26"),
          QStringLiteral("Net_exempt"),
          QStringLiteral("Vat_total")},
         std::nullopt,
         {}},
    }};
    return layouts.at(static_cast<std::size_t>(index));
}

} // namespace

const TableLayout& layoutOf(Table table)
{
    return layout(static_cast<int>(table));
}

std::optional<int> columnPosition(Table table, QStringView field)
{
    const QStringList& columns = layoutOf(table).columns;
    for (int i = 0; i < columns.size(); ++i) {
        if (QStringView(columns.at(i)).compare(field, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace kwitola
