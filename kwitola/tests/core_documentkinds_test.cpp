#include "kwitola/core/documentkinds.h"

#include <gtest/gtest.h>

using namespace kwitola;

namespace {

Settings counter(const char* number, const char* suffix = "")
{
    Settings settings;
    settings.numberPart = QString::fromUtf8(number);
    settings.numberSuffix = QString::fromUtf8(suffix);
    return settings;
}

TEST(DocumentKinds, TitleAndStoredNumberFollowEachKind)
{
    const QString number = counter("12", "/2001").documentNumber();
    ASSERT_EQ(number, QStringLiteral("12/2001"));
    const struct
    {
        const char* title;
        const char* stored; // nullptr: never stored
    } expected[] = {
        {"Faktura VAT nr 12/2001 FV", "12/2001 FV"},
        {"Rachunek Uproszczony nr 12/2001 RU", "12/2001 RU"},
        {"Faktura ProForma", nullptr},
        {"Paragon", nullptr},
        {"Dokument WZ", "12/2001"},
    };
    const auto kinds = documentKinds();
    ASSERT_EQ(kinds.size(), std::size(expected));
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(documentTitle(kinds[i], number).toStdString(), expected[i].title);
        const auto stored = storedNumber(kinds[i], number);
        EXPECT_EQ(stored.has_value(), expected[i].stored != nullptr) << i;
        if (stored && expected[i].stored) {
            EXPECT_EQ(stored->toStdString(), expected[i].stored);
        }
        // Only kinds that enter the ledger advance the counter, and both are
        // posted after a question.
        EXPECT_EQ(kinds[i].ledgerRow, kinds[i].counterAdvances);
        EXPECT_EQ(kinds[i].ledgerRow, kinds[i].posting == Posting::AfterQuestion);
    }
}

TEST(DocumentKinds, PlacesOutsideTheListGiveTheFirstKind)
{
    EXPECT_EQ(&documentKind(-1), &documentKinds().front());
    EXPECT_EQ(&documentKind(5), &documentKinds().front());
    EXPECT_STREQ(documentKind(4).listText, "WZ");
}

TEST(DocumentKinds, CounterStepsAsPlainDecimalText)
{
    const struct
    {
        const char* counter;
        int step;
        const char* expected;
    } cases[] = {
        {"12", 1, "13"},
        {"0", -1, "-1"},
        {"-1", 1, "0"},
        {"007", 1, "8"},
        {"9999999999", 1, "10000000000"},
    };
    for (const auto& c : cases) {
        const auto stepped = steppedCounter(counter(c.counter, "/2001"), c.step);
        ASSERT_TRUE(stepped) << c.counter;
        EXPECT_EQ(stepped->numberPart.toStdString(), c.expected);
        EXPECT_EQ(stepped->numberSuffix, QStringLiteral("/2001"));
    }
}

TEST(DocumentKinds, CounterThatIsNoWholeNumberIsNotStepped)
{
    for (const char* text : {"", "12a", "1,5", "abc", "9223372036854775807"}) {
        EXPECT_FALSE(steppedCounter(counter(text), 1)) << text;
    }
    EXPECT_FALSE(steppedCounter(counter("-9223372036854775808"), -1));
}

} // namespace
