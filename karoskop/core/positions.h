#pragma once

#include "karoskop/core/decodingcontext.h"

#include <array>
#include <string_view>

namespace karoskop {

// The character at VIN position 1..17, or 0 when that position does not
// hold exactly one character (such a position matches no table row).
inline char16_t vinChar(const Vin& vin, int position)
{
    const QString& text = vin[static_cast<std::size_t>(position - 1)];
    return text.size() == 1 ? text.front().unicode() : char16_t{0};
}

inline char16_t vinChar(const DecodingContext& context, int position)
{
    return vinChar(context.vin, position);
}

// Whether a step may look at a position: always in a normal run, only the
// ticked ones while decoding from the positions the user chose.
inline bool positionUsed(const DecodingContext& context, int position)
{
    return context.emergencyPositions == nullptr ||
           (*context.emergencyPositions)[static_cast<std::size_t>(position - 1)];
}

// The texts of positions first..last of vin joined.
QString joinedPositions(const Vin& vin, int first, int last);

// Whether c is one of the ASCII characters of set.
inline bool oneOf(std::string_view set, char16_t c)
{
    for (const char s : set) {
        if (static_cast<char16_t>(s) == c) {
            return true;
        }
    }
    return false;
}

// The characters of a number and which positions may be read, taken once
// for a step that tests many rows against them.
class PositionChars final
{
public:
    explicit PositionChars(const DecodingContext& context);

    // As vinChar: 0 where the position is not one character.
    char16_t at(int position) const { return chars_[static_cast<std::size_t>(position)]; }
    bool used(int position) const { return m_used[static_cast<std::size_t>(position)]; }

private:
    std::array<char16_t, kVinLength + 1> chars_{}; // index 0 unused
    std::array<bool, kVinLength + 1> m_used{};
};

} // namespace karoskop
