// The North American check digit of position 9.
#include "karoskop/core/checkdigit.h"

#include <gtest/gtest.h>
#include <optional>

namespace karoskop {
namespace {

Vin vinOf(const char* text)
{
    Vin vin;
    for (std::size_t i = 0; i < vin.size() && text[i] != '\0'; ++i) {
        vin[i] = QString(QLatin1Char(text[i]));
    }
    return vin;
}

// Numbers published with a correct check digit, each also with one
// character altered; and numbers of makers outside North America.
TEST(CheckDigit, AgreesWithTheRuleOnPublishedNumbers)
{
    const struct
    {
        const char* number;
        std::optional<bool> verdict;
    } cases[] = {
        // The textbook example, whose sum 351 leaves 10: the check digit X.
        {"1M8GDM9AXKP042788", true},
        {"1M8GDM9A0KP042788", false}, // position 9 altered
        {"1M8GDM9AXKP042789", false}, // position 17 altered
        {"1HGCM82633A004352", true},
        {"1HGCM82633A004353", false},
        {"1HGCM82673A004352", false}, // position 8, weight 10
        {"11111111111111111", true},
        {"11111111211111111", false},
        {"1GNEK13ZX3R298984", true},
        {"1GNEK13Z03R298984", false},
        {"3VWFE21C04M000001", true},
        {"3VWFE21C14M000001", false},
        {"1C4RJFAG0FC625797", true},
        {"5C4RJFAG0FC625797", false}, // position 1 altered, still North America
        // Only world manufacturer codes 1 to 5: no verdict for Japan or Europe,
        // whatever position 9 holds.
        {"JH4KA7561PC008269", std::nullopt},
        {"6H4KA7561PC008269", std::nullopt},
        {"0H4KA7561PC008269", std::nullopt},
        {"WF0XXXXXAFM012345", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkDigitMatches(vinOf(c.number)), c.verdict) << c.number;
    }
}

TEST(CheckDigit, RemainderTenIsXAndCharactersWithoutValueDisagree)
{
    EXPECT_EQ(expectedCheckDigit(vinOf("1M8GDM9A0KP042788")), u'X');
    EXPECT_EQ(expectedCheckDigit(vinOf("11111111111111111")), u'1');
    // I, O and Q have no value: no check digit can agree.
    for (const char* number : {"1M8GDM9AXKP04278I", "1M8GDM9AXKP04278O", "1M8GDM9AXKQ042788"}) {
        EXPECT_EQ(expectedCheckDigit(vinOf(number)), std::nullopt) << number;
        EXPECT_EQ(checkDigitMatches(vinOf(number)), false) << number;
    }
    // Position 9 itself counts nothing, whatever it holds.
    EXPECT_EQ(expectedCheckDigit(vinOf("1M8GDM9AQKP042788")), u'X');
    // A position that is not one character has no value either.
    Vin longer = vinOf("1M8GDM9AXKP042788");
    longer[16] = QStringLiteral("88");
    EXPECT_EQ(checkDigitMatches(longer), false);
}

} // namespace
} // namespace karoskop
