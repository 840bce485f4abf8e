#include "karoskop/core/tables/fordtables.h"

namespace karoskop {

namespace {

const std::array<PositionRow, 13> kPlantRows{{
    {8, u'A', QStringLiteral("Koln / Dagenham / Ipiranga")},
    {8, u'B', QStringLiteral("Genk / Halewood / Sao Bernado")},
    {8, u'C', QStringLiteral("Saarlouis / Langley")},
    {8, u'E', QStringLiteral("Cork")},
    {8, u'K', QStringLiteral("Rheine")},
    {8, u'M', QStringLiteral("Rheine")},
    {8, u'N', QStringLiteral("Amsterdam")},
    {8, u'P', QStringLiteral("Valencia / Azambuja")},
    // Position 7, where it has a row, names the plant more exactly.
    {7, u'B', QStringLiteral("Essex, Wielka Brytania")},
    {7, u'C', QStringLiteral("Cork, Irlandia / Amsterdam, Holandia / Azambuja, Portugalia")},
    {7, u'G', QStringLiteral("Koln, Niemcy")},
    {7, u'L', QStringLiteral("Sao Paulo, Brazylia")},
    {7, u'W', QStringLiteral("Almusafes, Hiszpania")},
}};

const std::array<PositionRow, 12> kBodyRows{{
    {10, u'3', QStringLiteral("3-drzwiowy furgon")},
    {10, u'A', QStringLiteral("5-drzwiowa limuzyna")},
    {10, u'B', QStringLiteral("3-drzwiowa limuzyna")},
    {10, u'C', QStringLiteral("2-drzwiowe coupe")},
    {10, u'D', QStringLiteral("3-drzwiowe kombi")},
    {10, u'E', QStringLiteral("3-drzwiowa limuzyna")},
    {10, u'F', QStringLiteral("4-drzwiowa limuzyna")},
    {10, u'L', QStringLiteral("2-drzwiowy kabriolet")},
    {10, u'N', QStringLiteral("5-drzwiowe kombi")},
    {10, u'T', QStringLiteral("2-drzwiowa limuzyna")},
    {10, u'V', QStringLiteral("furgon")},
    {10, u'W', QStringLiteral("3-drzwiowe kombi")},
}};

// "Z" is in group 2 although it decodes no year.
const std::array<MonthGroupRow, 4> kMonthGroups{{
    {"AEJNTY", 0},
    {"BFKPVZ", 1},
    {"CGLRW", 2},
    {"DHMSX", 3},
}};

const std::array<MonthRow, 12> kMonths{{
    {QStringLiteral("Styczeń"), {u'B', u'J', u'L', u'C'}},
    {QStringLiteral("Luty"), {u'R', u'U', u'Y', u'K'}},
    {QStringLiteral("Marzec"), {u'A', u'M', u'S', u'D'}},
    {QStringLiteral("Kwiecień"), {u'G', u'P', u'T', u'E'}},
    {QStringLiteral("Maj"), {u'C', u'B', u'J', u'L'}},
    {QStringLiteral("Czerwiec"), {u'K', u'R', u'U', u'Y'}},
    {QStringLiteral("Lipiec"), {u'D', u'A', u'M', u'S'}},
    {QStringLiteral("Sierpień"), {u'E', u'G', u'P', u'T'}},
    {QStringLiteral("Wrzesień"), {u'L', u'C', u'B', u'J'}},
    {QStringLiteral("Pażdziernik"), {u'Y', u'K', u'R', u'U'}},
    {QStringLiteral("Listopad"), {u'S', u'D', u'A', u'M'}},
    {QStringLiteral("Grudzień"), {u'T', u'E', u'G', u'P'}},
}};

const QString kPetrol = QStringLiteral("benzyna");
const QString kPetrolOrDiesel = QStringLiteral("benzyna / olej napędowy");

// Tests are on position 9 (model), 10 (body) and 11 (year letter).
const std::array<ModelRule, 32> kModelRules{{
    {{{{9, "R"}, {10, "B"}}}, {QStringLiteral("Ford Ka")}, QStringLiteral("Ka"), kPetrol}, // 1
    {{{{9, "F"}, {10, "AB"}}},
     {QStringLiteral("Ford Fiesta")},
     QStringLiteral("Fiesta"),
     kPetrolOrDiesel},                                                                         // 2
    {{{{9, "E"}, {10, "C"}}}, {QStringLiteral("Ford Puma")}, QStringLiteral("Puma"), kPetrol}, // 3
    {{{{9, "A"}, {10, "AB"}}},
     {QStringLiteral("Ford Escort")},
     QStringLiteral("Escort"),
     kPetrolOrDiesel}, // 4
    {{{{9, "A"}, {10, "F"}}},
     {QStringLiteral("Ford Orion"), QStringLiteral("Ford Escort")},
     QStringLiteral("Escort / Orion"),
     kPetrolOrDiesel}, // 5
    {{{{9, "A"}, {10, "L"}}},
     {QStringLiteral("Ford Escort Cabrio")},
     QStringLiteral("Escort Cabrio"),
     kPetrolOrDiesel}, // 6
    {{{{9, "A"}, {10, "W"}}},
     {QStringLiteral("Ford Escort Kombi")},
     QStringLiteral("Escort Kombi"),
     kPetrolOrDiesel}, // 7
    {{{{9, "A"}, {10, "N"}}},
     {QStringLiteral("Ford Escort Kombi")},
     QStringLiteral("Escort Kombi"),
     kPetrolOrDiesel}, // 8
    {{{{9, "D"}, {10, "AB"}}},
     {QStringLiteral("Ford Focus")},
     QStringLiteral("Focus"),
     kPetrol}, // 9
    {{{{9, "B"}, {10, "ABFT"}, {11, "AB"}}},
     {QStringLiteral("Ford Taunus")},
     QStringLiteral("Taunus"),
     kPetrolOrDiesel}, // 10
    {{{{9, "B"}, {10, "N"}, {11, "AB"}}},
     {QStringLiteral("Ford Taunus Kombi")},
     QStringLiteral("Taunus Kombi"),
     kPetrolOrDiesel}, // 11
    {{{{9, "B"}, {10, "ABFT"}, {11, "C"}}},
     {QStringLiteral("Ford Taunus"), QStringLiteral("Ford Sierra")},
     QStringLiteral("Taunus / Sierra"),
     kPetrolOrDiesel}, // 12
    {{{{9, "B"}, {10, "N"}, {11, "C"}}},
     {QStringLiteral("Ford Taunus Kombi"), QStringLiteral("Ford Sierra Kombi")},
     QStringLiteral("Taunus /Sierra Kombi"),
     kPetrolOrDiesel}, // 13
    {{{{9, "B"}, {10, "ABF"}, {11, "DEFG"}}},
     {QStringLiteral("Ford Sierra")},
     QStringLiteral("Sierra"),
     kPetrolOrDiesel}, // 14
    {{{{9, "B"}, {10, "N"}, {11, "DEFG"}}},
     {QStringLiteral("Ford Sierra Kombi")},
     QStringLiteral("Sierra Kombi"),
     kPetrolOrDiesel}, // 15
    {{{{9, "B"}, {10, "ABF"}, {11, "HJKLMN"}}},
     {QStringLiteral("Ford Sierra II")},
     QStringLiteral("Sierra II"),
     kPetrolOrDiesel}, // 16
    {{{{9, "B"}, {10, "N"}, {11, "HJKLMN"}}},
     {QStringLiteral("Ford Sierra II Kombi")},
     QStringLiteral("Sierra II Kombi"),
     kPetrolOrDiesel}, // 17
    {{{{9, "B"}, {10, "ABF"}, {11, "P"}}},
     {QStringLiteral("Ford Sierra II"), QStringLiteral("Ford Mondeo")},
     QStringLiteral("Sierra II / Mondeo"),
     kPetrolOrDiesel}, // 18
    {{{{9, "B"}, {10, "N"}, {11, "P"}}},
     {QStringLiteral("Ford Sierra II Kombi"), QStringLiteral("Ford Mondeo Kombi")},
     QStringLiteral("Sierra II / Mondeo Kombi"),
     kPetrolOrDiesel}, // 19
    {{{{9, "B"}, {10, "AF"}, {11, "RSTVWX"}}},
     {QStringLiteral("Ford Mondeo")},
     QStringLiteral("Mondeo"),
     kPetrolOrDiesel}, // 20
    {{{{9, "B"}, {10, "N"}, {11, "RSTVWX"}}},
     {QStringLiteral("Ford Mondeo Kombi")},
     QStringLiteral("Mondeo Kombi"),
     kPetrolOrDiesel}, // 21
    {{{{9, "G"}, {10, "AF"}, {11, "ABCDE"}}},
     {QStringLiteral("Ford Granada")},
     QStringLiteral("Granada"),
     kPetrolOrDiesel}, // 22
    {{{{9, "G"}, {10, "N"}, {11, "ABCDE"}}},
     {QStringLiteral("Ford Granada Kombi")},
     QStringLiteral("Granada Kombi"),
     kPetrolOrDiesel}, // 23
    {{{{9, "G"}, {10, "AF"}, {11, "F"}}},
     {QStringLiteral("Ford Granada"), QStringLiteral("Ford Scorpio")},
     QStringLiteral("Granada / Scorpio"),
     kPetrolOrDiesel}, // 24
    {{{{9, "G"}, {10, "N"}, {11, "F"}}},
     {QStringLiteral("Ford Scorpio Kombi")},
     QStringLiteral("Granada / Scorpio Kombi"),
     kPetrolOrDiesel}, // 25
    {{{{9, "G"}, {10, "AF"}, {11, "GHJKLMN"}}},
     {QStringLiteral("Ford Scorpio")},
     QStringLiteral("Scorpio"),
     kPetrolOrDiesel}, // 26
    {{{{9, "G"}, {10, "N"}, {11, "GHJKLMN"}}},
     {QStringLiteral("Ford Scorpio Kombi")},
     QStringLiteral("Scorpio Kombi"),
     kPetrolOrDiesel}, // 27
    {{{{9, "F"}, {10, "2"}, {11, "LMNPR"}}},
     {QStringLiteral("Ford Probe I")},
     QStringLiteral("Probe I"),
     kPetrol}, // 28
    {{{{9, "E"}, {10, "C"}, {11, "STVWX"}}},
     {QStringLiteral("Ford Probe II 16 V"), QStringLiteral("Ford Probe II 24 V")},
     QStringLiteral("Probe II"),
     kPetrol}, // 29
    {{{{9, "W"}, {10, "G"}}},
     {QStringLiteral("Ford Galaxy")},
     QStringLiteral("Galaxy"),
     kPetrolOrDiesel}, // 30
    {{{{4, "D"}, {5, "A"}, {6, "5"}, {7, "1"}}},
     {QStringLiteral("Ford Windstar")},
     QStringLiteral("Windstar"),
     kPetrol}, // 31: positions 4 to 7 instead of 9 and 10
    {{{{4, "D"}, {5, "U"}, {6, "3"}, {7, "4"}}},
     {QStringLiteral("Ford Explorer")},
     QStringLiteral("Explorer"),
     kPetrol}, // 32
}};

} // namespace

std::span<const PositionRow> fordPlantRows()
{
    return kPlantRows;
}

std::span<const PositionRow> fordBodyRows()
{
    return kBodyRows;
}

std::span<const MonthGroupRow> fordMonthGroupRows()
{
    return kMonthGroups;
}

std::span<const MonthRow> fordMonthRows()
{
    return kMonths;
}

std::span<const ModelRule> fordModelRules()
{
    return kModelRules;
}

} // namespace karoskop
