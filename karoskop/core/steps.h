#pragma once

namespace karoskop {

struct DecodingContext;

// The named steps of a decoding run, called by the run in a fixed order.
// Each leaves a field it cannot decode as it found it.

void applyWorldManufacturer(DecodingContext& context); // positions 1-3
void rozkodujRocznik(DecodingContext& context);        // year code, position 11
void modelYearStatement(DecodingContext& context);     // the model-year text
void romanianMakes(DecodingContext& context);          // V1 or V2 is "U"
void rozkodujForda(DecodingContext& context);          // Ford of Europe tables
void numerSeryjny(DecodingContext& context);           // serial number

} // namespace karoskop
