#include "karoskop/core/modellist.h"
#include "karoskop/core/steps.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using karoskop::testing::VinFixture;

namespace karoskop {
namespace {

QString periodsFor(const char* model, const QString& productionYear)
{
    VinFixture f(QStringLiteral("WF0XXXXXXXX012345"), QStringLiteral("Ford"));
    f.d().models = QStringList{QString::fromUtf8(model), QStringLiteral("Ford Ka")};
    f.d().productionYear = productionYear;
    f.d().modelYears.clear();
    applyDecodingPeriods(f.context);
    return f.d().modelYears;
}

// The years from first to last as the field lists them, blank-separated;
// empty for a first year of 0.
QString yearSpan(int first, int last)
{
    QStringList years;
    for (int year = first; first != 0 && year <= last; ++year) {
        years << QString::number(year);
    }
    return years.join(u' ');
}

struct Span
{
    int first = 0; // 0: no row holds
    int last = 0;
};

// Production years of one model and the span each gives.
struct ModelPeriods
{
    std::vector<const char*> models; // models that share their rows
    std::vector<std::pair<int, Span>> years;
};

// Each row's bounds from both sides; bounds are strict and where two rows
// hold the later one stands.
TEST(DecodingPeriods, YearConditionedRowsAtTheirBounds)
{
    constexpr Span kNone;
    constexpr Span k80to83{1980, 1983};
    constexpr Span k84to88{1984, 1988};
    constexpr Span k89to95{1989, 1995};
    constexpr Span k96to99{1996, 1999};
    constexpr Span k80to86{1980, 1986};
    constexpr Span k86to90{1986, 1990};
    constexpr Span k91to95{1991, 1995};
    constexpr Span k95to99{1995, 1999};
    constexpr Span k83to86{1983, 1986};
    constexpr Span k91to94{1991, 1994};
    constexpr Span k82to86{1982, 1986};
    constexpr Span k86to93{1986, 1993};
    constexpr Span k93to96{1993, 1996};
    constexpr Span k85to92{1985, 1992};
    constexpr Span k92to95{1992, 1995};
    constexpr Span k95to98{1995, 1998};
    const ModelPeriods cases[] = {
        {{"Ford Fiesta"},
         {{1979, kNone},
          {1980, k80to83},
          {1983, k80to83},
          {1984, k84to88},
          {1988, k84to88},
          {1989, k89to95},
          {1995, k89to95},
          {1996, k96to99},
          {2000, k96to99}}},
        {{"Ford Escort", "Ford Escort Kombi"},
         {{1979, kNone},
          {1980, k80to86},
          {1985, k80to86},
          {1986, k86to90},
          {1990, k86to90},
          {1991, k91to95},
          {1994, k91to95},
          {1995, k95to99}}},
        {{"Ford Escort"}, {{2000, k95to99}}},
        {{"Ford Escort Cabrio"},
         {{1980, kNone},
          {1982, kNone},
          {1983, k83to86},
          {1985, k83to86},
          {1986, k86to90},
          {1990, k86to90},
          {1991, k91to94},
          {1994, k91to94},
          {1995, k95to99}}},
        {{"Ford Orion"},
         {{1982, kNone},
          {1983, k83to86},
          {1985, k83to86},
          {1986, k86to90},
          {1990, k86to90},
          {1991, k91to95},
          {1995, k91to95},
          {1996, kNone}}},
        {{"Ford Sierra", "Ford Sierra Kombi"},
         {{1981, kNone}, {1982, k82to86}, {1986, k82to86}, {1987, kNone}}},
        {{"Ford Sierra II", "Ford Sierra II Kombi"},
         {{1985, kNone}, {1986, k86to93}, {1993, k86to93}, {1994, kNone}}},
        {{"Ford Mondeo", "Ford Mondeo Kombi"},
         {{1992, kNone}, {1993, k93to96}, {1995, k93to96}, {1996, k96to99}}},
        {{"Ford Mondeo"}, {{2000, k96to99}}},
        {{"Ford Scorpio"}, {{1984, kNone}, {1985, k85to92}, {1991, k85to92}, {2000, k95to98}}},
        {{"Ford Scorpio Kombi"}, {{1991, kNone}}},
        {{"Ford Scorpio", "Ford Scorpio Kombi"},
         {{1992, k92to95}, {1994, k92to95}, {1995, k95to98}}},
    };
    for (const ModelPeriods& c : cases) {
        for (const char* model : c.models) {
            for (const auto& [year, span] : c.years) {
                EXPECT_EQ(periodsFor(model, QString::number(year)), yearSpan(span.first, span.last))
                    << model << ' ' << year;
            }
        }
    }
}

// Every Ford model's whole span of years; anyYear marks the models whose
// periods row has no condition on the production year.
struct WholeSpan
{
    const char* model;
    Span years;
    bool anyYear;
};

constexpr WholeSpan kWholeSpans[] = {
    {"Ford Ka", {1996, 1999}, true},
    {"Ford Fiesta", {1980, 1999}, false},
    {"Ford Puma", {1997, 1999}, true},
    {"Ford Escort", {1980, 1999}, false},
    {"Ford Escort Kombi", {1980, 1999}, false},
    {"Ford Escort Cabrio", {1983, 1999}, false},
    {"Ford Focus", {1998, 1999}, true},
    {"Ford Orion", {1983, 1993}, false},
    {"Ford Taunus", {1980, 1982}, true},
    {"Ford Taunus Kombi", {1980, 1982}, true},
    {"Ford Sierra", {1982, 1986}, false},
    {"Ford Sierra II", {1987, 1993}, false},
    {"Ford Sierra Kombi", {1982, 1993}, false},
    {"Ford Sierra II Kombi", {1987, 1993}, false},
    {"Ford Mondeo", {1993, 1999}, false},
    {"Ford Mondeo Kombi", {1993, 1999}, false},
    {"Ford Granada", {1980, 1985}, false},
    {"Ford Granada Kombi", {1980, 1985}, true},
    {"Ford Scorpio", {1985, 1999}, false},
    {"Ford Scorpio Kombi", {1992, 1999}, false},
    {"Ford Probe I", {1990, 1994}, true},
    {"Ford Probe II 16 V", {1994, 1998}, true},
    {"Ford Probe II 24 V", {1994, 1998}, true},
    {"Ford Galaxy", {1995, 1999}, true},
    {"Ford Windstar", {1995, 1999}, true},
    {"Ford Explorer", {1993, 1999}, true},
};

TEST(DecodingPeriods, RowsWithoutConditionNeedNoYear)
{
    for (const QString& year : {QStringLiteral("1970"), QStringLiteral("2000"),
                                QStringLiteral("Brak danych o roku produkcji")}) {
        for (const WholeSpan& c : kWholeSpans) {
            if (c.anyYear) {
                EXPECT_EQ(periodsFor(c.model, year), yearSpan(c.years.first, c.years.last))
                    << c.model << ' ' << year.toStdString();
            }
        }
        // Granada has no row at all.
        EXPECT_EQ(periodsFor("Ford Granada", year), yearSpan(0, 0)) << year.toStdString();
    }
}

TEST(DecodingPeriods, AYearThatIsNotANumberMatchesNoYearCondition)
{
    for (const char* model :
         {"Ford Fiesta", "Ford Escort", "Ford Escort Kombi", "Ford Escort Cabrio", "Ford Orion",
          "Ford Sierra", "Ford Sierra II", "Ford Sierra Kombi", "Ford Sierra II Kombi",
          "Ford Mondeo", "Ford Mondeo Kombi", "Ford Scorpio", "Ford Scorpio Kombi"}) {
        for (const QString& year :
             {QString(), QStringLiteral("Brak danych o roku produkcji"), QStringLiteral("19x5")}) {
            EXPECT_TRUE(periodsFor(model, year).isEmpty()) << model << ' ' << year.toStdString();
        }
    }
}

TEST(DecodingPeriods, AnEmptyListLeavesTheField)
{
    VinFixture f(QStringLiteral("WF0XXXXXXXX012345"), QStringLiteral("Ford"));
    f.d().productionYear = QStringLiteral("1990");
    applyDecodingPeriods(f.context);
    EXPECT_EQ(f.d().modelYears, QStringLiteral("="));
}

TEST(Lista1Change, EveryModelShowsItsWholeSpan)
{
    for (const WholeSpan& c : kWholeSpans) {
        VinFixture f(QStringLiteral("WF0XXXXXXXX012345"), QStringLiteral("Ford"));
        lista1Change(f.context, QString::fromUtf8(c.model));
        EXPECT_EQ(f.d().modelYears, yearSpan(c.years.first, c.years.last)) << c.model;
    }
}

TEST(Lista1Change, RefreshesYearAndSerialAndKeepsTypeAndEngine)
{
    // Rule 5: "Ford Orion", then "Ford Escort"; production year 1991 (M).
    VinFixture f(QStringLiteral("WF0XXXXXAFM012345"), QStringLiteral("Ford"));
    rozkodujRocznik(f.context);
    rozkodujForda(f.context);
    numerSeryjny(f.context);
    ASSERT_EQ(f.d().models, (QStringList{"Ford Orion", "Ford Escort"}));
    ASSERT_EQ(f.d().modelYears, QStringLiteral("1991 1992 1993 1994 1995"));
    f.d().productionYear = QStringLiteral("changed");
    f.d().serial = QStringLiteral("changed");
    f.d().modelYear = QStringLiteral("statement");
    lista1Change(f.context, QStringLiteral("Ford Escort"));
    EXPECT_EQ(f.d().productionYear, QStringLiteral("1991"));
    EXPECT_EQ(f.d().serial, QStringLiteral("12345"));
    EXPECT_EQ(f.d().modelYear, QStringLiteral("statement"));
    EXPECT_EQ(f.d().modelYears, QStringLiteral("1980 1981 1982 1983 1984 1985 1986 1987 1988 "
                                               "1989 1990 1991 1992 1993 1994 1995 1996 1997 "
                                               "1998 1999"));
    EXPECT_EQ(f.d().type, QStringLiteral("Escort / Orion"));
    EXPECT_EQ(f.d().engine, QStringLiteral("benzyna / olej napędowy"));
    EXPECT_EQ(f.d().models, (QStringList{"Ford Orion", "Ford Escort"}));
}

TEST(Lista1Change, AModelWithoutARowKeepsTheYears)
{
    VinFixture f(QStringLiteral("WF0XXXXXXXX012345"), QStringLiteral("Ford"));
    f.d().modelYears = QStringLiteral("1990 1991");
    lista1Change(f.context, QStringLiteral("Ford Nieznany"));
    EXPECT_EQ(f.d().modelYears, QStringLiteral("1990 1991"));
}

} // namespace
} // namespace karoskop
