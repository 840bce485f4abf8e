#pragma once

#include "karoskop/core/vin.h"

#include <optional>

namespace karoskop {

// Whether a number comes from a North American maker: its world
// manufacturer code starts with a digit from 1 to 5.
bool northAmericanMaker(const Vin& number);

// The character position 9 holds by the North American rule (0 to 9, or X
// for a remainder of ten), or none when a position other than 9 holds a
// character the rule gives no value (I, O, Q, anything not a letter or
// digit, or not exactly one character).
std::optional<char16_t> expectedCheckDigit(const Vin& number);

// For a North American maker's number: whether position 9 holds the check
// digit the rule gives; none for the numbers of every other maker.
std::optional<bool> checkDigitMatches(const Vin& number);

} // namespace karoskop
