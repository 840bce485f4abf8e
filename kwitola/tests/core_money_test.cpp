#include "kwitola/core/money.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kwitola;

namespace {

Decimal number(const char* text)
{
    const auto value = Decimal::parse(QString::fromUtf8(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal());
}

std::string fmt(const std::optional<Decimal>& value)
{
    return value ? value->fmt().toStdString() : std::string("<nothing>");
}

TEST(Money, ReadsTheProgramsNumberTextAndWritesTwoDecimals)
{
    const struct
    {
        const char* text;
        const char* shown; // nullptr: not a number
    } cases[] = {
        {"0", "0,00"},
        {"12,3", "12,30"},
        {"  7 ", "7,00"},
        {"-1,5", "-1,50"},
        {"+2", "2,00"},
        {",5", "0,50"},
        {"5,", "5,00"},
        {"0,125", "0,13"},
        {"1,005", "1,01"},
        {"-0,125", "-0,13"},
        {"-0,004", "0,00"},
        {"0,12345678", "0,12"},
        {"2,500000000000", "2,50"},
        {"999999999,99", "999999999,99"},
        {"", nullptr},
        {"   ", nullptr},
        {"-", nullptr},
        {",", nullptr},
        {"1.5", nullptr},
        {"1 000", nullptr},
        {"1,2,3", nullptr},
        {"1e3", nullptr},
        {"abc", nullptr},
        {"--1", nullptr},
        {"0,123456789", nullptr},
        {"99999999999999999999", nullptr},
    };
    for (const auto& c : cases) {
        const auto value = Decimal::parse(QString::fromUtf8(c.text));
        if (c.shown == nullptr) {
            EXPECT_FALSE(value) << c.text;
        } else {
            ASSERT_TRUE(value) << c.text;
            EXPECT_EQ(value->fmt().toStdString(), c.shown) << c.text;
        }
    }
}

TEST(Money, HoldsSixDecimalQuantitiesAndLargeAmountsExactly)
{
    EXPECT_EQ(number("0,000001").units(), 100);
    EXPECT_EQ(number("999999999,99").units(), 99'999'999'999'000'000);
    // A quantity with six decimals times a price with two is exact.
    const auto product = number("2,000005").times(number("0,10"));
    ASSERT_TRUE(product);
    EXPECT_EQ(product->units(), number("0,2000005").units());
    EXPECT_EQ(product->fmt(), QStringLiteral("0,20"));
    // Far out of range: nothing instead of a wrapped value.
    EXPECT_FALSE(number("999999999,99").times(number("999999999,99")));
    EXPECT_FALSE(Decimal::fromUnits(std::numeric_limits<qint64>::max()).plus(number("1")));
    EXPECT_FALSE(Decimal::fromUnits(std::numeric_limits<qint64>::min()).minus(number("1")));
}

TEST(Money, WorkedExamplesRoundOnceOnTheExactValue)
{
    const Decimal hundredth = number("0,01");
    // 1,50 at 7 %: 0,105 exactly, so 0,11.
    EXPECT_EQ(fmt(number("1,50").times(number("7"))->times(hundredth)), "0,11");
    // Two lines of net 0,03 at 22 %: group VAT fmt(0,06 * 0,22) = 0,0132.
    EXPECT_EQ(fmt(number("0,03").plus(number("0,03"))->times(number("22"))->times(hundredth)),
              "0,01");
    // Net 100 at 7 % gives gross 107,00; gross 100 at 7 % gives net 93,46.
    const Decimal vat = *number("100").times(number("7"))->times(hundredth);
    EXPECT_EQ(fmt(number("100").plus(vat)), "107,00");
    EXPECT_EQ(fmt(number("100").times(number("100"))->dividedBy(number("107"), 2)), "93,46");
    // Halves of a quotient go away from zero, on the exact quotient.
    EXPECT_EQ(fmt(number("1").dividedBy(number("8"), 2)), "0,13");
    EXPECT_EQ(fmt(number("-1").dividedBy(number("8"), 2)), "-0,13");
    EXPECT_FALSE(number("1").dividedBy(Decimal(), 2));
}

TEST(Money, RoundsToAnyStepHalvesAwayFromZero)
{
    EXPECT_EQ(number("2,5").rounded(0), number("3"));
    EXPECT_EQ(number("-2,5").rounded(0), number("-3"));
    EXPECT_EQ(number("2,49999999").rounded(0), number("2"));
    EXPECT_EQ(number("1,0049").rounded(2), number("1,00"));
    EXPECT_EQ(fmtText(u" 3 "), QStringLiteral("3,00"));
    EXPECT_FALSE(fmtText(u"x"));
}

} // namespace
