#include "karoskop/core/modellist.h"
#include "karoskop/core/steps.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

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

const char* const kFiesta1 = "1980 1981 1982 1983";
const char* const kFiesta2 = "1984 1985 1986 1987 1988";
const char* const kFiesta3 = "1989 1990 1991 1992 1993 1994 1995";
const char* const k96to99 = "1996 1997 1998 1999";
const char* const kEscort1 = "1980 1981 1982 1983 1984 1985 1986";
const char* const k86to90 = "1986 1987 1988 1989 1990";
const char* const k91to95 = "1991 1992 1993 1994 1995";
const char* const k95to99 = "1995 1996 1997 1998 1999";
const char* const k83to86 = "1983 1984 1985 1986";
const char* const k91to94 = "1991 1992 1993 1994";
const char* const k82to86 = "1982 1983 1984 1985 1986";
const char* const k86to93 = "1986 1987 1988 1989 1990 1991 1992 1993";
const char* const k93to96 = "1993 1994 1995 1996";
const char* const kScorpio1 = "1985 1986 1987 1988 1989 1990 1991 1992";
const char* const k92to95 = "1992 1993 1994 1995";
const char* const k95to98 = "1995 1996 1997 1998";

struct PeriodCase
{
    const char* model;
    int year;
    const char* years; // "" when no row holds
};

// Each row's bounds from both sides; bounds are strict and where two rows
// hold the later one stands.
TEST(DecodingPeriods, YearConditionedRowsAtTheirBounds)
{
    const PeriodCase cases[] = {
        {"Ford Fiesta", 1979, ""},
        {"Ford Fiesta", 1980, kFiesta1},
        {"Ford Fiesta", 1983, kFiesta1},
        {"Ford Fiesta", 1984, kFiesta2},
        {"Ford Fiesta", 1988, kFiesta2},
        {"Ford Fiesta", 1989, kFiesta3},
        {"Ford Fiesta", 1995, kFiesta3},
        {"Ford Fiesta", 1996, k96to99},
        {"Ford Fiesta", 2000, k96to99},

        {"Ford Escort", 1979, ""},
        {"Ford Escort", 1980, kEscort1},
        {"Ford Escort", 1985, kEscort1},
        {"Ford Escort", 1986, k86to90},
        {"Ford Escort", 1990, k86to90},
        {"Ford Escort", 1991, k91to95},
        {"Ford Escort", 1994, k91to95},
        {"Ford Escort", 1995, k95to99},
        {"Ford Escort", 2000, k95to99},

        {"Ford Escort Kombi", 1979, ""},
        {"Ford Escort Kombi", 1980, kEscort1},
        {"Ford Escort Kombi", 1985, kEscort1},
        {"Ford Escort Kombi", 1986, k86to90},
        {"Ford Escort Kombi", 1990, k86to90},
        {"Ford Escort Kombi", 1991, k91to95},
        {"Ford Escort Kombi", 1994, k91to95},
        {"Ford Escort Kombi", 1995, k95to99},

        {"Ford Escort Cabrio", 1980, ""},
        {"Ford Escort Cabrio", 1982, ""},
        {"Ford Escort Cabrio", 1983, k83to86},
        {"Ford Escort Cabrio", 1985, k83to86},
        {"Ford Escort Cabrio", 1986, k86to90},
        {"Ford Escort Cabrio", 1990, k86to90},
        {"Ford Escort Cabrio", 1991, k91to94},
        {"Ford Escort Cabrio", 1994, k91to94},
        {"Ford Escort Cabrio", 1995, k95to99},

        {"Ford Orion", 1982, ""},
        {"Ford Orion", 1983, k83to86},
        {"Ford Orion", 1985, k83to86},
        {"Ford Orion", 1986, k86to90},
        {"Ford Orion", 1990, k86to90},
        {"Ford Orion", 1991, k91to95},
        {"Ford Orion", 1995, k91to95},
        {"Ford Orion", 1996, ""},

        {"Ford Sierra", 1981, ""},
        {"Ford Sierra", 1982, k82to86},
        {"Ford Sierra", 1986, k82to86},
        {"Ford Sierra", 1987, ""},
        {"Ford Sierra Kombi", 1981, ""},
        {"Ford Sierra Kombi", 1982, k82to86},
        {"Ford Sierra Kombi", 1986, k82to86},
        {"Ford Sierra Kombi", 1987, ""},
        {"Ford Sierra II", 1985, ""},
        {"Ford Sierra II", 1986, k86to93},
        {"Ford Sierra II", 1993, k86to93},
        {"Ford Sierra II", 1994, ""},
        {"Ford Sierra II Kombi", 1985, ""},
        {"Ford Sierra II Kombi", 1986, k86to93},
        {"Ford Sierra II Kombi", 1993, k86to93},
        {"Ford Sierra II Kombi", 1994, ""},

        {"Ford Mondeo", 1992, ""},
        {"Ford Mondeo", 1993, k93to96},
        {"Ford Mondeo", 1995, k93to96},
        {"Ford Mondeo", 1996, k96to99},
        {"Ford Mondeo", 2000, k96to99},
        {"Ford Mondeo Kombi", 1992, ""},
        {"Ford Mondeo Kombi", 1993, k93to96},
        {"Ford Mondeo Kombi", 1995, k93to96},
        {"Ford Mondeo Kombi", 1996, k96to99},

        {"Ford Scorpio", 1984, ""},
        {"Ford Scorpio", 1985, kScorpio1},
        {"Ford Scorpio", 1991, kScorpio1},
        {"Ford Scorpio", 1992, k92to95},
        {"Ford Scorpio", 1994, k92to95},
        {"Ford Scorpio", 1995, k95to98},
        {"Ford Scorpio", 2000, k95to98},
        {"Ford Scorpio Kombi", 1991, ""},
        {"Ford Scorpio Kombi", 1992, k92to95},
        {"Ford Scorpio Kombi", 1994, k92to95},
        {"Ford Scorpio Kombi", 1995, k95to98},
    };
    for (const PeriodCase& c : cases) {
        EXPECT_EQ(periodsFor(c.model, QString::number(c.year)), QLatin1String(c.years))
            << c.model << ' ' << c.year;
    }
}

TEST(DecodingPeriods, RowsWithoutConditionNeedNoYear)
{
    const struct
    {
        const char* model;
        const char* years;
    } cases[] = {
        {"Ford Ka", "1996 1997 1998 1999"},
        {"Ford Puma", "1997 1998 1999"},
        {"Ford Focus", "1998 1999"},
        {"Ford Taunus", "1980 1981 1982"},
        {"Ford Taunus Kombi", "1980 1981 1982"},
        {"Ford Granada Kombi", "1980 1981 1982 1983 1984 1985"},
        {"Ford Probe I", "1990 1991 1992 1993 1994"},
        {"Ford Probe II 16 V", "1994 1995 1996 1997 1998"},
        {"Ford Probe II 24 V", "1994 1995 1996 1997 1998"},
        {"Ford Galaxy", "1995 1996 1997 1998 1999"},
        {"Ford Windstar", "1995 1996 1997 1998 1999"},
        {"Ford Explorer", "1993 1994 1995 1996 1997 1998 1999"},
        {"Ford Granada", ""}, // no row at all
    };
    for (const auto& c : cases) {
        for (const QString& year : {QStringLiteral("1970"), QStringLiteral("2000"),
                                    QStringLiteral("Brak danych o roku produkcji")}) {
            EXPECT_EQ(periodsFor(c.model, year), QLatin1String(c.years))
                << c.model << ' ' << year.toStdString();
        }
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
    const struct
    {
        const char* model;
        const char* years;
    } cases[] = {
        {"Ford Ka", "1996 1997 1998 1999"},
        {"Ford Fiesta", "1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 "
                        "1994 1995 1996 1997 1998 1999"},
        {"Ford Puma", "1997 1998 1999"},
        {"Ford Escort", "1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 "
                        "1994 1995 1996 1997 1998 1999"},
        {"Ford Escort Kombi", "1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 "
                              "1993 1994 1995 1996 1997 1998 1999"},
        {"Ford Escort Cabrio", "1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 1995 "
                               "1996 1997 1998 1999"},
        {"Ford Focus", "1998 1999"},
        {"Ford Orion", "1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993"},
        {"Ford Taunus", "1980 1981 1982"},
        {"Ford Taunus Kombi", "1980 1981 1982"},
        {"Ford Sierra", "1982 1983 1984 1985 1986"},
        {"Ford Sierra II", "1987 1988 1989 1990 1991 1992 1993"},
        {"Ford Sierra Kombi", "1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993"},
        {"Ford Sierra II Kombi", "1987 1988 1989 1990 1991 1992 1993"},
        {"Ford Mondeo", "1993 1994 1995 1996 1997 1998 1999"},
        {"Ford Mondeo Kombi", "1993 1994 1995 1996 1997 1998 1999"},
        {"Ford Granada", "1980 1981 1982 1983 1984 1985"},
        {"Ford Granada Kombi", "1980 1981 1982 1983 1984 1985"},
        {"Ford Scorpio", "1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 1995 1996 1997 1998 "
                         "1999"},
        {"Ford Scorpio Kombi", "1992 1993 1994 1995 1996 1997 1998 1999"},
        {"Ford Probe I", "1990 1991 1992 1993 1994"},
        {"Ford Probe II 16 V", "1994 1995 1996 1997 1998"},
        {"Ford Probe II 24 V", "1994 1995 1996 1997 1998"},
        {"Ford Galaxy", "1995 1996 1997 1998 1999"},
        {"Ford Windstar", "1995 1996 1997 1998 1999"},
        {"Ford Explorer", "1993 1994 1995 1996 1997 1998 1999"},
    };
    for (const auto& c : cases) {
        VinFixture f(QStringLiteral("WF0XXXXXXXX012345"), QStringLiteral("Ford"));
        lista1Change(f.context, QString::fromUtf8(c.model));
        EXPECT_EQ(f.d().modelYears, QLatin1String(c.years)) << c.model;
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
