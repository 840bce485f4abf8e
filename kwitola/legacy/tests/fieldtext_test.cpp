#include "kwitola/legacy/fieldtext.h"

#include <gtest/gtest.h>

using namespace kwitola::legacy;

namespace {

struct RealCase
{
    double value;
    const char* number;
    const char* currency;
};

TEST(FieldText, RealNumbersGetADecimalCommaAndLoseNothing)
{
    const RealCase cases[] = {
        {0.0, "0", "0,00"},
        {-0.0, "0", "0,00"},
        {12.5, "12,5", "12,50"},
        {3.0, "3", "3,00"},
        {-3.145, "-3,145", "-3,145"},
        {0.1, "0,1", "0,10"},
        {1234567.89, "1234567,89", "1234567,89"},
        {1e-7, "0,0000001", "0,0000001"},
        {1e20, "100000000000000000000", "100000000000000000000,00"},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(numberText(c.value), QString::fromUtf8(c.number)) << c.value;
        EXPECT_EQ(currencyText(c.value), QString::fromUtf8(c.currency)) << c.value;
    }
}

TEST(FieldText, BcdDigitsKeepTheirDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"-123.45", "-123,45"}, {"+000123.40", "123,40"},
        {"000.05", "0,05"},     {"-000.00", "0,00"},
        {"42", "42"},           {"+0", "0"},
    };
    for (const auto& [digits, text] : cases) {
        EXPECT_EQ(bcdText(digits), QString::fromUtf8(text)) << digits;
    }
}

TEST(FieldText, DatesAndTimesAreWrittenWithLeadingZeros)
{
    // 730549 days is 5 March 2001 in the Paradox library's count.
    EXPECT_EQ(dateText(730549), QStringLiteral("05-03-2001"));
    EXPECT_EQ(dateText(730549 + 300), QStringLiteral("30-12-2001"));
    EXPECT_EQ(dateText(1), QStringLiteral("01-01-0001"));
    EXPECT_EQ(timeText(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(timeText(((13 * 60 + 45) * 60 + 30) * 1000LL + 999), QStringLiteral("13:45:30"));
    EXPECT_EQ(timestampText(730549.0 * 86'400'000 + 3'600'000),
              QStringLiteral("05-03-2001 01:00:00"));
    EXPECT_EQ(wholeNumberText(-2147483647), QStringLiteral("-2147483647"));
}

} // namespace
