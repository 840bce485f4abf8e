#include "kwitola/core/documentheader.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kwitola;

namespace {

using Parts = std::array<QString, DocumentHeader::kDateParts>;

Parts numberedParts()
{
    Parts parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i] = QStringLiteral("p%1").arg(i);
    }
    return parts;
}

TEST(DocumentHeader, TodayFillsIssueAndDeliveryAndDashesTheAdvance)
{
    struct Case
    {
        QDate today;
        const char* day;
        const char* month;
        const char* year;
    };
    const Case cases[] = {
        {QDate(2001, 3, 5), "05", "03", "2001"},
        {QDate(2024, 12, 31), "31", "12", "2024"},
        {QDate(999, 1, 9), "09", "01", "0999"},
    };
    for (const Case& c : cases) {
        DocumentHeader header;
        header.dateParts = numberedParts();
        header.setToday(c.today);
        const PrintDate issue = header.date(DocumentHeader::Date::Issue);
        EXPECT_EQ(issue.joined(),
                  QStringLiteral("%1-%2-%3")
                      .arg(QLatin1String(c.day), QLatin1String(c.month), QLatin1String(c.year)));
        EXPECT_EQ(header.date(DocumentHeader::Date::Delivery).joined(), issue.joined());
        EXPECT_EQ(header.date(DocumentHeader::Date::Advance).joined(), QStringLiteral("-----"));
    }
}

TEST(DocumentHeader, APartIsCopiedOnlyToTheSamePartOfLaterDates)
{
    // index copied from -> the parts that then hold its text
    const std::pair<std::size_t, std::vector<std::size_t>> cases[] = {
        {0, {0, 3, 6}}, {2, {2, 5, 8}}, {4, {4, 7}}, {6, {6}}, {8, {8}}, {9, {}},
    };
    for (const auto& [from, holders] : cases) {
        DocumentHeader header;
        header.dateParts = numberedParts();
        header.copyForward(from);
        Parts expected = numberedParts();
        for (const std::size_t holder : holders) {
            expected[holder] = QStringLiteral("p%1").arg(from);
        }
        EXPECT_EQ(header.dateParts, expected) << "from " << from;
    }
}

TEST(DocumentHeader, EachDateReadsItsOwnThreeParts)
{
    DocumentHeader header;
    EXPECT_EQ(header.date(DocumentHeader::Date::Issue).joined(), QStringLiteral("--"))
        << "an empty header prints empty parts";
    header.dateParts = numberedParts();
    EXPECT_EQ(header.date(DocumentHeader::Date::Issue).joined(), QStringLiteral("p0-p1-p2"));
    EXPECT_EQ(header.date(DocumentHeader::Date::Delivery).joined(), QStringLiteral("p3-p4-p5"));
    EXPECT_EQ(header.date(DocumentHeader::Date::Advance).joined(), QStringLiteral("p6-p7-p8"));
}

} // namespace
