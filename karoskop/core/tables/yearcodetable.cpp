#include "karoskop/core/tables/yearcodetable.h"

#include <array>

namespace karoskop {

namespace {

// The letters I, O, Q, U and Z have no row. The years are kept as texts.
const std::array<YearCodeRow, 21> kYearCodes{{
    {u'A', QStringLiteral("1980"), QStringLiteral("1979")},
    {u'B', QStringLiteral("1981"), QStringLiteral("1980")},
    {u'C', QStringLiteral("1982"), QStringLiteral("1981")},
    {u'D', QStringLiteral("1983"), QStringLiteral("1982")},
    {u'E', QStringLiteral("1984"), QStringLiteral("1983")},
    {u'F', QStringLiteral("1985"), QStringLiteral("1984")},
    {u'G', QStringLiteral("1986"), QStringLiteral("1985")},
    {u'H', QStringLiteral("1987"), QStringLiteral("1986")},
    {u'J', QStringLiteral("1988"), QStringLiteral("1987")},
    {u'K', QStringLiteral("1989"), QStringLiteral("1988")},
    {u'L', QStringLiteral("1990"), QStringLiteral("1989")},
    {u'M', QStringLiteral("1991"), QStringLiteral("1990")},
    {u'N', QStringLiteral("1992"), QStringLiteral("1991")},
    {u'P', QStringLiteral("1993"), QStringLiteral("1992")},
    {u'R', QStringLiteral("1994"), QStringLiteral("1993")},
    {u'S', QStringLiteral("1995"), QStringLiteral("1994")},
    {u'T', QStringLiteral("1996"), QStringLiteral("1995")},
    {u'V', QStringLiteral("1997"), QStringLiteral("1996")},
    {u'W', QStringLiteral("1998"), QStringLiteral("1997")},
    {u'X', QStringLiteral("1999"), QStringLiteral("1998")},
    {u'Y', QStringLiteral("2000"), QStringLiteral("1999")},
}};

} // namespace

std::span<const YearCodeRow> yearCodeRows()
{
    return kYearCodes;
}

} // namespace karoskop
