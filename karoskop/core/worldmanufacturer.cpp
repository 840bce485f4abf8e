// Region, country and make from VIN positions 1 to 3.
#include "karoskop/core/worldmanufacturer.h"

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"

#include <array>

namespace karoskop {

namespace {

const QString kEurope = QStringLiteral("Europa");
const QString kGermany = QStringLiteral("Niemcy / RFN");

// "0" and "O" are told apart in the number, but both spellings of these
// codes are in use, so both are listed.
const QString kRomania = QStringLiteral("Rumunia");
const QString kNorthAmerica = QStringLiteral("Ameryka Północna");
const QString kUsa = QStringLiteral("USA");
const QString kAsia = QStringLiteral("Azja");
const QString kJapan = QStringLiteral("Japonia");

} // namespace

QString fordMake()
{
    return QStringLiteral("Ford");
}

namespace {

const std::array<WorldManufacturerRow, 12> kRows{{
    {"W", "", "", kEurope, kGermany, QString()},
    {"W", "F", "0O", kEurope, kGermany, fordMake()},
    {"W", "F", "1", kEurope, kGermany, QStringLiteral("Merkur")},
    {"W", "0O", "L", kEurope, kGermany, QStringLiteral("Opel")},
    {"W", "0O", "4", kEurope, kGermany, QStringLiteral("WM Meyer")},
    // The Romanian makes, in the order of the Romanian-make table.
    {"U", "U", "1", kEurope, kRomania, QStringLiteral("Dacia")},
    {"U", "U", "2", kEurope, kRomania, QStringLiteral("Oltcit")},
    {"U", "U", "3", kEurope, kRomania, QStringLiteral("Aro")},
    {"1", "F", "ABCDMT", kNorthAmerica, kUsa, QStringLiteral("Ford USA")},
    {"J", "A", "34", kAsia, kJapan, QStringLiteral("Mitsubishi")},
    {"J", "M", "B", kAsia, kJapan, QStringLiteral("Mitsubishi")},
    {"4", "A", "34", kNorthAmerica, kUsa, QStringLiteral("Mitsubishi USA")},
}};

bool keyMatches(std::string_view key, const DecodingContext& context, int position)
{
    return key.empty() || oneOf(key, vinChar(context, position));
}

void setUnlessNull(QString& field, const QString& value)
{
    if (!value.isNull()) {
        field = value;
    }
}

} // namespace

std::span<const WorldManufacturerRow> worldManufacturerRows()
{
    return kRows;
}

void applyWorldManufacturer(DecodingContext& context)
{
    VehicleDescription& d = context.description;
    for (const WorldManufacturerRow& row : kRows) {
        if (keyMatches(row.position1, context, 1) && keyMatches(row.position2, context, 2) &&
            keyMatches(row.position3, context, 3)) {
            setUnlessNull(d.region, row.region);
            setUnlessNull(d.country, row.country);
            setUnlessNull(d.make, row.make);
        }
    }
}

} // namespace karoskop
