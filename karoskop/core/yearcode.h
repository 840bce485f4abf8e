#pragma once

#include <QString>

namespace karoskop {

struct DecodingContext;

// The "Rok modelowy" text for a recognised year: the September-to-August
// period from the start-year text to the year copy.
QString modelYearPeriodText(const DecodingContext& context);

// The last step of a run: a production year that is still empty (or one or
// two blanks) turns both year fields into "brak danych".
void finalYearCheck(DecodingContext& context);

} // namespace karoskop
