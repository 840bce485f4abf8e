#include "karoskop/core/steps.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

using karoskop::testing::VinFixture;

namespace karoskop {
namespace {

struct RomanianCase
{
    const char* number;
    const char* type;
    const char* plant;
    const char* body;
    const char* engine;
    const char* modelYears;
};

TEST(RomanianMakes, PositionThreeChoosesTheFamily)
{
    const RomanianCase cases[] = {
        {"UU1XXXXXXXXX12345", "1310 / 1410", "Pitesti / Rumunia", "5-drzwiowe", "benzyna",
         "1980 - 1998"},
        {"U02XXXXXXXXX12345", "Club 11RL / 12 TRS", "Craiova / Rumunia", "2-drzwiowe", "benzyna",
         "1982 - 1996"},
        // "W" at position 1 does not keep a "U" at position 2 from counting.
        {"WU3XXXXXXXXX12345", "terenowy", "Cimpulung", "2-drzwiowe", "benzyna / diesel",
         "1980 - 1998"},
    };
    for (const RomanianCase& c : cases) {
        VinFixture f(QString::fromLatin1(c.number));
        romanianMakes(f.context);
        const VehicleDescription& d = f.d();
        EXPECT_EQ(d.type, QLatin1String(c.type)) << c.number;
        EXPECT_EQ(d.plant, QLatin1String(c.plant)) << c.number;
        EXPECT_EQ(d.body, QLatin1String(c.body)) << c.number;
        EXPECT_EQ(d.engine, QLatin1String(c.engine)) << c.number;
        EXPECT_EQ(d.gearbox, QStringLiteral("manualna")) << c.number;
        EXPECT_EQ(d.modelYears, QLatin1String(c.modelYears)) << c.number;
        EXPECT_EQ(d.productionMonth, QStringLiteral("=")) << c.number;
    }
}

TEST(RomanianMakes, UnknownFamilyStillGetsStatementAndComment)
{
    VinFixture f(QStringLiteral("UU4XXXXXXXXX12345"));
    f.session.startYear = QStringLiteral("1987");
    f.d().yearErrorShown = true;
    romanianMakes(f.context);
    const VehicleDescription untouched;
    const VehicleDescription& d = f.d();
    using D = VehicleDescription;
    for (QString D::*field :
         {&D::type, &D::plant, &D::body, &D::engine, &D::gearbox, &D::modelYears}) {
        EXPECT_EQ(d.*field, untouched.*field);
    }
    // The year copy is empty: no year code is read for these numbers.
    EXPECT_EQ(d.modelYear, QStringLiteral("model wyprodukowany w okresie: 09.1987 - 08."));
    EXPECT_EQ(d.comments[0], QStringLiteral("Znak = oznacza, iż dana informacja nie jest "
                                            "zakodowana przez producenta. "));
    EXPECT_TRUE(d.comments[1].isEmpty());
    EXPECT_TRUE(d.comments[2].isEmpty());
    EXPECT_FALSE(d.yearErrorShown);
}

TEST(RomanianMakes, OtherNumbersAreLeftAlone)
{
    VinFixture f(QStringLiteral("WF1XXXXXXXXX12345"));
    romanianMakes(f.context);
    EXPECT_EQ(f.d(), VehicleDescription{});
}

TEST(SerialNumber, SevenMakesShowTheLastFiveCharacters)
{
    for (const char* make :
         {"Dacia", "Oltcit", "Aro", "Ford", "Ford USA", "Mitsubishi", "Mitsubishi USA"}) {
        VinFixture f(QStringLiteral("WF0XXXXXXXXXA2B45"), QString::fromLatin1(make));
        numerSeryjny(f.context);
        EXPECT_EQ(f.d().serial, QStringLiteral("A2B45")) << make;
    }
}

TEST(SerialNumber, OtherMakesKeepTheField)
{
    for (const char* make : {"Opel", "Merkur", "WM Meyer", "=", "ford", "Ford "}) {
        VinFixture f(QStringLiteral("WF0XXXXXXXXX12345"), QString::fromLatin1(make));
        numerSeryjny(f.context);
        EXPECT_EQ(f.d().serial, QStringLiteral("=")) << make;
    }
}

} // namespace
} // namespace karoskop
