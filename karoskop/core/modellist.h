#pragma once

#include <QString>

namespace karoskop {

struct DecodingContext;

// The model's production years for the first listed model and the
// production year, as a decoding run sets them. A production year that is
// not a whole number matches no row with a year condition.
void applyDecodingPeriods(DecodingContext& context);

// The user picked chosenModel in the model list: the year code and the
// serial number are applied again and the model's whole production span is
// shown. Type and engine keep the texts of the last matching model rule.
void lista1Change(DecodingContext& context, const QString& chosenModel);

} // namespace karoskop
