#include "kwitola/core/amountinwords.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kwitola;

namespace {

TEST(AmountInWords, SpellsEachDigitPlaceAndGroupForm)
{
    const struct
    {
        int n;
        const char* words;
    } cases[] = {
        {0, " zero "},
        {1, "jeden"},
        {10, "dziesięć"},
        {19, "dziewiętnaście"},
        {21, "dwadzieścia jeden"},
        {90, "dziewięćdziesiąt"},
        {101, "sto jeden"},
        {999, "dziewięćset dziewięćdziesiąt dziewięć"},
        {1000, "jeden tysiąc"},
        {1001, "jeden tysiąc jeden"},
        {2000, "dwa tysiące"},
        {5000, "pięć tysięcy"},
        // 12, 13 and 14 take the many-form; 2, 3 and 4 after other tens the few-form.
        {12'000, "dwanaście tysięcy"},
        {113'000, "sto trzynaście tysięcy"},
        {214'000, "dwieście czternaście tysięcy"},
        {22'000, "dwadzieścia dwa tysiące"},
        {104'000, "sto cztery tysiące"},
        {101'000, "sto jeden tysięcy"},
        {1'000'000, "jeden milion"},
        {2'000'000, "dwa miliony"},
        {5'001'000, "pięć milionów jeden tysiąc"},
        {1'234'567, "jeden milion dwieście trzydzieści cztery tysiące pięćset sześćdziesiąt "
                    "siedem"},
        {999'999'999, "dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset "
                      "dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt "
                      "dziewięć"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LiczbaSlownie(c.n).toStdString(), c.words) << c.n;
    }
}

TEST(AmountInWords, NumbersOutsideTheSpelledRangeGiveNoWords)
{
    EXPECT_EQ(LiczbaSlownie(-1), QString());
    EXPECT_EQ(LiczbaSlownie(1'000'000'000), QString());
    EXPECT_EQ(LiczbaSlownie(std::numeric_limits<int>::min()), QString());
}

TEST(AmountInWords, SplitsTheTotalIntoZlotyGroszeAndWords)
{
    const struct
    {
        const char* total;
        AmountInWords expected;
    } cases[] = {
        {"0,00", {"0,00", "0", "00/100", " zero "}},
        {"0,5", {"0,50", "0", "50/100", " zero "}},
        {"12,5", {"12,50", "12", "50/100", "dwanaście"}},
        {"1234,50", {"1234,50", "1234", "50/100", "jeden tysiąc dwieście trzydzieści cztery"}},
        {"999999,99",
         {"999999,99", "999999", "99/100",
          "dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt "
          "dziewięć"}},
        {"-0,00", {"0,00", "0", "00/100", " zero "}},
    };
    for (const auto& c : cases) {
        const auto amount = amountInWords(QString::fromUtf8(c.total));
        ASSERT_TRUE(amount) << c.total;
        EXPECT_EQ(*amount, c.expected) << c.total;
    }
}

TEST(AmountInWords, RefusesTotalsItCannotSpell)
{
    // Negative, a million and more (also by rounding), text from "A" on,
    // and text that is no number at all.
    for (const char* total :
         {"-0,01", "1000000,00", "999999,995", "2500000", "Abc", "zero", "", "12a", "1.5"}) {
        EXPECT_FALSE(amountInWords(QString::fromUtf8(total))) << total;
    }
}

} // namespace
