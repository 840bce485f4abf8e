#pragma once

#include <QString>
#include <span>
#include <string_view>

namespace karoskop {

// One row of the world-manufacturer table, keyed by VIN positions 1 to 3.
// Each key lists the characters it accepts at its position (an empty key
// accepts anything). A null text leaves its field as it was, so a row may
// settle region and country while a later row names the make.
struct WorldManufacturerRow
{
    std::string_view position1;
    std::string_view position2;
    std::string_view position3;
    QString region;
    QString country;
    QString make;
};

// The make of Ford of Europe, the one make whose numbers the decoder reads
// beyond positions 1 to 3 by its own tables.
QString fordMake();

// The rows in the order they are applied; where two rows match, the later
// one stands.
std::span<const WorldManufacturerRow> worldManufacturerRows();

} // namespace karoskop
