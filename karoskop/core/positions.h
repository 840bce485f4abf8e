#pragma once

#include "karoskop/core/decodingcontext.h"

#include <string_view>

namespace karoskop {

// The character at VIN position 1..17, or 0 when that position does not
// hold exactly one character (such a position matches no table row).
inline char16_t vinChar(const DecodingContext& context, int position)
{
    const QString& text = context.at(position);
    return text.size() == 1 ? text.front().unicode() : char16_t{0};
}

// Whether a step may look at a position: always in a normal run, only the
// ticked ones while decoding from the positions the user chose.
inline bool positionUsed(const DecodingContext& context, int position)
{
    return context.emergencyPositions == nullptr ||
           (*context.emergencyPositions)[static_cast<std::size_t>(position - 1)];
}

// Whether c is one of the ASCII characters of set.
inline bool oneOf(std::string_view set, char16_t c)
{
    return c != 0 && c < 0x80 && set.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace karoskop
