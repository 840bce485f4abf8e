#include "karoskop/core/decoder.h"
#include "karoskop/core/steps.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

using karoskop::testing::VinFixture;
using karoskop::testing::withChars;

namespace karoskop {
namespace {

// No plant, body, month or model row matches this number as it stands.
const QString kBase = QStringLiteral("WF0XXXXXXXX012345");

VinFixture decodeFord(std::initializer_list<std::pair<int, char>> changes)
{
    VinFixture f(withChars(kBase, changes), QStringLiteral("Ford"));
    rozkodujRocznik(f.context);
    rozkodujForda(f.context);
    return f;
}

struct CodeText
{
    char code;
    const char* text;
};

TEST(FordPlant, Position8)
{
    const CodeText rows[] = {
        {'A', "Koln / Dagenham / Ipiranga"},
        {'B', "Genk / Halewood / Sao Bernado"},
        {'C', "Saarlouis / Langley"},
        {'E', "Cork"},
        {'K', "Rheine"},
        {'M', "Rheine"},
        {'N', "Amsterdam"},
        {'P', "Valencia / Azambuja"},
        {'D', ""},
        {'X', ""},
    };
    for (const CodeText& row : rows) {
        EXPECT_EQ(decodeFord({{8, row.code}}).d().plant, QString::fromUtf8(row.text)) << row.code;
    }
}

TEST(FordPlant, Position7StandsOverPosition8)
{
    const CodeText rows[] = {
        {'B', "Essex, Wielka Brytania"},
        {'C', "Cork, Irlandia / Amsterdam, Holandia / Azambuja, Portugalia"},
        {'G', "Koln, Niemcy"},
        {'L', "Sao Paulo, Brazylia"},
        {'W', "Almusafes, Hiszpania"},
        {'A', "Koln / Dagenham / Ipiranga"}, // no position-7 row: position 8 stands
    };
    for (const CodeText& row : rows) {
        EXPECT_EQ(decodeFord({{7, row.code}, {8, 'A'}}).d().plant, QString::fromUtf8(row.text))
            << row.code;
    }
    EXPECT_EQ(decodeFord({{7, 'G'}, {8, 'X'}}).d().plant, QStringLiteral("Koln, Niemcy"));
}

TEST(FordBody, Position10)
{
    const CodeText rows[] = {
        {'3', "3-drzwiowy furgon"},
        {'A', "5-drzwiowa limuzyna"},
        {'B', "3-drzwiowa limuzyna"},
        {'C', "2-drzwiowe coupe"},
        {'D', "3-drzwiowe kombi"},
        {'E', "3-drzwiowa limuzyna"},
        {'F', "4-drzwiowa limuzyna"},
        {'L', "2-drzwiowy kabriolet"},
        {'N', "5-drzwiowe kombi"},
        {'T', "2-drzwiowa limuzyna"},
        {'V', "furgon"},
        {'W', "3-drzwiowe kombi"},
        {'G', ""},
        {'X', ""},
    };
    for (const CodeText& row : rows) {
        EXPECT_EQ(decodeFord({{10, row.code}}).d().body, QString::fromUtf8(row.text)) << row.code;
    }
}

TEST(FordMonth, EveryCodeOfEveryGroup)
{
    const char* groupYearLetters[4] = {"AEJNTY", "BFKPVZ", "CGLRW", "DHMSX"};
    const struct
    {
        const char* month;
        const char* codes; // group 1..4
    } months[] = {
        {"Styczeń", "BJLC"},  {"Luty", "RUYK"},        {"Marzec", "AMSD"},   {"Kwiecień", "GPTE"},
        {"Maj", "CBJL"},      {"Czerwiec", "KRUY"},    {"Lipiec", "DAMS"},   {"Sierpień", "EGPT"},
        {"Wrzesień", "LCBJ"}, {"Pażdziernik", "YKRU"}, {"Listopad", "SDAM"}, {"Grudzień", "TEGP"},
    };
    for (int group = 0; group < 4; ++group) {
        for (const char* y = groupYearLetters[group]; *y != '\0'; ++y) {
            for (const auto& m : months) {
                const char code = m.codes[group];
                EXPECT_EQ(decodeFord({{11, *y}, {12, code}}).d().productionMonth,
                          QString::fromUtf8(m.month))
                    << "year " << *y << " code " << code;
            }
        }
    }
}

TEST(FordMonth, CodesOutsideTheGroupOrYearLettersWithoutGroupLeaveItEmpty)
{
    const struct
    {
        char year;
        char code;
    } cases[] = {{'A', 'M'}, {'B', 'S'}, {'C', 'C'}, {'D', 'B'}, {'0', 'B'},
                 {'I', 'B'}, {'O', 'J'}, {'Q', 'L'}, {'U', 'C'}};
    for (const auto& c : cases) {
        EXPECT_TRUE(decodeFord({{11, c.year}, {12, c.code}}).d().productionMonth.isEmpty())
            << c.year << c.code;
    }
}

const QString kPetrol = QStringLiteral("benzyna");
const QString kBoth = QStringLiteral("benzyna / olej napędowy");

struct RuleCase
{
    int rule;
    const char* p9;
    const char* p10;
    const char* p11; // "0": a letter no rule tests
    QStringList entries;
    const char* type;
    QString fuel;
};

// Each rule, tried with every character it accepts.
TEST(FordModelRules, EveryRuleWithEveryAcceptedCharacter)
{
    const RuleCase rules[] = {
        {1, "R", "B", "0", {"Ford Ka"}, "Ka", kPetrol},
        {2, "F", "AB", "0", {"Ford Fiesta"}, "Fiesta", kBoth},
        {3, "E", "C", "0", {"Ford Puma"}, "Puma", kPetrol},
        {4, "A", "AB", "0", {"Ford Escort"}, "Escort", kBoth},
        {5, "A", "F", "0", {"Ford Orion", "Ford Escort"}, "Escort / Orion", kBoth},
        {6, "A", "L", "0", {"Ford Escort Cabrio"}, "Escort Cabrio", kBoth},
        {7, "A", "W", "0", {"Ford Escort Kombi"}, "Escort Kombi", kBoth},
        {8, "A", "N", "0", {"Ford Escort Kombi"}, "Escort Kombi", kBoth},
        {9, "D", "AB", "0", {"Ford Focus"}, "Focus", kPetrol},
        {10, "B", "ABFT", "AB", {"Ford Taunus"}, "Taunus", kBoth},
        {11, "B", "N", "AB", {"Ford Taunus Kombi"}, "Taunus Kombi", kBoth},
        {12, "B", "ABFT", "C", {"Ford Taunus", "Ford Sierra"}, "Taunus / Sierra", kBoth},
        {13,
         "B",
         "N",
         "C",
         {"Ford Taunus Kombi", "Ford Sierra Kombi"},
         "Taunus /Sierra Kombi",
         kBoth},
        {14, "B", "ABF", "DEFG", {"Ford Sierra"}, "Sierra", kBoth},
        {15, "B", "N", "DEFG", {"Ford Sierra Kombi"}, "Sierra Kombi", kBoth},
        {16, "B", "ABF", "HJKLMN", {"Ford Sierra II"}, "Sierra II", kBoth},
        {17, "B", "N", "HJKLMN", {"Ford Sierra II Kombi"}, "Sierra II Kombi", kBoth},
        {18, "B", "ABF", "P", {"Ford Sierra II", "Ford Mondeo"}, "Sierra II / Mondeo", kBoth},
        {19,
         "B",
         "N",
         "P",
         {"Ford Sierra II Kombi", "Ford Mondeo Kombi"},
         "Sierra II / Mondeo Kombi",
         kBoth},
        {20, "B", "AF", "RSTVWX", {"Ford Mondeo"}, "Mondeo", kBoth},
        {21, "B", "N", "RSTVWX", {"Ford Mondeo Kombi"}, "Mondeo Kombi", kBoth},
        {22, "G", "AF", "ABCDE", {"Ford Granada"}, "Granada", kBoth},
        {23, "G", "N", "ABCDE", {"Ford Granada Kombi"}, "Granada Kombi", kBoth},
        {24, "G", "AF", "F", {"Ford Granada", "Ford Scorpio"}, "Granada / Scorpio", kBoth},
        {25, "G", "N", "F", {"Ford Scorpio Kombi"}, "Granada / Scorpio Kombi", kBoth},
        {26, "G", "AF", "GHJKLMN", {"Ford Scorpio"}, "Scorpio", kBoth},
        {27, "G", "N", "GHJKLMN", {"Ford Scorpio Kombi"}, "Scorpio Kombi", kBoth},
        {28, "F", "2", "LMNPR", {"Ford Probe I"}, "Probe I", kPetrol},
        // Rule 3 fits these numbers too and comes first.
        {29,
         "E",
         "C",
         "STVWX",
         {"Ford Puma", "Ford Probe II 16 V", "Ford Probe II 24 V"},
         "Probe II",
         kPetrol},
        {30, "W", "G", "0", {"Ford Galaxy"}, "Galaxy", kBoth},
    };
    for (const RuleCase& r : rules) {
        for (const char* p9 = r.p9; *p9 != '\0'; ++p9) {
            for (const char* p10 = r.p10; *p10 != '\0'; ++p10) {
                for (const char* p11 = r.p11; *p11 != '\0'; ++p11) {
                    VinFixture f = decodeFord({{9, *p9}, {10, *p10}, {11, *p11}});
                    const auto where = ::testing::Message()
                                       << "rule " << r.rule << ": " << *p9 << *p10 << *p11;
                    EXPECT_EQ(f.d().models, r.entries) << where;
                    EXPECT_EQ(f.d().type, QString::fromUtf8(r.type)) << where;
                    EXPECT_EQ(f.d().engine, r.fuel) << where;
                }
            }
        }
    }
}

TEST(FordModelRules, WindstarAndExplorerAreReadFromPositions4To7)
{
    VinFixture windstar = decodeFord({{4, 'D'}, {5, 'A'}, {6, '5'}, {7, '1'}});
    EXPECT_EQ(windstar.d().models, QStringList{"Ford Windstar"});
    EXPECT_EQ(windstar.d().type, QStringLiteral("Windstar"));
    EXPECT_EQ(windstar.d().engine, kPetrol);
    VinFixture explorer = decodeFord({{4, 'D'}, {5, 'U'}, {6, '3'}, {7, '4'}});
    EXPECT_EQ(explorer.d().models, QStringList{"Ford Explorer"});
    EXPECT_EQ(explorer.d().type, QStringLiteral("Explorer"));
    // All four positions must match.
    EXPECT_TRUE(decodeFord({{4, 'D'}, {5, 'A'}, {6, '5'}, {7, '2'}}).d().models.isEmpty());
    EXPECT_TRUE(decodeFord({{4, 'X'}, {5, 'U'}, {6, '3'}, {7, '4'}}).d().models.isEmpty());
}

TEST(FordModelRules, LaterMatchingRuleSetsTypeAfterEntriesInRuleOrder)
{
    // Positions 4-7 fit rule 32 and 9-10 fit rule 2.
    VinFixture f = decodeFord({{4, 'D'}, {5, 'U'}, {6, '3'}, {7, '4'}, {9, 'F'}, {10, 'A'}});
    EXPECT_EQ(f.d().models, (QStringList{"Ford Fiesta", "Ford Explorer"}));
    EXPECT_EQ(f.d().type, QStringLiteral("Explorer"));
    EXPECT_EQ(f.d().engine, kPetrol);
}

TEST(FordModelRules, NumbersNoRuleFits)
{
    const struct
    {
        char p9, p10, p11;
    } cases[] = {{'B', 'B', 'R'}, {'B', 'T', 'D'}, {'R', 'A', '0'},
                 {'F', '2', 'K'}, {'G', 'B', 'A'}, {'W', 'A', '0'}};
    for (const auto& c : cases) {
        VinFixture f = decodeFord({{9, c.p9}, {10, c.p10}, {11, c.p11}});
        EXPECT_TRUE(f.d().models.isEmpty()) << c.p9 << c.p10 << c.p11;
        EXPECT_TRUE(f.d().type.isEmpty()) << c.p9 << c.p10 << c.p11;
        EXPECT_EQ(f.d().engine, QStringLiteral("=")) << c.p9 << c.p10 << c.p11;
        EXPECT_TRUE(f.d().modelYears.isEmpty()) << c.p9 << c.p10 << c.p11;
    }
}

TEST(FordRun, ResetsTheFordFieldsAndWritesTheComments)
{
    VinFixture f(kBase, QStringLiteral("Ford"));
    VehicleDescription& d = f.d();
    d.models = QStringList{"stale"};
    d.type = d.productionMonth = d.plant = d.body = d.modelYears = d.serial =
        QStringLiteral("stale");
    d.yearErrorShown = true;
    rozkodujForda(f.context);
    EXPECT_TRUE(d.models.isEmpty());
    for (const QString* field :
         {&d.type, &d.productionMonth, &d.plant, &d.body, &d.modelYears, &d.serial}) {
        EXPECT_TRUE(field->isEmpty()) << field->toStdString();
    }
    EXPECT_EQ(d.gearbox, QStringLiteral("producent nie określa"));
    EXPECT_EQ(d.engine, QStringLiteral("="));
    EXPECT_FALSE(d.yearErrorShown);
    EXPECT_EQ(
        d.comments[0],
        QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta."));
    EXPECT_EQ(d.comments[1],
              QStringLiteral("Numer identyfikacyjny musi być ograniczony gwiazdkami."));
    EXPECT_EQ(
        d.comments[2],
        QStringLiteral("Bieżący numer seryjny w każdym roku modelowym zaczyna się od 00001. "));
}

TEST(FordRun, ModelYearsFollowTheFirstEntryAndTheProductionYear)
{
    // Escort of 1986 (code G): two period rows match, the later stands.
    EXPECT_EQ(decodeFord({{9, 'A'}, {10, 'A'}, {11, 'G'}}).d().modelYears,
              QStringLiteral("1986 1987 1988 1989 1990"));
    // Orion listed first: its rows decide.
    EXPECT_EQ(decodeFord({{9, 'A'}, {10, 'F'}, {11, 'M'}}).d().modelYears,
              QStringLiteral("1991 1992 1993 1994 1995"));
    // Fiesta of 2000.
    EXPECT_EQ(decodeFord({{9, 'F'}, {10, 'B'}, {11, 'Y'}}).d().modelYears,
              QStringLiteral("1996 1997 1998 1999"));
}

TEST(FordRun, FiestaWithUndisclosedYearStillDecodesToTheEnd)
{
    VinFixture f(withChars(kBase, {{9, 'F'}, {10, 'A'}, {11, 'Z'}, {12, 'J'}}),
                 QStringLiteral("Ford"));
    rozkodujRocznik(f.context);
    modelYearStatement(f.context);
    rozkodujForda(f.context);
    numerSeryjny(f.context);
    EXPECT_EQ(f.d().productionYear, QStringLiteral("Brak danych o roku produkcji"));
    EXPECT_EQ(f.d().models, QStringList{"Ford Fiesta"});
    EXPECT_TRUE(f.d().modelYears.isEmpty()); // every Fiesta row needs a year
    EXPECT_EQ(f.d().productionMonth, QStringLiteral("Styczeń"));
    EXPECT_FALSE(f.d().comments[2].isEmpty());
    EXPECT_EQ(f.d().serial, QStringLiteral("12345"));
}

TEST(FordRun, WholeRunOfAFiestaWithUndisclosedYearReachesItsEnd)
{
    const QString number = QStringLiteral("WF0XXXXXFAZJ12345");
    Vin vin;
    for (int i = 0; i < kVinLength; ++i) {
        vin[static_cast<std::size_t>(i)] = number.mid(i, 1);
    }
    Decoder decoder;
    decoder.decode(vin);
    const VehicleDescription& d = decoder.description();
    EXPECT_EQ(d.fullVin, number);
    EXPECT_EQ(d.serial, QStringLiteral("12345"));
    EXPECT_EQ(d.productionYear, QStringLiteral("Brak danych o roku produkcji"));
    EXPECT_EQ(d.modelYear, QStringLiteral("Tajemnica handlowa firmy Ford"));
    EXPECT_EQ(d.type, QStringLiteral("Fiesta"));
    EXPECT_TRUE(d.modelYears.isEmpty());
    EXPECT_EQ(d.comments[1],
              QStringLiteral("Numer identyfikacyjny musi być ograniczony gwiazdkami."));
}

} // namespace
} // namespace karoskop
