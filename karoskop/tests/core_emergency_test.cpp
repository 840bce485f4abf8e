// Decoding from the positions the user ticked, when positions 1-3 name no
// maker: the Ford tables read only the ticked positions.
#include "karoskop/core/steps.h"
#include "karoskop/core/yearcode.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

using karoskop::testing::VinFixture;
using karoskop::testing::withChars;

namespace karoskop {
namespace {

const QString kBase = QStringLiteral("XYZXXXXXXXX012345");

PositionMask ticked(std::initializer_list<int> positions)
{
    PositionMask mask{};
    for (int p = 12; p <= 17; ++p) {
        mask[static_cast<std::size_t>(p - 1)] = true; // always used
    }
    for (int p : positions) {
        mask[static_cast<std::size_t>(p - 1)] = true;
    }
    return mask;
}

struct Emergency
{
    Emergency(std::initializer_list<std::pair<int, char>> changes, PositionMask positions)
        : mask(positions), f(withChars(kBase, changes))
    {
        f.context.emergencyPositions = &mask;
        rozkodujForda(f.context);
        numerSeryjny(f.context);
        finalYearCheck(f.context);
    }
    const VehicleDescription& d() { return f.d(); }

    PositionMask mask;
    VinFixture f;
};

TEST(EmergencyModels, OnlyTickedPositionsAreTested)
{
    const struct
    {
        const char* what;
        std::initializer_list<std::pair<int, char>> changes;
        PositionMask mask;
        QStringList models;
        const char* type;
    } cases[] = {
        // Rules 31 and 32 test only 4-7: with those unticked they test
        // nothing, and a rule that tests nothing fits no number.
        {"9 and 10 ticked",
         {{9, 'A'}, {10, 'F'}},
         ticked({9, 10}),
         {"Ford Orion", "Ford Escort"},
         "Escort / Orion"},
        {"9-11 ticked",
         {{9, 'B'}, {10, 'N'}, {11, 'P'}},
         ticked({9, 10, 11}),
         {"Ford Sierra II Kombi", "Ford Mondeo Kombi"},
         "Sierra II / Mondeo Kombi"},
        {"4-7 ticked and holding rule 31",
         {{4, 'D'}, {5, 'A'}, {6, '5'}, {7, '1'}},
         ticked({4, 5, 6, 7, 9, 10}),
         {"Ford Windstar"},
         "Windstar"},
        {"4-7 ticked and holding rule 32",
         {{4, 'D'}, {5, 'U'}, {6, '3'}, {7, '4'}},
         ticked({4, 5, 6, 7}),
         {"Ford Explorer"},
         "Explorer"},
        // One ticked position that a rule tests is enough.
        {"only 5 ticked, holding U", {{5, 'U'}}, ticked({5}), {"Ford Explorer"}, "Explorer"},
        // Rules 4-8: each model once, the type of the last fitting rule.
        {"9 ticked, 4-7 ticked and fitting nothing",
         {{9, 'A'}},
         ticked({4, 5, 6, 7, 9}),
         {"Ford Escort", "Ford Orion", "Ford Escort Cabrio", "Ford Escort Kombi"},
         "Escort Kombi"},
        {"no rule fits", {{9, 'X'}}, ticked({4, 5, 6, 7, 9, 10}), {}, "="},
        {"nothing ticked among 4-11", {{9, 'A'}, {10, 'F'}}, ticked({}), {}, "="},
    };
    for (const auto& c : cases) {
        Emergency e(c.changes, c.mask);
        EXPECT_EQ(e.d().models, c.models) << c.what;
        EXPECT_EQ(e.d().type, QLatin1String(c.type)) << c.what;
    }
}

TEST(EmergencyModels, EngineComesFromTheLastFittingRule)
{
    Emergency none({{9, 'X'}}, ticked({4, 5, 6, 7, 9, 10}));
    EXPECT_EQ(none.d().engine, QStringLiteral("="));
    Emergency escort({{9, 'A'}, {10, 'A'}}, ticked({4, 5, 6, 7, 9, 10}));
    EXPECT_EQ(escort.d().engine, QStringLiteral("benzyna / olej napędowy"));
}

TEST(EmergencyTables, AppliedOnlyFromTickedPositions)
{
    Emergency none({{7, 'G'}, {8, 'A'}, {10, 'N'}, {11, 'A'}, {12, 'B'}}, ticked({}));
    EXPECT_EQ(none.d().plant, QStringLiteral("="));
    EXPECT_EQ(none.d().body, QStringLiteral("="));
    EXPECT_EQ(none.d().productionMonth, QStringLiteral("=")); // 12 alone gives no group
    EXPECT_EQ(none.d().productionYear, QStringLiteral("brak danych"));
    EXPECT_EQ(none.d().modelYear, QStringLiteral("brak danych"));

    Emergency only8({{7, 'G'}, {8, 'A'}}, ticked({8}));
    EXPECT_EQ(only8.d().plant, QStringLiteral("Koln / Dagenham / Ipiranga"));
    Emergency both({{7, 'G'}, {8, 'A'}}, ticked({7, 8}));
    EXPECT_EQ(both.d().plant, QStringLiteral("Koln, Niemcy"));

    Emergency all({{7, 'G'}, {8, 'A'}, {10, 'N'}, {11, 'A'}, {12, 'B'}}, ticked({10, 11}));
    EXPECT_EQ(all.d().body, QStringLiteral("5-drzwiowe kombi"));
    EXPECT_EQ(all.d().productionMonth, QStringLiteral("Styczeń"));
    EXPECT_EQ(all.d().productionYear, QStringLiteral("1980"));
    EXPECT_EQ(all.d().modelYear,
              QStringLiteral("model wyprodukowany w okresie: 09.1979 - 08.1980"));
}

TEST(EmergencyRun, MakerFieldsStayAndTheRestIsDecodedAsAFord)
{
    // Escort (rule 4) of 1986 (G): the period rows, serial and comments as usual.
    Emergency e({{9, 'A'}, {10, 'A'}, {11, 'G'}}, ticked({4, 5, 6, 7, 9, 10, 11}));
    EXPECT_EQ(e.d().region, QStringLiteral("="));
    EXPECT_EQ(e.d().country, QStringLiteral("="));
    EXPECT_EQ(e.d().make, QStringLiteral("="));
    EXPECT_EQ(e.d().models, QStringList{"Ford Escort"});
    EXPECT_EQ(e.d().modelYears, QStringLiteral("1986 1987 1988 1989 1990"));
    EXPECT_EQ(e.d().serial, QStringLiteral("12345"));
    EXPECT_EQ(e.d().gearbox, QStringLiteral("producent nie określa"));
    EXPECT_EQ(e.d().comments[1],
              QStringLiteral("Numer identyfikacyjny musi być ograniczony gwiazdkami."));
}

} // namespace
} // namespace karoskop
