#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace karoskop {

// The decoded description of one vehicle: the values of the result window.
// Default-constructed, it holds the start values of a decoding run.
struct VehicleDescription
{
    QString fullVin = QStringLiteral("=");         // Label0
    QString region = QStringLiteral("=");          // Label1
    QString country = QStringLiteral("=");         // Label2
    QString make = QStringLiteral("=");            // Label3
    QString type = QStringLiteral("=");            // Label4
    QString productionYear;                        // Label5
    QString modelYear;                             // Label6
    QString productionMonth = QStringLiteral("="); // Label7
    QString plant = QStringLiteral("=");           // Label8
    QString body = QStringLiteral("=");            // Label9
    QString engine = QStringLiteral("=");          // Label10
    QString gearbox = QStringLiteral("=");         // Label11
    QString modelYears = QStringLiteral("=");      // Label12
    QString serial = QStringLiteral("=");          // Label13
    std::array<QString, 3> comments;               // Label140, Label150, Label160
    QStringList models;                            // Lista1, in the order added
    bool yearErrorShown = false;                   // the "Błąd w roczniku" marker

    // Every field empty, as the main window leaves them before it offers
    // emergency decoding.
    static VehicleDescription emptied();

    bool operator==(const VehicleDescription&) const = default;
};

} // namespace karoskop
