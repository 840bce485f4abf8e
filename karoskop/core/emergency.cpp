#include "karoskop/core/emergency.h"

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/yearcode.h"

namespace karoskop {
namespace {

constexpr int kFirstAlwaysUsed = 12;
constexpr int kLastNeverUsed = 3;

void joinFullVin(DecodingContext& context)
{
    QString full;
    for (const QString& position : context.vin) {
        full += position;
    }
    context.description.fullVin = full;
}

// As after any run: a description naming neither type, body nor engine says
// what "=" stands for.
void explainPlaceholder(VehicleDescription& d)
{
    static const QString kNotEncoded = QStringLiteral("=");
    if (d.type == kNotEncoded && d.body == kNotEncoded && d.engine == kNotEncoded) {
        d.comments = {QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana "
                                     "przez producenta. "),
                      QString(), QString()};
    }
}

} // namespace

PositionMask EmergencyDecoding::usable(const PositionMask& ticked)
{
    PositionMask used = ticked;
    for (int position = 1; position <= kVinLength; ++position) {
        auto& flag = used[static_cast<std::size_t>(position - 1)];
        if (position <= kLastNeverUsed) {
            flag = false;
        } else if (position >= kFirstAlwaysUsed) {
            flag = true;
        }
    }
    return used;
}

void EmergencyDecoding::decode(DecodingContext& context, const PositionMask& ticked)
{
    m_positions = usable(ticked);
    context.description = VehicleDescription{};
    context.emergencyPositions = &m_positions;
    context.yearCopy.clear();
    context.makeCopy = context.description.make;
    try {
        rozkodujForda(context);
        joinFullVin(context);
        numerSeryjny(context);
        explainPlaceholder(context.description);
        finalYearCheck(context);
        numerSeryjny(context);
    } catch (...) {
        // A failing step ends the run; what was decoded so far stays.
    }
}

} // namespace karoskop
