// Faults that only long sessions met, each replayed as the user met it, and
// a long random session that checks the document after every step.
#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/testsupport/documentcheck.h"
#include "kwitola/testsupport/documentsession.h"

#include <QRandomGenerator>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
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
    return g;
}

void add(SalesDocument& document, const Goods& g, const char* quantity)
{
    ASSERT_FALSE(document.loadGoods(g));
    ASSERT_FALSE(document.add(QString::fromUtf8(quantity)));
    ASSERT_TRUE(document.refreshAmountInWords());
}

void removeWhole(SalesDocument& document, int index)
{
    ASSERT_TRUE(document.selectLine(index));
    const QString quantity = document.lines().at(static_cast<std::size_t>(index)).quantity;
    ASSERT_EQ(document.checkRemoval(quantity), RemovalCheck::WholeLine);
    ASSERT_TRUE(document.removeSelectedLine());
}

TEST(LongSession, LinesRemovedWholeAndAddedBackNeverRunOutOfLineNumbers)
{
    SalesDocument document;
    const Goods bolt = goods("Śruba", "0,20", "22");
    for (int i = 0; i < 15; ++i) {
        add(document, bolt, "1");
    }
    for (const int index : {3, 0, 10, 5, 7, 1}) {
        removeWhole(document, index);
    }
    while (document.lines().size() < 15) {
        add(document, bolt, "2");
    }
    removeWhole(document, 14);
    EXPECT_EQ(document.lines().size(), 14u);
    EXPECT_EQ(document.lineNumbers().size(), 20);
    EXPECT_EQ(brokenInvariant(document), std::nullopt);
}

TEST(LongSession, ChoosingGoodsEndsTheSelectionOfALine)
{
    SalesDocument document;
    add(document, goods("Śruba", "0,20", "22"), "10");
    ASSERT_TRUE(document.selectLine(0));
    ASSERT_TRUE(document.removalEnabled());
    // Other goods chosen after the click: a removal can no longer take them
    // from the line at their price and rate.
    ASSERT_FALSE(document.loadGoods(goods("Łopata", "35,00", "7")));
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

TEST(LongSession, ARefusedGoodsRecordLeavesNoGoodsLoaded)
{
    const Goods refused[] = {goods("Zepsuty", "dziesięć", "22"), goods("Bez stawki", "1,00", "x")};
    for (const Goods& bad : refused) {
        SalesDocument document;
        ASSERT_FALSE(document.loadGoods(goods("Śruba", "0,20", "22")));
        EXPECT_TRUE(document.loadGoods(bad));
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

TEST(LongSession, EveryStepOfALongRandomSessionKeepsTheTotalsExact)
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
