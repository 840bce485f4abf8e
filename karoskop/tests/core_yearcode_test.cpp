#include "karoskop/core/decoder.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/yearcode.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

using karoskop::testing::VinFixture;
using karoskop::testing::withChars;

namespace karoskop {
namespace {

const QString kFordBase = QStringLiteral("WF0XXXGBBXAX12345"); // position 11 is the year code

struct YearRow
{
    char code;
    const char* year;
    const char* startYear;
};

TEST(YearCode, EveryCodeGivesItsYearAndTheYearBefore)
{
    const YearRow rows[] = {
        {'A', "1980", "1979"}, {'B', "1981", "1980"}, {'C', "1982", "1981"}, {'D', "1983", "1982"},
        {'E', "1984", "1983"}, {'F', "1985", "1984"}, {'G', "1986", "1985"}, {'H', "1987", "1986"},
        {'J', "1988", "1987"}, {'K', "1989", "1988"}, {'L', "1990", "1989"}, {'M', "1991", "1990"},
        {'N', "1992", "1991"}, {'P', "1993", "1992"}, {'R', "1994", "1993"}, {'S', "1995", "1994"},
        {'T', "1996", "1995"}, {'V', "1997", "1996"}, {'W', "1998", "1997"}, {'X', "1999", "1998"},
        {'Y', "2000", "1999"},
    };
    for (const YearRow& row : rows) {
        VinFixture f(withChars(kFordBase, {{11, row.code}}));
        rozkodujRocznik(f.context);
        EXPECT_EQ(f.d().productionYear, QLatin1String(row.year)) << row.code;
        EXPECT_EQ(f.session.startYear, QLatin1String(row.startYear)) << row.code;
    }
}

TEST(YearCode, LettersWithoutARowLeaveYearAndStartYearAsTheyWere)
{
    for (char code : {'I', 'O', 'Q', 'U', 'Z', '0', '9'}) {
        VinFixture f(withChars(kFordBase, {{11, code}}));
        f.session.startYear = QStringLiteral("1990");
        f.d().productionYear = QStringLiteral("kept");
        rozkodujRocznik(f.context);
        EXPECT_EQ(f.d().productionYear, QStringLiteral("kept")) << code;
        EXPECT_EQ(f.session.startYear, QStringLiteral("1990")) << code;
    }
}

TEST(YearCode, OnlyNumbersBeginningWFAreRead)
{
    const struct
    {
        const char* number;
        const char* year;
    } cases[] = {
        {"WF0XXXGBBXAX12345", "1980"}, {"WFOXXXGBBXAX12345", "1980"}, {"WF1XXXGBBXAX12345", "1980"},
        {"W0LXXXGBBXAX12345", ""},     {"FW0XXXGBBXAX12345", ""},     {"VF0XXXGBBXAX12345", ""},
    };
    for (const auto& c : cases) {
        VinFixture f(QString::fromLatin1(c.number));
        rozkodujRocznik(f.context);
        EXPECT_EQ(f.d().productionYear, QLatin1String(c.year)) << c.number;
    }
}

TEST(YearCode, StartYearIsKeptFromOneRunToTheNext)
{
    VinFixture f(withChars(kFordBase, {{11, 'H'}}));
    rozkodujRocznik(f.context);
    f.reset(QStringLiteral("W0LXXXGBBXAX12345"));
    rozkodujRocznik(f.context);
    EXPECT_EQ(f.session.startYear, QStringLiteral("1986"));
    EXPECT_TRUE(f.d().productionYear.isEmpty());
}

// The run's steps from the year code to the statement, with the make the
// manufacturer table would have set.
VinFixture statementFor(const QString& number, const QString& make)
{
    VinFixture f(number, make);
    rozkodujRocznik(f.context);
    f.context.yearCopy = f.d().productionYear;
    modelYearStatement(f.context);
    finalYearCheck(f.context);
    return f;
}

TEST(ModelYearStatement, FordPeriodRunsFromSeptemberOfTheYearBefore)
{
    VinFixture a = statementFor(withChars(kFordBase, {{11, 'A'}}), QStringLiteral("Ford"));
    EXPECT_EQ(a.d().productionYear, QStringLiteral("1980"));
    EXPECT_EQ(a.d().modelYear, QStringLiteral("model wyprodukowany w okresie: 09.1979 - 08.1980"));
    VinFixture y = statementFor(withChars(kFordBase, {{11, 'Y'}}), QStringLiteral("Ford"));
    EXPECT_EQ(y.d().modelYear, QStringLiteral("model wyprodukowany w okresie: 09.1999 - 08.2000"));
}

TEST(ModelYearStatement, UndisclosedCodesNameTheMake)
{
    const struct
    {
        const char* number;
        const char* make;
        const char* year;
        const char* statement;
    } cases[] = {
        // A Ford's code is position 11.
        {"WF0XXXGBBXZA12345", "Ford", "Brak danych o roku produkcji",
         "Tajemnica handlowa firmy Ford"},
        {"WF0XXXGBBXOA12345", "Ford", "Brak danych o roku produkcji",
         "Tajemnica handlowa firmy Ford"},
        {"WF0XXXGBBXUA12345", "Ford", "Brak danych o roku produkcji",
         "Tajemnica handlowa firmy Ford"},
        // Any other make's is position 10, while a WF number's year is still read.
        {"WF1XXXGBBUAA12345", "Merkur", "Brak danych o roku produkcji",
         "Tajemnica handlowa firmy Merkur"},
        {"WF1XXXGBBAZA12345", "Merkur", "brak danych", "brak danych"},
        {"WF1XXXGBBAAA12345", "Merkur", "1980", "model wyprodukowany w okresie: 09.1979 - 08.1980"},
        {"W0LXXXGBBUAA12345", "Opel", "Brak danych o roku produkcji",
         "Tajemnica handlowa firmy Opel"},
        {"W0LXXXGBBAAA12345", "Opel", "brak danych", "brak danych"},
    };
    for (const auto& c : cases) {
        VinFixture f = statementFor(QString::fromLatin1(c.number), QString::fromLatin1(c.make));
        EXPECT_EQ(f.d().productionYear, QString::fromUtf8(c.year)) << c.number;
        EXPECT_EQ(f.d().modelYear, QString::fromUtf8(c.statement)) << c.number;
    }
}

TEST(ModelYearStatement, UnknownFordYearEndsAsNoData)
{
    for (char code : {'I', 'Q', '5'}) {
        VinFixture f = statementFor(withChars(kFordBase, {{11, code}}), QStringLiteral("Ford"));
        EXPECT_EQ(f.d().productionYear, QStringLiteral("brak danych")) << code;
        EXPECT_EQ(f.d().modelYear, QStringLiteral("brak danych")) << code;
    }
}

TEST(ModelYearStatement, RomanianNumbersAreLeftToTheirOwnStep)
{
    VinFixture f(QStringLiteral("WU1XXXXXXZXX12345"), QStringLiteral("="));
    modelYearStatement(f.context);
    EXPECT_TRUE(f.d().modelYear.isEmpty());
    EXPECT_TRUE(f.d().productionYear.isEmpty());
}

TEST(FinalYearCheck, OnlyEmptyOrBlankYearsBecomeNoData)
{
    const struct
    {
        const char* year;
        bool replaced;
    } cases[] = {{"", true},     {" ", true},     {"  ", true},
                 {"   ", false}, {"1980", false}, {"Brak danych o roku produkcji", false}};
    for (const auto& c : cases) {
        VinFixture f(kFordBase);
        f.d().productionYear = QString::fromLatin1(c.year);
        f.d().modelYear = QStringLiteral("statement");
        finalYearCheck(f.context);
        const QString year =
            c.replaced ? QStringLiteral("brak danych") : QString::fromLatin1(c.year);
        const QString statement =
            c.replaced ? QStringLiteral("brak danych") : QStringLiteral("statement");
        EXPECT_EQ(f.d().productionYear, year) << '"' << c.year << '"';
        EXPECT_EQ(f.d().modelYear, statement) << '"' << c.year << '"';
    }
}

TEST(SessionAfter, AgreesWithADecodingRunOnEveryPrefixAndCode)
{
    // A second decoder is started from this session, so it must be what a
    // run leaves: for makes that read the year code and makes that do not,
    // for codes in the table and codes outside it, from a set and an unset
    // session.
    const char* const prefixes[] = {"WF0", "WF1", "wf0", "W0L", "UU1", "1FA", "JA3", "XYZ"};
    const QString codes = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (const char* const before : {"", "1983"}) {
        for (const char* const prefix : prefixes) {
            for (const QChar code : codes) {
                const QString number = QLatin1String(prefix) + QStringLiteral("XXXGBB") + code +
                                       QStringLiteral("X12345");
                Decoder decoder;
                decoder.setSession({QLatin1String(before)});
                decoder.decode(karoskop::testing::vinOf(number));
                EXPECT_EQ(sessionAfter({QLatin1String(before)}, karoskop::testing::vinOf(number))
                              .startYear,
                          decoder.session().startYear)
                    << number.toStdString() << " after " << before;
            }
        }
    }
}

} // namespace
} // namespace karoskop
