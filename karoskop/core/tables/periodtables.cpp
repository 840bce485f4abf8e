#include "karoskop/core/tables/periodtables.h"

#include <array>

namespace karoskop {

namespace {

constexpr std::optional<int> kNone;

// Rows for one model narrow its span to the generation of the production
// year; bounds are strict, and where two rows match the later one stands.
// "Ford Granada" has no row.
const std::array<DecodingPeriodRow, 44> kDecodingPeriods{{
    {QStringLiteral("Ford Ka"), kNone, kNone, QStringLiteral("1996 1997 1998 1999")},        // 1
    {QStringLiteral("Ford Fiesta"), 1979, 1984, QStringLiteral("1980 1981 1982 1983")},      // 2
    {QStringLiteral("Ford Fiesta"), 1983, 1989, QStringLiteral("1984 1985 1986 1987 1988")}, // 3
    {QStringLiteral("Ford Fiesta"), 1988, 1996,
     QStringLiteral("1989 1990 1991 1992 1993 1994 1995")},                              // 4
    {QStringLiteral("Ford Fiesta"), 1995, kNone, QStringLiteral("1996 1997 1998 1999")}, // 5
    {QStringLiteral("Ford Puma"), kNone, kNone, QStringLiteral("1997 1998 1999")},       // 6
    {QStringLiteral("Ford Escort"), 1979, 1987,
     QStringLiteral("1980 1981 1982 1983 1984 1985 1986")},                                   // 7
    {QStringLiteral("Ford Escort"), 1985, 1991, QStringLiteral("1986 1987 1988 1989 1990")},  // 8
    {QStringLiteral("Ford Escort"), 1990, 1996, QStringLiteral("1991 1992 1993 1994 1995")},  // 9
    {QStringLiteral("Ford Escort"), 1994, kNone, QStringLiteral("1995 1996 1997 1998 1999")}, // 10
    {QStringLiteral("Ford Escort Kombi"), 1979, 1987,
     QStringLiteral("1980 1981 1982 1983 1984 1985 1986")}, // 11
    {QStringLiteral("Ford Escort Kombi"), 1985, 1991,
     QStringLiteral("1986 1987 1988 1989 1990")}, // 12
    {QStringLiteral("Ford Escort Kombi"), 1990, 1996,
     QStringLiteral("1991 1992 1993 1994 1995")}, // 13
    {QStringLiteral("Ford Escort Kombi"), 1994, kNone,
     QStringLiteral("1995 1996 1997 1998 1999")},                                              // 14
    {QStringLiteral("Ford Escort Cabrio"), 1982, 1987, QStringLiteral("1983 1984 1985 1986")}, // 15
    {QStringLiteral("Ford Escort Cabrio"), 1985, 1991,
     QStringLiteral("1986 1987 1988 1989 1990")},                                              // 16
    {QStringLiteral("Ford Escort Cabrio"), 1990, 1995, QStringLiteral("1991 1992 1993 1994")}, // 17
    {QStringLiteral("Ford Escort Cabrio"), 1994, kNone,
     QStringLiteral("1995 1996 1997 1998 1999")},                                            // 18
    {QStringLiteral("Ford Focus"), kNone, kNone, QStringLiteral("1998 1999")},               // 19
    {QStringLiteral("Ford Orion"), 1982, 1987, QStringLiteral("1983 1984 1985 1986")},       // 20
    {QStringLiteral("Ford Orion"), 1985, 1991, QStringLiteral("1986 1987 1988 1989 1990")},  // 21
    {QStringLiteral("Ford Orion"), 1990, 1996, QStringLiteral("1991 1992 1993 1994 1995")},  // 22
    {QStringLiteral("Ford Taunus"), kNone, kNone, QStringLiteral("1980 1981 1982")},         // 23
    {QStringLiteral("Ford Taunus Kombi"), kNone, kNone, QStringLiteral("1980 1981 1982")},   // 24
    {QStringLiteral("Ford Sierra"), 1981, 1987, QStringLiteral("1982 1983 1984 1985 1986")}, // 25
    {QStringLiteral("Ford Sierra II"), 1985, 1994,
     QStringLiteral("1986 1987 1988 1989 1990 1991 1992 1993")}, // 26
    {QStringLiteral("Ford Sierra Kombi"), 1981, 1987,
     QStringLiteral("1982 1983 1984 1985 1986")}, // 27
    {QStringLiteral("Ford Sierra II Kombi"), 1985, 1994,
     QStringLiteral("1986 1987 1988 1989 1990 1991 1992 1993")},                               // 28
    {QStringLiteral("Ford Mondeo"), 1992, 1997, QStringLiteral("1993 1994 1995 1996")},        // 29
    {QStringLiteral("Ford Mondeo"), 1995, kNone, QStringLiteral("1996 1997 1998 1999")},       // 30
    {QStringLiteral("Ford Mondeo Kombi"), 1992, 1997, QStringLiteral("1993 1994 1995 1996")},  // 31
    {QStringLiteral("Ford Mondeo Kombi"), 1995, kNone, QStringLiteral("1996 1997 1998 1999")}, // 32
    {QStringLiteral("Ford Granada Kombi"), kNone, kNone,
     QStringLiteral("1980 1981 1982 1983 1984 1985")}, // 33
    {QStringLiteral("Ford Scorpio"), 1984, 1993,
     QStringLiteral("1985 1986 1987 1988 1989 1990 1991 1992")},                               // 34
    {QStringLiteral("Ford Scorpio"), 1991, 1996, QStringLiteral("1992 1993 1994 1995")},       // 35
    {QStringLiteral("Ford Scorpio"), 1994, kNone, QStringLiteral("1995 1996 1997 1998")},      // 36
    {QStringLiteral("Ford Scorpio Kombi"), 1991, 1996, QStringLiteral("1992 1993 1994 1995")}, // 37
    {QStringLiteral("Ford Scorpio Kombi"), 1994, kNone,
     QStringLiteral("1995 1996 1997 1998")}, // 38
    {QStringLiteral("Ford Probe I"), kNone, kNone,
     QStringLiteral("1990 1991 1992 1993 1994")}, // 39
    {QStringLiteral("Ford Probe II 16 V"), kNone, kNone,
     QStringLiteral("1994 1995 1996 1997 1998")}, // 40
    {QStringLiteral("Ford Probe II 24 V"), kNone, kNone,
     QStringLiteral("1994 1995 1996 1997 1998")},                                              // 41
    {QStringLiteral("Ford Galaxy"), kNone, kNone, QStringLiteral("1995 1996 1997 1998 1999")}, // 42
    {QStringLiteral("Ford Windstar"), kNone, kNone,
     QStringLiteral("1995 1996 1997 1998 1999")}, // 43
    {QStringLiteral("Ford Explorer"), kNone, kNone,
     QStringLiteral("1993 1994 1995 1996 1997 1998 1999")}, // 44
}};

// The whole production span of each model, shown when the user picks it.
const std::array<SelectionPeriodRow, 26> kSelectionPeriods{{
    {QStringLiteral("Ford Ka"), QStringLiteral("1996 1997 1998 1999")},
    {QStringLiteral("Ford Fiesta"),
     QStringLiteral("1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 "
                    "1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Puma"), QStringLiteral("1997 1998 1999")},
    {QStringLiteral("Ford Escort"),
     QStringLiteral("1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 "
                    "1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Escort Kombi"),
     QStringLiteral("1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 "
                    "1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Escort Cabrio"),
     QStringLiteral(
         "1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Focus"), QStringLiteral("1998 1999")},
    {QStringLiteral("Ford Orion"),
     QStringLiteral("1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993")},
    {QStringLiteral("Ford Taunus"), QStringLiteral("1980 1981 1982")},
    {QStringLiteral("Ford Taunus Kombi"), QStringLiteral("1980 1981 1982")},
    {QStringLiteral("Ford Sierra"), QStringLiteral("1982 1983 1984 1985 1986")},
    {QStringLiteral("Ford Sierra II"), QStringLiteral("1987 1988 1989 1990 1991 1992 1993")},
    {QStringLiteral("Ford Sierra Kombi"),
     QStringLiteral("1982 1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993")},
    {QStringLiteral("Ford Sierra II Kombi"), QStringLiteral("1987 1988 1989 1990 1991 1992 1993")},
    {QStringLiteral("Ford Mondeo"), QStringLiteral("1993 1994 1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Mondeo Kombi"), QStringLiteral("1993 1994 1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Granada"), QStringLiteral("1980 1981 1982 1983 1984 1985")},
    {QStringLiteral("Ford Granada Kombi"), QStringLiteral("1980 1981 1982 1983 1984 1985")},
    {QStringLiteral("Ford Scorpio"),
     QStringLiteral("1985 1986 1987 1988 1989 1990 1991 1992 1993 1994 1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Scorpio Kombi"),
     QStringLiteral("1992 1993 1994 1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Probe I"), QStringLiteral("1990 1991 1992 1993 1994")},
    {QStringLiteral("Ford Probe II 16 V"), QStringLiteral("1994 1995 1996 1997 1998")},
    {QStringLiteral("Ford Probe II 24 V"), QStringLiteral("1994 1995 1996 1997 1998")},
    {QStringLiteral("Ford Galaxy"), QStringLiteral("1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Windstar"), QStringLiteral("1995 1996 1997 1998 1999")},
    {QStringLiteral("Ford Explorer"), QStringLiteral("1993 1994 1995 1996 1997 1998 1999")},
}};

} // namespace

std::span<const DecodingPeriodRow> decodingPeriodRows()
{
    return kDecodingPeriods;
}

std::span<const SelectionPeriodRow> selectionPeriodRows()
{
    return kSelectionPeriods;
}

} // namespace karoskop
