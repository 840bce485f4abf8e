#pragma once

#include <QString>
#include <array>

namespace karoskop {

inline constexpr int kVinLength = 17;

// The seventeen positions of a VIN, each a text of (normally) one
// character; index 0 holds position 1.
using Vin = std::array<QString, kVinLength>;

// Which positions a decoding may use; index 0 is position 1.
using PositionMask = std::array<bool, kVinLength>;

} // namespace karoskop
