#include "karoskop/core/positions.h"

namespace karoskop {

PositionChars::PositionChars(const DecodingContext& context)
{
    for (int position = 1; position <= kVinLength; ++position) {
        chars_[static_cast<std::size_t>(position)] = vinChar(context, position);
        used_[static_cast<std::size_t>(position)] = positionUsed(context, position);
    }
}

} // namespace karoskop
