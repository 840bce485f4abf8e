#include "kwitola/core/stockprices.h"

#include <gtest/gtest.h>

using namespace kwitola;

namespace {

std::string shown(const std::optional<QString>& text)
{
    return text ? text->toStdString() : std::string("<unchanged>");
}

// Both conversions of the stock card's prices: each row gives the price,
// the rate and what the other price field then shows.
TEST(StockPrices, EachConversionAtEachRate)
{
    using Conversion = std::optional<QString> (*)(QStringView, QStringView);
    const struct
    {
        const char* what;
        Conversion convert;
        const char* price;
        const char* rate;
        const char* other;
    } cases[] = {
        {"gross", grossFromNet, "100", "22", "122,00"},
        {"gross", grossFromNet, "100", "7", "107,00"},
        {"gross", grossFromNet, "100", "0", "100,00"},
        {"gross", grossFromNet, "100", "zw.", "100,00"},
        {"gross", grossFromNet, "100", "zw", "100,00"},
        {"gross", grossFromNet, "1,50", "7", "1,61"}, // 1,605 exactly: half away from zero
        {"gross", grossFromNet, "0,125", "0", "0,13"},
        {"gross", grossFromNet, "999999999,99", "0", "999999999,99"},
        {"gross", grossFromNet, "12a", "22", "<unchanged>"},
        {"gross", grossFromNet, "", "22", "<unchanged>"},
        {"gross", grossFromNet, "100", "x", "<unchanged>"},
        {"net", netFromGross, "122", "22", "100,00"},
        {"net", netFromGross, "100", "7", "93,46"},
        {"net", netFromGross, "100", "zw.", "100,00"},
        {"net", netFromGross, "100", "abc", "100,00"}, // a rate that is no number counts as 0
        {"net", netFromGross, "107,01", "7", "100,01"},
        {"net", netFromGross, "1,23", "22", "1,01"},
        {"net", netFromGross, "zł", "22", "<unchanged>"},
        {"net", netFromGross, "100", "-100", "<unchanged>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.convert(QString::fromUtf8(c.price), QString::fromUtf8(c.rate))), c.other)
            << c.what << " from " << c.price << " at " << c.rate;
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
