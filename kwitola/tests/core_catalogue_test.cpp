#include "kwitola/core/tablecatalogue.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kwitola;

namespace {

QStringList numbered(const char* stem, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << QLatin1String(stem) + QString::number(i);
    }
    return names;
}

QStringList split(const char* names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

// The field orders of the six tables, as the files keep them.
TEST(Catalogue, GivesEveryTableItsFieldsInStoredOrder)
{
    QStringList document =
        split("Unused_1 Numer_faktury Kind_name Issue_day Issue_month Issue_year Issue_date "
              "Delivery_date Advance_date Recipient_name Recipient_address "
              "Recipient_postal_code Recipient_town Recipient_nip Unused_15 Recipient_person "
              "Unused_17 Unused_18 Unused_19 Unused_20");
    for (const char* stem : {"Line_name_", "Line_symbol_", "Line_unit_", "Line_quantity_",
                             "Line_price_", "Line_rate_"}) {
        document << numbered(stem, kStoredLineCount);
    }
    struct Expected
    {
        Table table;
        QStringList columns;
        std::optional<int> recordNumber;
        QStringList entry;
        QStringList lookedUp;
    };
    const Expected tables[] = {
        {Table::Wystawca,
         split("Nazwa_firmy Unused_2 Adres_firmy Kod_pocztowy Miejscowosc Powiat Wojewodztwo "
               "Nip_firmy Regon_firmy Telefon_firmy Fax_firmy Osoba_uprawniona Bank Numer_konta"),
         std::nullopt,
         split("Nazwa_firmy Miejscowosc Adres_firmy Nip_firmy"),
         {}},
        {Table::Odbiorca,
         split("Nazwa_firmy Index_firmy Adres_firmy Kod_pocztowy Miejscowosc Powiat Wojewodztwo "
               "Nip_firmy Regon_firmy Telefon_firmy Fax_firmy Osoba_uprawniona "
               "Ostatnia_transakcja"),
         1,
         split("Nazwa_firmy Miejscowosc Adres_firmy Nip_firmy"),
         {}},
        {Table::Firmy,
         split("Unused_1 Nip_firmy Nazwa Ulica Kod_pocztowy Miejscowosc Telefon Unused_8 "
               "Unused_9"),
         std::nullopt,
         {},
         {}},
        {Table::Magazyn,
         split("Nazwa_towaru Index_towaru Unused_3 Symbol_SWW_KU Jednostka_miary ilosc "
               "Cena_jednostkowa_netto Stawka_vat Unused_9 Stan_poczatkowy Unused_11 "
               "numer_fabryczny Unused_13"),
         1, split("Nazwa_towaru numer_fabryczny"), split("Nazwa_towaru")},
        {Table::Faktury, document, std::nullopt, {}, split("Numer_faktury")},
        {Table::Sprzedaz,
         split("Unused_1 Unused_2 Document_number Issue_day Issue_month Issue_year Issue_day_2 "
               "Issue_month_2 Issue_year_2 Recipient_nip Recipient_name Recipient_address "
               "Recipient_postal_code Recipient_town Recipient_phone Unused_16 Zero_17 "
               "Gross_total Net_22 Vat_22 Net_7 Vat_7 Net_0 Zero_24 Zero_25 Zero_26 Net_exempt "
               "Vat_total"),
         std::nullopt,
         {},
         split("Document_number")},
    };
    for (const Expected& t : tables) {
        const TableLayout& layout = layoutOf(t.table);
        SCOPED_TRACE(layout.fileName.toStdString());
        EXPECT_EQ(layout.table, t.table);
        EXPECT_EQ(layout.columns, t.columns);
        EXPECT_EQ(layout.roles.size(), static_cast<std::size_t>(t.columns.size()));
        EXPECT_EQ(layout.recordNumberColumn, t.recordNumber);
        EXPECT_EQ(layout.entryColumns, t.entry);
        EXPECT_EQ(layout.lookupColumns, t.lookedUp);
    }
}

// Every card place is taken by exactly one field, so that no card field is
// lost or written twice.
template <typename Record> QList<int> cardPlaces()
{
    QList<int> places;
    for (const FieldDef<Record>& field : catalogueOf<Record>().fields) {
        if (field.cardPlace >= 0) {
            EXPECT_NE(field.member, nullptr) << field.cardPlace;
            places << field.cardPlace;
        }
    }
    std::sort(places.begin(), places.end());
    return places;
}

QList<int> upTo(int count)
{
    QList<int> places;
    for (int i = 0; i < count; ++i) {
        places << i;
    }
    return places;
}

TEST(Catalogue, CardsTakeTheirFieldsOnceEach)
{
    EXPECT_EQ(cardPlaces<Issuer>(), upTo(13));
    EXPECT_EQ(cardPlaces<Recipient>(), upTo(11));
    EXPECT_EQ(cardPlaces<RecipientCopy>(), (QList<int>{0, 1, 2, 3, 6, 8}));
    EXPECT_EQ(cardPlaces<Goods>(), upTo(6));
}

TEST(Catalogue, ARecordGoesToItsPositionsAndBack)
{
    LedgerRow row;
    row.documentNumber = QStringLiteral("7/2001 FV");
    row.issueDay = QStringLiteral("05");
    row.vatTotal = QStringLiteral("22,00");
    const QStringList values = toValues(row);
    const TableLayout& layout = layoutOf(Table::Sprzedaz);
    ASSERT_EQ(values.size(), layout.columns.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const FieldRole role = layout.roles.at(static_cast<std::size_t>(i));
        if (role == FieldRole::AlwaysZero) {
            EXPECT_EQ(values.at(i), QStringLiteral("0,00")) << layout.columns.at(i).toStdString();
        } else if (role == FieldRole::Unwritten) {
            EXPECT_TRUE(values.at(i).isEmpty()) << layout.columns.at(i).toStdString();
        }
    }
    EXPECT_EQ(values.at(columnOf(&LedgerRow::documentNumber)), row.documentNumber);
    EXPECT_EQ(values.at(layout.columns.indexOf(QStringLiteral("Issue_day_2"))), row.issueDay);
    EXPECT_EQ(fieldName(&LedgerRow::vatTotal), QStringLiteral("Vat_total"));

    StoredDocument document;
    document.Numer_faktury = QStringLiteral("3/2001");
    document.lines.at(0).name = QStringLiteral("Śruba");
    document.lines.back().vatRate = QStringLiteral("22");
    const QStringList stored = toValues(document);
    EXPECT_EQ(stored.at(layoutOf(Table::Faktury).columns.indexOf(QStringLiteral("Line_name_1"))),
              QStringLiteral("Śruba"));
    EXPECT_EQ(stored.back(), QStringLiteral("22"));
    const StoredDocument back = fromRow<StoredDocument>({Table::Faktury, 4, stored});
    EXPECT_EQ(back.id, 4);
    EXPECT_EQ(back.Numer_faktury, document.Numer_faktury);
    EXPECT_EQ(back.lines.at(0).name, document.lines.at(0).name);
    EXPECT_EQ(back.lines.back().vatRate, document.lines.back().vatRate);
}

} // namespace
