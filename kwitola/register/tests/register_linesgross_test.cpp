#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/linesgross.h"
#include "kwitola/register/core/storedlines.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

// What the whole document machinery makes of the same lines.
std::optional<Decimal> documentGross(const StoredDocument& document)
{
    const auto totalled = documentFromLines(document);
    return totalled ? Decimal::parse(totalled->documentTotals().gross) : std::nullopt;
}

class RandomLines
{
public:
    explicit RandomLines(unsigned seed) : m_random(seed) {}

    StoredDocument document()
    {
        StoredDocument d;
        d.Numer_faktury = QStringLiteral("1/2026");
        const int used = pick(kStoredLineCount + 1);
        for (int i = 0; i < used; ++i) {
            StoredLine& line = d.lines.at(static_cast<std::size_t>(i));
            line.name = pick(12) == 0 ? QString() : QStringLiteral("Towar %1").arg(i);
            line.quantity = amount(3);
            line.unitNetPrice = amount(2 + pick(3));
            line.vatRate = oneOf({u"22", u"7", u"0", u"zw.", u"zw", u"5", u" 22", u"x"}, 5);
        }
        return d;
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    // Mostly the first `common` texts, now and then one of the rest.
    QString oneOf(std::initializer_list<const char16_t*> texts, int common)
    {
        const int limit = pick(20) == 0 ? static_cast<int>(texts.size()) : common;
        return QString::fromUtf16(*(texts.begin() + pick(limit)));
    }

    // A number text: small amounts with odd halves, large ones near the
    // range's end, now and then a negative, zero or unreadable one.
    QString amount(int decimals)
    {
        switch (pick(24)) {
        case 0:
            return QStringLiteral("0");
        case 1:
            return QStringLiteral("abc");
        case 2:
            return QString();
        case 3:
            return QStringLiteral("-%1,5").arg(pick(1000));
        case 4:
            return QStringLiteral("99999999%1,99").arg(pick(10));
        case 5:
            return QStringLiteral("1,123456789");
        default:
            break;
        }
        QString text = QString::number(pick(pick(4) == 0 ? 100'000 : 100));
        if (pick(3) != 0) {
            text += u',';
            for (int i = 0; i < decimals; ++i) {
                text += QChar(u'0' + pick(10));
            }
        }
        return text;
    }

    std::mt19937 m_random;
};

TEST(LinesGross, EqualsTheDocumentsTotalOverManyRandomDocuments)
{
    const unsigned seed = std::random_device{}();
    std::printf("lines gross seed: %u\n", seed);
    RandomLines random(seed);
    int totalled = 0;
    int refused = 0;
    for (int i = 0; i < 20'000; ++i) {
        const StoredDocument d = random.document();
        const auto expected = documentGross(d);
        ASSERT_EQ(grossOfLines(d), expected) << "seed " << seed << ", document " << i;
        ++(expected ? totalled : refused);
    }
    // Both outcomes must have been met often for the comparison to mean much.
    EXPECT_GT(totalled, 2000);
    EXPECT_GT(refused, 2000);
}

TEST(LinesGross, RoundsEachStepAsTheDocumentDoes)
{
    StoredDocument d;
    // 3 x 0,35 = 1,05 at 22 %: VAT 0,231 is 0,23; 0,005 at 7 % rounds up.
    d.lines.at(0) = {QStringLiteral("Śruba"), {}, {}, QStringLiteral("3"), QStringLiteral("0,35"),
                     QStringLiteral("22")};
    d.lines.at(2) = {QStringLiteral("Nit"), {}, {}, QStringLiteral("1"), QStringLiteral("0,005"),
                     QStringLiteral("7")};
    d.lines.at(3) = {QString(), {}, {}, QStringLiteral("zła"), QStringLiteral("zła"), {}};
    EXPECT_EQ(grossOfLines(d), Decimal::parse(u"1,29"));
    EXPECT_EQ(grossOfLines(StoredDocument{}), Decimal());
    d.lines.at(1) = {QStringLiteral("Klej"), {}, {}, QStringLiteral("1"), QStringLiteral("2"),
                     QStringLiteral("23")};
    EXPECT_EQ(grossOfLines(d), std::nullopt);
}

} // namespace
