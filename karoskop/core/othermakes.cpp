// The Romanian makes and the serial number.
#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/tables/othermaketables.h"
#include "karoskop/core/yearcode.h"

#include <algorithm>

namespace karoskop {

namespace {

constexpr int kFirstSerialPosition = 13;
constexpr int kSerialLength = kVinLength - kFirstSerialPosition + 1;

} // namespace

void romanianMakes(DecodingContext& context)
{
    if (vinChar(context, 1) != u'U' && vinChar(context, 2) != u'U') {
        return;
    }
    VehicleDescription& d = context.description;
    const char16_t code = vinChar(context, 3);
    for (const RomanianRow& row : romanianRows()) {
        if (row.code == code) {
            d.type = row.type;
            d.plant = row.plant;
            d.body = row.body;
            d.engine = row.engine;
            d.gearbox = row.gearbox;
            d.modelYears = row.modelYears;
        }
    }
    d.modelYear = modelYearPeriodText(context);
    d.comments = {placeholderComment(), QString(), QString()};
    d.yearErrorShown = false;
}

void numerSeryjny(DecodingContext& context)
{
    VehicleDescription& d = context.description;
    const auto makes = serialNumberMakes();
    // Decoding from ticked positions reads the number as a Ford's.
    if (context.emergencyPositions == nullptr &&
        std::find(makes.begin(), makes.end(), d.make) == makes.end()) {
        return;
    }
    // The number is read again after each run and each model choice; it
    // only changes with the number itself.
    bool same = d.serial.size() == kSerialLength;
    for (int i = 0; same && i < kSerialLength; ++i) {
        const QString& position = context.at(kFirstSerialPosition + i);
        same = position.size() == 1 && position.front() == d.serial[i];
    }
    if (same) {
        return;
    }
    d.serial = joinedPositions(context.vin, kFirstSerialPosition, kVinLength);
}

} // namespace karoskop
