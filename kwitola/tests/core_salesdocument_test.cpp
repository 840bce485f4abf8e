#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/testsupport/documentcheck.h"
#include "kwitola/testsupport/documentsession.h"

#include <QRandomGenerator>
#include <deque>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

using namespace kwitola;
using kwitola::testing::brokenInvariant;
using kwitola::testing::DocumentSession;

namespace {

Goods goods(const char* name, const char* price, const char* rate)
{
    Goods g;
    g.Nazwa_towaru = QString::fromUtf8(name);
    g.Cena_jednostkowa_netto = QString::fromUtf8(price);
    g.Stawka_vat = QString::fromUtf8(rate);
    g.Jednostka_miary = QStringLiteral("szt.");
    g.Symbol_SWW_KU = QStringLiteral("SWW-1");
    return g;
}

// Loads the goods and adds them for the quantity; fails the test when refused.
void addLine(SalesDocument& document, const Goods& g, const char* quantity)
{
    ASSERT_TRUE(document.loadGoods(g));
    const QString typed = QString::fromUtf8(quantity);
    document.recompute(typed);
    const auto refusal = document.add(typed);
    ASSERT_FALSE(refusal) << "refused: " << static_cast<int>(*refusal);
}

std::string line(const Totals& totals)
{
    return (totals.net + QLatin1Char('|') + totals.vat + QLatin1Char('|') + totals.gross)
        .toStdString();
}

TEST(SalesDocument, CurrentLineRoundsEachStepFromTheTextBefore)
{
    const struct
    {
        const char* price;
        const char* rate;
        const char* quantity;
        const char* values; // net|VAT|gross
    } cases[] = {
        {"10,00", "22", "3", "30,00|6,60|36,60"},     {"1,50", "7", "1", "1,50|0,11|1,61"},
        {"0,03", "22", "1", "0,03|0,01|0,04"},        {"100", "0", "1", "100,00|0,00|100,00"},
        {"100", "zw.", "1", "100,00|0,00|100,00"},    {"0,25", "22", "0,5", "0,13|0,03|0,16"},
        {"2,00", "22", "1,234567", "2,47|0,54|3,01"},
    };
    for (const auto& c : cases) {
        SalesDocument document;
        ASSERT_TRUE(document.loadGoods(goods("Towar", c.price, c.rate)));
        EXPECT_EQ(document.currentLine().net, QStringLiteral("0,00"));
        EXPECT_TRUE(document.recompute(QString::fromUtf8(c.quantity)));
        const CurrentLine& current = document.currentLine();
        EXPECT_EQ((current.net + u'|' + current.vat + u'|' + current.gross).toStdString(), c.values)
            << c.price << " x " << c.quantity << " at " << c.rate;
    }
}

TEST(SalesDocument, QuantityThatIsNoNumberStopsTheRecomputationSilently)
{
    SalesDocument document;
    ASSERT_TRUE(document.loadGoods(goods("Towar", "10,00", "22")));
    ASSERT_TRUE(document.recompute(QStringLiteral("2")));
    EXPECT_FALSE(document.recompute(QStringLiteral("2x")));
    EXPECT_EQ(document.currentLine().quantity, QStringLiteral("2x"));
    EXPECT_EQ(document.currentLine().net, QStringLiteral("20,00"));
}

TEST(SalesDocument, TotalsPerRateAreComputedOnTheGroupsNetTotal)
{
    SalesDocument document;
    addLine(document, goods("A", "10,00", "22"), "3");
    EXPECT_EQ(line(document.groupTotals(RateGroup::TwentyTwo)), "30,00|6,60|36,60");
    EXPECT_EQ(document.totalToPay(), QStringLiteral("36,60"));

    // Two lines of 0,03 at 22 %: 0,01 VAT each, but 0,01 for the group.
    SalesDocument pennies;
    addLine(pennies, goods("B", "0,03", "22"), "1");
    addLine(pennies, goods("B", "0,03", "22"), "1");
    ASSERT_EQ(pennies.lines().size(), 2u);
    EXPECT_EQ(pennies.lines()[1].vat, QStringLiteral("0,01"));
    EXPECT_EQ(line(pennies.groupTotals(RateGroup::TwentyTwo)), "0,06|0,01|0,07");
    EXPECT_EQ(pennies.documentTotals().vat, QStringLiteral("0,01"));

    // Every rate, and "zw" counted with "zw.".
    SalesDocument mixed;
    addLine(mixed, goods("C", "100", "0"), "1");
    addLine(mixed, goods("D", "50", "zw."), "1");
    addLine(mixed, goods("E", "25", "zw"), "1");
    addLine(mixed, goods("F", "100", "7"), "1");
    addLine(mixed, goods("G", "10", "22"), "1");
    EXPECT_EQ(line(mixed.groupTotals(RateGroup::Zero)), "100,00|0,00|100,00");
    EXPECT_EQ(line(mixed.groupTotals(RateGroup::Exempt)), "75,00|0,00|75,00");
    EXPECT_EQ(line(mixed.groupTotals(RateGroup::Seven)), "100,00|7,00|107,00");
    EXPECT_EQ(line(mixed.groupTotals(RateGroup::TwentyTwo)), "10,00|2,20|12,20");
    EXPECT_EQ(line(mixed.documentTotals()), "285,00|9,20|294,20");
    EXPECT_EQ(mixed.totalToPay(), QStringLiteral("294,20"));
}

TEST(SalesDocument, AddingRefusesWhatCannotBeALine)
{
    SalesDocument document;
    EXPECT_EQ(document.add(QStringLiteral("1")), AddRefusal::NoGoods);
    ASSERT_TRUE(document.loadGoods(goods("A", "1,00", "22")));
    const struct
    {
        const char* quantity;
        AddRefusal refusal;
    } cases[] = {
        {"", AddRefusal::NoQuantity},
        {"0", AddRefusal::QuantityNotPositive},
        {"-2", AddRefusal::QuantityNotPositive},
        {"abc", AddRefusal::QuantityNotPositive},
        {"9999999999", AddRefusal::OutOfRange},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(document.add(QString::fromUtf8(c.quantity)), c.refusal) << c.quantity;
    }
    EXPECT_TRUE(document.lines().empty());
    EXPECT_EQ(line(document.documentTotals()), "0|0|0");

    // A rate of no group is never left out of the totals silently.
    ASSERT_TRUE(document.loadGoods(goods("B", "1,00", "5")));
    EXPECT_EQ(document.add(QStringLiteral("1")), AddRefusal::UnknownRate);
    EXPECT_TRUE(document.lines().empty());
}

TEST(SalesDocument, FifteenLinesAtMost)
{
    SalesDocument document;
    for (int i = 0; i < kMaxDocumentLines; ++i) {
        addLine(document, goods("A", "1,00", "22"), "1");
    }
    EXPECT_EQ(document.lines().size(), 15u);
    EXPECT_EQ(document.add(QStringLiteral("1")), AddRefusal::TooManyLines);
    EXPECT_EQ(document.lines().size(), 15u);
    EXPECT_EQ(document.documentTotals().gross, QStringLiteral("18,30"));
}

TEST(SalesDocument, GoodsWhosePriceOrRateIsNoNumberLeaveTheCurrentLineAlone)
{
    SalesDocument document;
    ASSERT_TRUE(document.loadGoods(goods("A", "2,00", "7")));
    const CurrentLine before = document.currentLine();
    const auto price = document.loadGoods(goods("Zły", "dwa", "22"));
    ASSERT_FALSE(price);
    EXPECT_TRUE(price.error().contains(QStringLiteral("Zły")));
    EXPECT_FALSE(document.loadGoods(goods("Zły", "2,00", "22%")));
    EXPECT_EQ(document.currentLine(), before);
}

TEST(SalesDocument, ReducingALineTakesTheValuesOfTheRemovedQuantity)
{
    SalesDocument document;
    addLine(document, goods("A", "10,00", "22"), "3");
    addLine(document, goods("B", "5,00", "7"), "1");
    ASSERT_TRUE(document.selectLine(0));
    EXPECT_EQ(document.currentLine().quantity, QStringLiteral("0"));
    EXPECT_EQ(document.checkRemoval(u"4"), RemovalCheck::TooLarge);
    EXPECT_EQ(document.checkRemoval(u"0"), RemovalCheck::NotPositive);
    EXPECT_EQ(document.checkRemoval(u"x"), RemovalCheck::Ignored);
    EXPECT_EQ(document.checkRemoval(u""), RemovalCheck::NoQuantity);
    EXPECT_EQ(document.checkRemoval(u"3,00"), RemovalCheck::WholeLine);
    ASSERT_EQ(document.checkRemoval(u"1"), RemovalCheck::Reduce);
    ASSERT_TRUE(document.reduceSelectedLine(QStringLiteral("1")));

    const DocumentLine& reduced = document.lines()[0];
    EXPECT_EQ(reduced.quantity, QStringLiteral("2,00"));
    EXPECT_EQ(reduced.net, QStringLiteral("20,00"));
    EXPECT_EQ(reduced.vat, QStringLiteral("4,40"));
    EXPECT_EQ(reduced.gross, QStringLiteral("24,40"));
    EXPECT_EQ(line(document.groupTotals(RateGroup::TwentyTwo)), "20,00|4,40|24,40");
    EXPECT_EQ(document.totalToPay(), QStringLiteral("29,75"));
    EXPECT_FALSE(document.removalEnabled());
    EXPECT_FALSE(document.hasGoods());
    EXPECT_EQ(document.currentLine().net, QString());
    // Nothing more goes until a line is selected again.
    EXPECT_EQ(document.checkRemoval(u"1"), RemovalCheck::Ignored);
}

TEST(SalesDocument, RemovingAWholeLineUsesTheLinesOwnValues)
{
    SalesDocument document;
    addLine(document, goods("A", "10,00", "22"), "3");
    addLine(document, goods("B", "5,00", "7"), "2");
    // Whatever became of the goods records since, the line keeps its price
    // and rate.
    ASSERT_TRUE(document.selectLine(1));
    EXPECT_EQ(document.currentLine().unitPrice, QStringLiteral("5,00"));
    EXPECT_EQ(document.currentLine().rateText, QStringLiteral("7"));
    ASSERT_EQ(document.checkRemoval(u"2"), RemovalCheck::WholeLine);
    ASSERT_TRUE(document.removeSelectedLine());
    ASSERT_EQ(document.lines().size(), 1u);
    EXPECT_EQ(document.lines()[0].name, QStringLiteral("A"));
    EXPECT_EQ(line(document.groupTotals(RateGroup::Seven)), "0,00|0,00|0,00");
    EXPECT_EQ(line(document.documentTotals()), "30,00|6,60|36,60");
    EXPECT_EQ(document.lineNumbers().first(), QStringLiteral("1"));
    // The line numbers are fixed: a removed line does not take its number.
    EXPECT_EQ(document.lineNumbers().size(), 20);
}

TEST(SalesDocument, ClearingEmptiesEverythingButTheWords)
{
    SalesDocument document;
    addLine(document, goods("A", "10,00", "22"), "3");
    ASSERT_TRUE(document.refreshAmountInWords());
    document.clear();
    EXPECT_TRUE(document.lines().empty());
    EXPECT_EQ(line(document.groupTotals(RateGroup::TwentyTwo)), "0|0|0");
    EXPECT_EQ(document.currentLine().net, QStringLiteral("0"));
    EXPECT_EQ(document.totalToPay(), QStringLiteral("0,00"));
    EXPECT_EQ(document.amountInWords().zlotych, QStringLiteral("36"));
}

TEST(SalesDocument, TotalOfAMillionIsRefusedForWordsAndShowsZero)
{
    SalesDocument document;
    addLine(document, goods("A", "500000,00", "zw."), "1");
    ASSERT_TRUE(document.refreshAmountInWords());
    EXPECT_EQ(document.amountInWords().slownie_zlotych, QStringLiteral("pięćset tysięcy"));
    addLine(document, goods("A", "500000,00", "zw."), "1");
    EXPECT_EQ(document.totalToPay(), QStringLiteral("1000000,00"));
    EXPECT_FALSE(document.refreshAmountInWords());
    EXPECT_EQ(document.totalToPay(), QStringLiteral("0,00"));
    EXPECT_EQ(document.amountInWords().slownie_zlotych, QStringLiteral("pięćset tysięcy"));
}

// Faults that only long sessions met, each replayed as the user met it, and
// a long random session that checks the document after every step.

void removeWhole(SalesDocument& document, int index)
{
    ASSERT_TRUE(document.selectLine(index));
    const QString quantity = document.lines().at(static_cast<std::size_t>(index)).quantity;
    ASSERT_EQ(document.checkRemoval(quantity), RemovalCheck::WholeLine);
    ASSERT_TRUE(document.removeSelectedLine());
}

TEST(SalesDocumentSession, LinesRemovedWholeAndAddedBackNeverRunOutOfLineNumbers)
{
    SalesDocument document;
    const Goods bolt = goods("Śruba", "0,20", "22");
    for (int i = 0; i < 15; ++i) {
        addLine(document, bolt, "1");
    }
    for (const int index : {3, 0, 10, 5, 7, 1}) {
        removeWhole(document, index);
    }
    while (document.lines().size() < 15) {
        addLine(document, bolt, "2");
    }
    removeWhole(document, 14);
    EXPECT_EQ(document.lines().size(), 14u);
    EXPECT_EQ(document.lineNumbers().size(), 20);
    EXPECT_EQ(brokenInvariant(document), std::nullopt);
}

TEST(SalesDocumentSession, ChoosingGoodsEndsTheSelectionOfALine)
{
    SalesDocument document;
    addLine(document, goods("Śruba", "0,20", "22"), "10");
    ASSERT_TRUE(document.selectLine(0));
    ASSERT_TRUE(document.removalEnabled());
    // Other goods chosen after the click: a removal can no longer take them
    // from the line at their price and rate.
    ASSERT_TRUE(document.loadGoods(goods("Łopata", "35,00", "7")));
    EXPECT_FALSE(document.removalEnabled());
    EXPECT_EQ(document.checkRemoval(u"1"), RemovalCheck::Ignored);
    EXPECT_FALSE(document.reduceSelectedLine(QStringLiteral("1")));
    EXPECT_EQ(document.lines().at(0).net, QStringLiteral("2,00"));
    EXPECT_EQ(document.documentTotals().gross, QStringLiteral("2,44"));

    // The list showing no choice ends it too.
    ASSERT_TRUE(document.selectLine(0));
    document.dropGoods();
    EXPECT_FALSE(document.removalEnabled());
    EXPECT_EQ(brokenInvariant(document), std::nullopt);
}

TEST(SalesDocumentSession, ARefusedGoodsRecordLeavesNoGoodsLoaded)
{
    const Goods refused[] = {goods("Zepsuty", "dziesięć", "22"), goods("Bez stawki", "1,00", "x")};
    for (const Goods& bad : refused) {
        SalesDocument document;
        ASSERT_TRUE(document.loadGoods(goods("Śruba", "0,20", "22")));
        EXPECT_FALSE(document.loadGoods(bad));
        EXPECT_FALSE(document.hasGoods()) << bad.Nazwa_towaru.toStdString();
        EXPECT_EQ(document.add(QStringLiteral("1")), AddRefusal::NoGoods);
        EXPECT_TRUE(document.lines().empty());
    }
}

// Steps of the random session: 1 000 000 by default; KWITOLA_SESSION_STEPS
// and KWITOLA_SESSION_SEED (0 or unset: the fixed seed; "random": a new one,
// printed) change that for a longer run.
std::uint64_t sessionSeed()
{
    const QByteArray given = qgetenv("KWITOLA_SESSION_SEED");
    if (given == "random") {
        return QRandomGenerator::system()->generate64();
    }
    return given.isEmpty() ? 20261208 : given.toULongLong();
}

TEST(SalesDocumentSession, EveryStepOfALongRandomSessionKeepsTheTotalsExact)
{
    const std::uint64_t seed = sessionSeed();
    const qint64 steps = qEnvironmentVariableIsSet("KWITOLA_SESSION_STEPS")
                             ? qgetenv("KWITOLA_SESSION_STEPS").toLongLong()
                             : 1'000'000;
    std::cout << "random session seed " << seed << ", " << steps << " steps\n";
    std::mt19937_64 random(seed);
    DocumentSession session(
        [&random](std::uint32_t bound) { return static_cast<std::uint32_t>(random() % bound); });
    std::deque<std::string> recent;
    std::size_t longest = 0;
    int wholeRemovals = 0;
    for (qint64 i = 0; i < steps; ++i) {
        const std::size_t before = session.document().lines().size();
        recent.push_back(session.step());
        if (recent.size() > 12) {
            recent.pop_front();
        }
        longest = std::max(longest, session.document().lines().size());
        wholeRemovals += session.document().lines().size() + 1 == before ? 1 : 0;
        if (const auto broken = brokenInvariant(session.document())) {
            std::string trail;
            for (const std::string& step : recent) {
                trail += "\n  " + step;
            }
            FAIL() << "seed " << seed << ", step " << i << ": " << *broken
                   << "\nlast steps:" << trail;
        }
    }
    // The session reached the fifteen-line limit and removed whole lines.
    EXPECT_EQ(longest, 15u);
    EXPECT_GT(wholeRemovals, steps / 1000);
}

} // namespace
