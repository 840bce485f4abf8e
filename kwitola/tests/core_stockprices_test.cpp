#include "kwitola/core/stockprices.h"

#include <gtest/gtest.h>

using namespace kwitola;

namespace {

std::string shown(const std::optional<QString>& text)
{
    return text ? text->toStdString() : std::string("<unchanged>");
}

TEST(StockPrices, GrossFromNetAtEachRate)
{
    const struct
    {
        const char* net;
        const char* rate;
        const char* gross;
    } cases[] = {
        {"100", "22", "122,00"},      {"100", "7", "107,00"},
        {"100", "0", "100,00"},       {"100", "zw.", "100,00"},
        {"100", "zw", "100,00"},      {"1,50", "7", "1,61"}, // 1,605 exactly: half away from zero
        {"0,125", "0", "0,13"},       {"999999999,99", "0", "999999999,99"},
        {"12a", "22", "<unchanged>"}, {"", "22", "<unchanged>"},
        {"100", "x", "<unchanged>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(grossFromNet(QString::fromUtf8(c.net), QString::fromUtf8(c.rate))), c.gross)
            << c.net << " at " << c.rate;
    }
}

TEST(StockPrices, NetFromGrossAtEachRate)
{
    const struct
    {
        const char* gross;
        const char* rate;
        const char* net;
    } cases[] = {
        {"122", "22", "100,00"},        {"100", "7", "93,46"},  {"100", "zw.", "100,00"},
        {"100", "abc", "100,00"}, // a rate that is no number counts as 0
        {"107,01", "7", "100,01"},      {"1,23", "22", "1,01"}, {"zł", "22", "<unchanged>"},
        {"100", "-100", "<unchanged>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(netFromGross(QString::fromUtf8(c.gross), QString::fromUtf8(c.rate))), c.net)
            << c.gross << " at " << c.rate;
    }
}

TEST(StockPrices, EmptyRateBecomesTwentyTwoAndPricesAreNormalisedOnLeaving)
{
    EXPECT_EQ(rateForConversion(u""), QStringLiteral("22"));
    EXPECT_EQ(rateForConversion(u"7"), QStringLiteral("7"));
    EXPECT_EQ(normalisedPrice(QStringLiteral("12,3")), QStringLiteral("12,30"));
    EXPECT_EQ(normalisedPrice(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(normalisedPrice(QStringLiteral("")), QStringLiteral(""));
}

} // namespace
