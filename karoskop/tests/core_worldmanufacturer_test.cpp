// Region, country and make from positions 1 to 3.
#include "karoskop/core/steps.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

using karoskop::testing::VinFixture;

namespace karoskop {
namespace {

TEST(WorldManufacturer, Rows)
{
    const QString eq = QStringLiteral("=");
    const QString europe = QStringLiteral("Europa");
    const QString germany = QStringLiteral("Niemcy / RFN");
    const struct
    {
        const char* prefix;
        QString region;
        QString country;
        QString make;
    } cases[] = {
        {"WF0", europe, germany, QStringLiteral("Ford")},
        {"WFO", europe, germany, QStringLiteral("Ford")},
        {"WF1", europe, germany, QStringLiteral("Merkur")},
        {"W0L", europe, germany, QStringLiteral("Opel")},
        {"WOL", europe, germany, QStringLiteral("Opel")},
        {"W04", europe, germany, QStringLiteral("WM Meyer")},
        {"WO4", europe, germany, QStringLiteral("WM Meyer")},
        // W alone settles where, not who.
        {"WA0", europe, germany, eq},
        {"WF2", europe, germany, eq},
        {"W0M", europe, germany, eq},
        {"WL0", europe, germany, eq},
        // Exact comparison: small letters and other first letters match nothing.
        {"wF0", eq, eq, eq},
        {"Wf0", europe, germany, eq},
        {"VF0", eq, eq, eq},
        {"1F0", eq, eq, eq},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        VinFixture f(QString::fromLatin1(c.prefix) + QStringLiteral("AXXGBBAVA12345"));
        applyWorldManufacturer(f.context);
        EXPECT_EQ(f.d().region, c.region);
        EXPECT_EQ(f.d().country, c.country);
        EXPECT_EQ(f.d().make, c.make);
    }
}

TEST(WorldManufacturer, PositionsHoldingMoreOrLessThanOneCharacterMatchNothing)
{
    VinFixture f(QStringLiteral("WF0AXXGBBAVA12345"));
    f.context.vin[2] = QStringLiteral("0L"); // a longer line read back from the file
    applyWorldManufacturer(f.context);
    EXPECT_EQ(f.d().make, u"=");
    EXPECT_EQ(f.d().region, u"Europa");

    f.reset(QStringLiteral("WF0AXXGBBAVA12345"));
    f.context.vin[0].clear();
    applyWorldManufacturer(f.context);
    EXPECT_EQ(f.d().region, u"=");
}

TEST(WorldManufacturer, OnlyItsThreeFieldsChange)
{
    VinFixture f(QStringLiteral("WF0AXXGBBAVA12345"));
    f.d().productionYear = QStringLiteral("1996");
    VehicleDescription expected = f.d();
    expected.region = QStringLiteral("Europa");
    expected.country = QStringLiteral("Niemcy / RFN");
    expected.make = QStringLiteral("Ford");
    applyWorldManufacturer(f.context);
    EXPECT_EQ(f.d(), expected);
}

} // namespace
} // namespace karoskop
