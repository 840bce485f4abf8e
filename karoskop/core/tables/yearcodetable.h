#pragma once

#include <QString>
#include <span>

namespace karoskop {

// One row of the year-code table: VIN position 11 gives the production year
// and the year before it, where the model-year period starts.
struct YearCodeRow
{
    char16_t code;
    QString productionYear;
    QString startYear;
};

std::span<const YearCodeRow> yearCodeRows();

} // namespace karoskop
