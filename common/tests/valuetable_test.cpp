#include "common/core/valuetable.h"

#include <gtest/gtest.h>

namespace {

enum class Shade { Light, Dark, Missing };

// Two rows share the value 2 so that the first-match rule shows.
constexpr common::ValueTable<Shade, int, 3> kShades{{
    {Shade::Light, 1},
    {Shade::Dark, 2},
    {Shade::Light, 2},
}};

TEST(ValueTable, translatesBothWaysFirstRowWinsAndMissingGivesTheFallback)
{
    struct Case
    {
        Shade key;
        int value;
    };
    for (const auto& [key, value] :
         {Case{Shade::Light, 1}, Case{Shade::Dark, 2}, Case{Shade::Missing, -1}}) {
        EXPECT_EQ(common::valueFor(kShades, key, -1), value);
    }
    EXPECT_EQ(common::keyFor(kShades, 1, Shade::Missing), Shade::Light);
    EXPECT_EQ(common::keyFor(kShades, 2, Shade::Missing), Shade::Dark);
    EXPECT_EQ(common::keyFor(kShades, 7, Shade::Missing), Shade::Missing);
    static_assert(common::valueFor(kShades, Shade::Dark, 0) == 2);
}

TEST(ValueTable, findRowAnswersTheFirstMatchingRowOrNothing)
{
    const auto* row = common::findRow(kShades, [](const auto& r) { return r.second == 2; });
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row, &kShades[1]);
    EXPECT_EQ(common::findRow(kShades, [](const auto& r) { return r.second > 5; }), nullptr);
}

} // namespace
