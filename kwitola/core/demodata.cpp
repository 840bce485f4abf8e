#include "kwitola/core/demodata.h"

#include "kwitola/core/cards.h"
#include "kwitola/core/goodscard.h"
#include "kwitola/core/tablestore.h"

#include <array>

namespace kwitola {

namespace {

// A demo party's texts in the order of the members they fill.
using DemoParty = std::array<const char*, 9>;
constexpr std::array<QString Party::*, 9> kPartyMembers = {
    &Party::Nazwa_firmy, &Party::Adres_firmy,   &Party::Kod_pocztowy,
    &Party::Miejscowosc, &Party::Powiat,        &Party::Wojewodztwo,
    &Party::Nip_firmy,   &Party::Telefon_firmy, &Party::Osoba_uprawniona};

// Made-up companies; the NIPs follow the usual layout but belong to no one.
constexpr DemoParty kIssuers[] = {
    {"Przedsiębiorstwo Handlowe Jantar", "ul. Długa 12", "80-831", "Gdańsk", "Gdańsk", "pomorskie",
     "583-100-20-11", "58 301 22 41", "Anna Wiśniewska"},
    {"Zakład Stolarski Dębowy Liść", "ul. Leśna 4", "33-300", "Nowy Sącz", "nowosądecki",
     "małopolskie", "734-210-33-05", "18 443 10 20", "Tadeusz Dąbrowski"},
    {"Hurtownia Elektryczna Iskra", "al. Piłsudskiego 77", "90-365", "Łódź", "Łódź", "łódzkie",
     "725-004-18-62", "42 630 55 19", "Marek Kowalczyk"},
};

constexpr DemoParty kRecipients[] = {
    {"Apteka Pod Orłem", "Rynek 3", "31-042", "Kraków", "Kraków", "małopolskie", "676-100-21-34",
     "12 421 33 10", "Ewa Nowak"},
    {"Bar Mleczny Pod Lipą", "ul. Lipowa 8", "20-020", "Lublin", "Lublin", "lubelskie",
     "946-220-11-08", "81 532 40 11", "Jan Zieliński"},
    {"Biuro Rachunkowe Saldo", "ul. Mickiewicza 15", "60-833", "Poznań", "Poznań", "wielkopolskie",
     "781-300-45-21", "61 847 12 09", "Katarzyna Wójcik"},
    {"Cukiernia Słodki Róg", "ul. Grodzka 21", "85-109", "Bydgoszcz", "Bydgoszcz",
     "kujawsko-pomorskie", "554-210-08-77", "52 322 18 40", "Piotr Lewandowski"},
    {"Drukarnia Kwadrat", "ul. Przemysłowa 2", "35-105", "Rzeszów", "Rzeszów", "podkarpackie",
     "813-330-62-15", "17 862 20 31", "Agnieszka Kamińska"},
    {"Firma Budowlana Fundament", "ul. Kolejowa 40", "40-074", "Katowice", "Katowice", "śląskie",
     "634-110-27-90", "32 253 66 70", "Krzysztof Szymański"},
    {"Gospodarstwo Ogrodnicze Zielony Zakątek", "Kozy 112", "43-340", "Kozy", "bielski", "śląskie",
     "547-190-03-44", "33 817 40 12", "Maria Woźniak"},
    {"Hotel Nad Zalewem", "ul. Plażowa 1", "26-600", "Radom", "Radom", "mazowieckie",
     "796-240-15-63", "48 362 11 00", "Paweł Kozłowski"},
    {"Kawiarnia Ratuszowa", "pl. Ratuszowy 6", "50-106", "Wrocław", "Wrocław", "dolnośląskie",
     "896-150-72-18", "71 344 09 81", "Magdalena Jankowska"},
    {"Księgarnia Pod Globusem", "ul. Szeroka 9", "87-100", "Toruń", "Toruń", "kujawsko-pomorskie",
     "879-020-44-16", "56 622 31 45", "Tomasz Mazur"},
    {"Kwiaciarnia Storczyk", "ul. Kwiatowa 3", "15-011", "Białystok", "Białystok", "podlaskie",
     "542-280-19-30", "85 741 20 02", "Barbara Krawczyk"},
    {"Piekarnia Złoty Kłos", "ul. Piekarska 11", "45-010", "Opole", "Opole", "opolskie",
     "754-110-36-47", "77 453 17 22", "Andrzej Piotrowski"},
    {"Przychodnia Zdrowie", "ul. Szpitalna 5", "10-510", "Olsztyn", "Olsztyn",
     "warmińsko-mazurskie", "739-020-58-11", "89 527 31 90", "Joanna Grabowska"},
    {"Restauracja Stara Kuźnia", "ul. Kowalska 2", "70-214", "Szczecin", "Szczecin",
     "zachodniopomorskie", "851-200-67-24", "91 433 50 18", "Michał Pawłowski"},
    {"Salon Fryzjerski Loczek", "ul. Krótka 7", "25-312", "Kielce", "Kielce", "świętokrzyskie",
     "657-030-12-85", "41 344 22 17", "Monika Michalska"},
    {"Sklep Spożywczy Groszek", "ul. Ogrodowa 19", "65-462", "Zielona Góra", "Zielona Góra",
     "lubuskie", "929-110-43-56", "68 325 71 60", "Stanisław Nowicki"},
    {"Spółdzielnia Mieszkaniowa Słoneczna", "os. Słoneczne 1", "26-610", "Radom", "Radom",
     "mazowieckie", "796-100-88-02", "48 360 40 40", "Grażyna Adamczyk"},
    {"Szkoła Podstawowa nr 5", "ul. Szkolna 10", "00-950", "Warszawa", "Warszawa", "mazowieckie",
     "526-170-33-91", "22 621 45 78", "Elżbieta Dudek"},
    {"Warsztat Samochodowy Tłok", "ul. Mechaników 14", "41-200", "Sosnowiec", "Sosnowiec",
     "śląskie", "644-290-57-13", "32 266 10 55", "Ryszard Zając"},
    {"Zakład Usług Komunalnych", "ul. Wodna 22", "80-001", "Gdańsk", "Gdańsk", "pomorskie",
     "583-020-74-38", "58 320 08 99", "Henryk Król"},
};

// Demo goods as the stock card would take them: name, symbol, unit,
// quantity, net price, rate and factory number.
using DemoGoods = std::array<const char*, 7>;
constexpr std::array<QString GoodsCardValues::*, 7> kGoodsMembers = {
    &GoodsCardValues::name,         &GoodsCardValues::symbol,   &GoodsCardValues::unit,
    &GoodsCardValues::quantity,     &GoodsCardValues::netPrice, &GoodsCardValues::rate,
    &GoodsCardValues::factoryNumber};

constexpr DemoGoods kGoods[] = {
    {"Bateria alkaliczna AA", "31.40", "szt.", "500,00", "1,85", "22", "BA-1001"},
    {"Biurko dębowe 120 cm", "36.11", "szt.", "8,00", "780,00", "22", "BD-120"},
    {"Chleb żytni", "15.81", "szt.", "60,00", "3,20", "7", ""},
    {"Czajnik elektryczny 1,7 l", "29.71", "szt.", "25,00", "64,90", "22", "CZ-17"},
    {"Drukarka laserowa", "30.02", "szt.", "6,00", "899,00", "22", "DL-2024"},
    {"Farba emulsyjna biała 10 l", "24.30", "szt.", "40,00", "119,00", "22", "FE-10"},
    {"Herbata czarna 100 g", "15.86", "op.", "120,00", "5,49", "7", ""},
    {"Jabłka deserowe", "01.13", "kg", "300,00", "2,40", "0", ""},
    {"Kabel miedziany 3x2,5", "31.30", "m", "1000,00", "4,15", "22", "KM-325"},
    {"Kawa mielona 250 g", "15.86", "op.", "80,00", "12,90", "7", ""},
    {"Krzesło biurowe", "36.11", "szt.", "15,00", "349,00", "22", "KB-07"},
    {"Książka „Rachunkowość”", "22.11", "szt.", "30,00", "45,00", "0", "ISBN-83"},
    {"Lampa biurkowa LED", "31.50", "szt.", "20,00", "89,00", "22", "LB-55"},
    {"Mąka pszenna 1 kg", "15.61", "kg", "200,00", "2,10", "7", ""},
    {"Mleko 3,2% 1 l", "15.51", "l", "150,00", "2,35", "7", ""},
    {"Monitor 24 cale", "30.02", "szt.", "10,00", "749,00", "22", "MN-24"},
    {"Papier ksero A4", "21.12", "ryza", "400,00", "14,50", "22", "PK-A4"},
    {"Porada prawna (godzina)", "74.11", "godz.", "0,00", "150,00", "zw.", ""},
    {"Przedłużacz 5 gniazd", "31.20", "szt.", "35,00", "29,90", "22", "PR-5"},
    {"Segregator A4", "21.23", "szt.", "250,00", "6,80", "22", "SG-75"},
    {"Szkolenie BHP", "80.42", "os.", "0,00", "120,00", "zw.", ""},
    {"Śruba M8 ocynkowana", "28.74", "szt.", "5000,00", "0,35", "22", "SR-M8"},
    {"Taśma pakowa", "25.21", "szt.", "90,00", "4,99", "22", "TP-48"},
    {"Tusz do drukarki czarny", "24.66", "szt.", "45,00", "79,00", "22", "TD-01"},
    {"Usługa transportowa (km)", "60.24", "km", "0,00", "2,50", "zw.", ""},
    {"Wiertarka udarowa", "29.40", "szt.", "7,00", "289,00", "22", "WU-750"},
    {"Woda mineralna 1,5 l", "15.98", "szt.", "600,00", "1,49", "7", ""},
    {"Zeszyt 60 kartek", "21.23", "szt.", "300,00", "2,20", "0", ""},
    {"Żarówka LED 10 W", "31.50", "szt.", "220,00", "9,90", "22", "ZL-10"},
    {"Ziemniaki", "01.12", "kg", "800,00", "1,10", "0", ""},
};

// Each text into its member, in order.
template <typename Record, std::size_t N>
void fill(Record& record, const std::array<const char*, N>& texts,
          const std::array<QString Record::*, N>& members)
{
    for (std::size_t i = 0; i < N; ++i) {
        record.*members.at(i) = QString::fromUtf8(texts.at(i));
    }
}

Result<void> insertParties(TableStore& store)
{
    for (const DemoParty& p : kIssuers) {
        Issuer issuer;
        fill<Party>(issuer, p, kPartyMembers);
        issuer.Bank = QStringLiteral("Bank Spółdzielczy");
        issuer.Numer_konta = QStringLiteral("12 3456 0000 0000 0000 0000 0001");
        if (auto inserted = store.insertRecord(issuer); !inserted) {
            return inserted.forward();
        }
    }
    for (const DemoParty& p : kRecipients) {
        Recipient recipient;
        fill<Party>(recipient, p, kPartyMembers);
        if (auto inserted = store.insertRecord(recipient); !inserted) {
            return inserted.forward();
        }
        if (auto inserted = store.insertRecord(recipientCopy(recipient)); !inserted) {
            return inserted.forward();
        }
    }
    return {};
}

Result<void> insertGoods(TableStore& store)
{
    for (const DemoGoods& g : kGoods) {
        GoodsCardValues values;
        fill(values, g, kGoodsMembers);
        if (auto inserted = store.insertRecord(goodsRecord(values)); !inserted) {
            return inserted.forward();
        }
    }
    return {};
}

} // namespace

Result<void> seedDemoData(TableStore& store)
{
    return store.inTransaction([&store]() -> Result<void> {
        if (auto inserted = insertParties(store); !inserted) {
            return inserted;
        }
        return insertGoods(store);
    });
}

} // namespace kwitola
