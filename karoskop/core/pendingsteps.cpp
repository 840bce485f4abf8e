// Steps whose tables are not in yet; each leaves the description unchanged.
#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/steps.h"

namespace karoskop {

void rozkodujRocznik(DecodingContext& /*context*/) {}
void modelYearStatement(DecodingContext& /*context*/) {}
void romanianMakes(DecodingContext& /*context*/) {}
void rozkodujForda(DecodingContext& /*context*/) {}
void numerSeryjny(DecodingContext& /*context*/) {}

} // namespace karoskop
