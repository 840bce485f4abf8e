#pragma once

#include "karoskop/core/vin.h"

#include <QString>

namespace karoskop {

struct DecodingContext;
struct DecodingSession;

// The session a normal run on number leaves behind: a run that reads a
// known year code sets the start year, any other run keeps it. Lets a
// second decoder start where a first one's lines leave the session.
DecodingSession sessionAfter(DecodingSession before, const Vin& number);

// The model-year text for a recognised year: the September-to-August
// period from the start-year text to the year copy.
QString modelYearPeriodText(const DecodingContext& context);

// The last step of a run: a production year that is still empty (or one or
// two blanks) turns both year fields into "brak danych".
void finalYearCheck(DecodingContext& context);

} // namespace karoskop
