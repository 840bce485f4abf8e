#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace karoskop {

// "=": the maker does not encode the item, or no table gave a value. A make
// of "=" after a run means positions 1-3 named no manufacturer.
inline const QString& notEncodedText()
{
    static const QString text = QStringLiteral("=");
    return text;
}

// The comment line that says what "=" stands for (with its trailing blank).
const QString& placeholderComment();

// The decoded description of one vehicle: the values of the result window.
// Default-constructed, it holds the start values of a decoding run.
struct VehicleDescription
{
    QString fullVin = notEncodedText();         // Label0
    QString region = notEncodedText();          // Label1
    QString country = notEncodedText();         // Label2
    QString make = notEncodedText();            // Label3
    QString type = notEncodedText();            // Label4
    QString productionYear;                     // Label5
    QString modelYear;                          // Label6
    QString productionMonth = notEncodedText(); // Label7
    QString plant = notEncodedText();           // Label8
    QString body = notEncodedText();            // Label9
    QString engine = notEncodedText();          // Label10
    QString gearbox = notEncodedText();         // Label11
    QString modelYears = notEncodedText();      // Label12
    QString serial = notEncodedText();          // Label13
    std::array<QString, 3> comments;            // Label140, Label150, Label160
    QStringList models;                         // Lista1, in the order added
    bool yearErrorShown = false;                // the "Błąd w roczniku" marker

    // Every field empty, as the main window leaves them before it offers
    // emergency decoding.
    static VehicleDescription emptied();

    bool operator==(const VehicleDescription&) const = default;
};

} // namespace karoskop
