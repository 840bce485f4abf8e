#pragma once

#include "karoskop/core/vehicledescription.h"
#include "karoskop/core/vin.h"

#include <QString>

namespace karoskop {

// What lives for the whole run of the program, across decoding runs.
struct DecodingSession
{
    QString startYear; // the year before the last recognised year code
};

// Everything one decoding run's steps read and write.
struct DecodingContext
{
    Vin vin;
    VehicleDescription description;
    DecodingSession* session = nullptr;
    QString yearCopy; // production year right after the manufacturer table
    QString makeCopy; // make right after the manufacturer table
    // Set while decoding from the positions the user ticked; empty otherwise.
    const PositionMask* emergencyPositions = nullptr;

    // The text of VIN position 1..17.
    const QString& at(int position) const { return vin[static_cast<std::size_t>(position - 1)]; }
};

} // namespace karoskop
