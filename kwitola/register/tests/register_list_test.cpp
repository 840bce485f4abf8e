#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registerlist.h"
#include "kwitola/register/core/registertables.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

test::Posted posted(const char* number, const char* kind, const char* day, const char* month,
                    const char* recipient, const char* ledgerGross)
{
    return {QString::fromUtf8(number),
            QString::fromUtf8(kind),
            QString::fromUtf8(day),
            QString::fromUtf8(month),
            QStringLiteral("2026"),
            QString::fromUtf8(recipient),
            {{QStringLiteral("Śruba"), QStringLiteral("3"), QStringLiteral("0,35"),
              QStringLiteral("22")},
             {QStringLiteral("Usługa"), QStringLiteral("1"), QStringLiteral("10,00"),
              QStringLiteral("zw.")}},
            QString::fromUtf8(ledgerGross)};
}

PostedTables tablesOf(const std::vector<test::Posted>& documents)
{
    PostedTables tables;
    for (const test::Posted& p : documents) {
        tables.documents.push_back(test::storedDocument(p));
        tables.documents.back().id = static_cast<RecordId>(tables.documents.size());
        if (!p.ledgerGross.isEmpty()) {
            tables.ledger.push_back(test::ledgerRow(p));
        }
    }
    return tables;
}

const std::vector<test::Posted>& sample()
{
    static const std::vector<test::Posted> documents = {
        posted("10/2026 FV", "Faktura VAT", "05", "03", "Łukasz Kowalczyk", "999,99"),
        posted("2/2026 FV", "Faktura VAT", "31", "03", "Hurtownia Żuraw", "1,00"),
        posted("2/2026", "", "01", "04", "lubelska spółdzielnia", ""),
        posted("3/2026 RU", "Rachunek Uproszczony", "28", "02", "Zakład Ślusarski", "2,50"),
        posted("11/2026 FV", "Faktura VAT", "05", "03", "Agro Łan", "zły"),
    };
    return documents;
}

QStringList shownNumbers(const RegisterList& list)
{
    QStringList numbers;
    for (int i = 0; i < list.count(); ++i) {
        numbers << list.at(i)->number;
    }
    return numbers;
}

TEST(RegisterEntries, takeTheLedgersGrossOrTotalTheStoredLinesExactly)
{
    const auto entries = registerEntries(tablesOf(sample()), [](const StoredDocument& d) {
        return d.Numer_faktury == QStringLiteral("2/2026 FV");
    });
    ASSERT_EQ(entries.size(), 5U);
    EXPECT_EQ(entries.at(0).gross->fmt(), QStringLiteral("999,99"));
    EXPECT_TRUE(entries.at(0).grossFromLedger);
    EXPECT_EQ(entries.at(0).kind, QStringLiteral("Faktura VAT"));
    EXPECT_EQ(entries.at(3).kind, QStringLiteral("Rachunek uproszczony"));
    EXPECT_EQ(entries.at(2).kind, QStringLiteral("WZ"));
    // 3 x 0,35 = 1,05 net at 22% (VAT 0,231 -> 0,23) and 10,00 exempt.
    EXPECT_FALSE(entries.at(2).grossFromLedger);
    EXPECT_EQ(entries.at(2).gross->fmt(), QStringLiteral("11,28"));
    // A ledger total that does not read falls back on the lines.
    EXPECT_FALSE(entries.at(4).grossFromLedger);
    EXPECT_EQ(entries.at(4).gross->fmt(), QStringLiteral("11,28"));
    EXPECT_EQ(entries.at(1).issueDate, QDate(2026, 3, 31));
    EXPECT_TRUE(entries.at(1).archived);
    EXPECT_FALSE(entries.at(0).archived);
}

TEST(RegisterEntries, aDocumentWhoseLinesDoNotReadHasNoGross)
{
    auto broken = posted("7/2026", "", "01", "03", "X", "");
    broken.lines.at(0)[1] = QStringLiteral("dwa");
    const auto entries = registerEntries(tablesOf({broken}), {});
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_FALSE(entries.at(0).gross);
    RegisterList list(entries);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.withoutGross(), 1);
    EXPECT_EQ(list.grossSum(), Decimal());
}

TEST(RegisterList, filtersByMonthRangeRecipientAndNumberWithCountAndSum)
{
    RegisterList list(registerEntries(tablesOf(sample()), {}));
    EXPECT_EQ(list.count(), 5);
    const Month m{2026, 3};
    struct Case
    {
        RegisterFilter filter;
        QStringList numbers; // in the default order: newest first
        const char* sum;
    };
    const std::vector<Case> cases = {
        {{m.first(), m.last(), {}, {}},
         {QStringLiteral("2/2026 FV"), QStringLiteral("10/2026 FV"), QStringLiteral("11/2026 FV")},
         "1012,27"},
        {{QDate(2026, 3, 31), QDate(2026, 4, 1), {}, {}},
         {QStringLiteral("2/2026"), QStringLiteral("2/2026 FV")},
         "12,28"},
        {{std::nullopt, QDate(2026, 3, 4), {}, {}}, {QStringLiteral("3/2026 RU")}, "2,50"},
        {{{}, {}, QStringLiteral("ŁUKASZ"), {}}, {QStringLiteral("10/2026 FV")}, "999,99"},
        {{{}, {}, QStringLiteral("gniezno"), QStringLiteral("ru")},
         {QStringLiteral("3/2026 RU")},
         "2,50"},
        {{{}, {}, QStringLiteral("784-000"), QStringLiteral("2/2026")},
         {QStringLiteral("2/2026"), QStringLiteral("2/2026 FV")},
         "12,28"},
        {{{}, {}, {}, QStringLiteral("nie ma")}, {}, "0,00"},
    };
    for (const Case& c : cases) {
        list.setFilter(c.filter);
        EXPECT_EQ(shownNumbers(list), c.numbers) << c.sum;
        EXPECT_EQ(list.count(), c.numbers.size());
        ASSERT_TRUE(list.grossSum());
        EXPECT_EQ(list.grossSum()->fmt(), QString::fromUtf8(c.sum));
    }
    EXPECT_EQ(list.at(list.count()), nullptr);
    EXPECT_EQ(list.at(-1), nullptr);
}

TEST(RegisterList, sortsEachColumnBothWaysKeepingTableOrderOnTies)
{
    RegisterList list(registerEntries(
        tablesOf(sample()), [](const StoredDocument& d) { return d.kindName.isEmpty(); }));
    struct Case
    {
        SortColumn column;
        bool ascending;
        QStringList numbers;
    };
    const std::vector<Case> cases = {
        // Digit runs compare as numbers.
        {SortColumn::Number,
         true,
         {QStringLiteral("2/2026"), QStringLiteral("2/2026 FV"), QStringLiteral("3/2026 RU"),
          QStringLiteral("10/2026 FV"), QStringLiteral("11/2026 FV")}},
        // Polish order: L, Ł, Z, Ż; letter case ignored.
        {SortColumn::Recipient,
         true,
         {QStringLiteral("11/2026 FV"), QStringLiteral("2/2026 FV"), QStringLiteral("2/2026"),
          QStringLiteral("10/2026 FV"), QStringLiteral("3/2026 RU")}},
        {SortColumn::IssueDate,
         true,
         {QStringLiteral("3/2026 RU"), QStringLiteral("10/2026 FV"), QStringLiteral("11/2026 FV"),
          QStringLiteral("2/2026 FV"), QStringLiteral("2/2026")}},
        // Ties keep table order in both directions.
        {SortColumn::IssueDate,
         false,
         {QStringLiteral("2/2026"), QStringLiteral("2/2026 FV"), QStringLiteral("10/2026 FV"),
          QStringLiteral("11/2026 FV"), QStringLiteral("3/2026 RU")}},
        {SortColumn::Gross,
         false,
         {QStringLiteral("10/2026 FV"), QStringLiteral("2/2026"), QStringLiteral("11/2026 FV"),
          QStringLiteral("3/2026 RU"), QStringLiteral("2/2026 FV")}},
        {SortColumn::Archived,
         false,
         {QStringLiteral("2/2026"), QStringLiteral("10/2026 FV"), QStringLiteral("2/2026 FV"),
          QStringLiteral("3/2026 RU"), QStringLiteral("11/2026 FV")}},
    };
    for (const Case& c : cases) {
        list.sortBy(c.column, c.ascending);
        EXPECT_EQ(shownNumbers(list), c.numbers) << static_cast<int>(c.column) << c.ascending;
    }
    // A filter keeps the chosen order.
    list.sortBy(SortColumn::Number, false);
    list.setFilter({{}, {}, {}, QStringLiteral("FV")});
    EXPECT_EQ(shownNumbers(list),
              (QStringList{QStringLiteral("11/2026 FV"), QStringLiteral("10/2026 FV"),
                           QStringLiteral("2/2026 FV")}));
}

// A date that does not read and a missing total sort as the smallest; a
// negative total comes after a missing one.
TEST(RegisterList, unreadableDatesAndMissingTotalsSortFirst)
{
    const auto entry = [](const char* number, QDate date, std::optional<Decimal> gross) {
        RegisterEntry e;
        e.number = QString::fromUtf8(number);
        e.issueDate = date;
        e.gross = gross;
        return e;
    };
    RegisterList list({entry("a", QDate(2026, 3, 5), Decimal::parse(u"-1,00")),
                       entry("b", QDate(), std::nullopt),
                       entry("c", QDate(1, 1, 1), Decimal::parse(u"0,00")),
                       entry("d", QDate(), Decimal::parse(u"5,00"))});
    list.sortBy(SortColumn::IssueDate, true);
    EXPECT_EQ(shownNumbers(list), (QStringList{"b", "d", "c", "a"}));
    list.sortBy(SortColumn::IssueDate, false);
    EXPECT_EQ(shownNumbers(list), (QStringList{"a", "c", "b", "d"}));
    list.sortBy(SortColumn::Gross, true);
    EXPECT_EQ(shownNumbers(list), (QStringList{"b", "a", "c", "d"}));
    EXPECT_EQ(list.withoutGross(), 1);
}

TEST(RegisterList, numberOrderComparesDigitRunsAsNumbers)
{
    const std::pair<const char*, const char*> ordered[] = {
        {"2/2026", "10/2026"},     {"02/2026", "3/2026"}, {"9/2025 FV", "9/2026 FV"},
        {"12/2026", "12/2026 FV"}, {"a1", "B1"},          {"", "1"},
    };
    for (const auto& [first, second] : ordered) {
        EXPECT_TRUE(numberLess(QString::fromUtf8(first), QString::fromUtf8(second))) << first;
        EXPECT_FALSE(numberLess(QString::fromUtf8(second), QString::fromUtf8(first))) << second;
    }
    EXPECT_FALSE(numberLess(QStringLiteral("7/2026"), QStringLiteral("7/2026")));
}

} // namespace
