#pragma once

#include <QString>
#include <span>

namespace karoskop {

// One vehicle family of the Romanian makes, chosen by VIN position 3.
struct RomanianRow
{
    char16_t code;
    QString type;
    QString plant;
    QString body;
    QString engine;
    QString gearbox;
    QString modelYears;
};

std::span<const RomanianRow> romanianRows();

// The makes whose VIN ends in a serial number (positions 13 to 17).
std::span<const QString> serialNumberMakes();

} // namespace karoskop
