#pragma once

#include "karoskop/core/vin.h"

namespace karoskop {

struct DecodingContext;

// Decoding a number whose positions 1-3 name no maker: it is read as a Ford
// of Europe number from the positions the user ticked. Positions 1-3 are
// never used and 12-17 always, whatever the ticks say.
class EmergencyDecoding final
{
public:
    // Decodes the number in context again from its start values. The context
    // keeps pointing at the positions used, so that a later model choice reads
    // the same ones; this object must outlive that use.
    void decode(DecodingContext& context, const PositionMask& ticked);

    const PositionMask& positions() const { return m_positions; }

    // The ticks with positions 1-3 cleared and 12-17 set.
    static PositionMask usable(const PositionMask& ticked);

private:
    PositionMask m_positions{};
};

} // namespace karoskop
