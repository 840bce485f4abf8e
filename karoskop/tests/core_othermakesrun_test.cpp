// Whole decoding runs of the makes beside Ford of Europe: the manufacturer
// rows that reach the Romanian table and the serial number.
#include "karoskop/core/decoder.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

namespace karoskop {
namespace {

struct MakeCase
{
    const char* number;
    const char* region;
    const char* country;
    const char* make;
    const char* serial;
};

TEST(OtherMakesRun, ManufacturerRowsAndSerialNumber)
{
    const MakeCase cases[] = {
        {"UU1XXXXXXXXX12345", "Europa", "Rumunia", "Dacia", "12345"},
        {"UU2XXXXXXXXX23456", "Europa", "Rumunia", "Oltcit", "23456"},
        {"UU3XXXXXXXXX34567", "Europa", "Rumunia", "Aro", "34567"},
        {"1FAXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"1FBXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"1FCXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"1FDXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"1FMXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"1FTXXXXXXXXX45678", "Ameryka Północna", "USA", "Ford USA", "45678"},
        {"JA3XXXXXXXXX56789", "Azja", "Japonia", "Mitsubishi", "56789"},
        {"JA4XXXXXXXXX56789", "Azja", "Japonia", "Mitsubishi", "56789"},
        {"JMBXXXXXXXXX56789", "Azja", "Japonia", "Mitsubishi", "56789"},
        {"4A3XXXXXXXXX67890", "Ameryka Północna", "USA", "Mitsubishi USA", "67890"},
        {"4A4XXXXXXXXX67890", "Ameryka Północna", "USA", "Mitsubishi USA", "67890"},
        // Close to the rows but not on them.
        {"UU4XXXXXXXXX12345", "=", "=", "=", "="},
        {"U01XXXXXXXXX12345", "=", "=", "=", "="},
        {"1FEXXXXXXXXX12345", "=", "=", "=", "="},
        {"JA5XXXXXXXXX12345", "=", "=", "=", "="},
        {"JMAXXXXXXXXX12345", "=", "=", "=", "="},
        {"4B3XXXXXXXXX12345", "=", "=", "=", "="},
    };
    for (const MakeCase& c : cases) {
        Decoder decoder;
        Vin vin;
        for (int i = 0; i < kVinLength; ++i) {
            vin[static_cast<std::size_t>(i)] = QString(QLatin1Char(c.number[i]));
        }
        decoder.decode(vin);
        const VehicleDescription& d = decoder.description();
        EXPECT_EQ(d.region, QString::fromUtf8(c.region)) << c.number;
        EXPECT_EQ(d.country, QString::fromUtf8(c.country)) << c.number;
        EXPECT_EQ(d.make, QString::fromUtf8(c.make)) << c.number;
        EXPECT_EQ(d.serial, QString::fromUtf8(c.serial)) << c.number;
    }
}

TEST(OtherMakesRun, DaciaShowsItsRomanianRowAndNoYear)
{
    Decoder decoder;
    Vin vin;
    const QString number = QStringLiteral("UU1XXXXXXXXX12345");
    for (int i = 0; i < kVinLength; ++i) {
        vin[static_cast<std::size_t>(i)] = number.mid(i, 1);
    }
    decoder.decode(vin);
    const VehicleDescription& d = decoder.description();
    EXPECT_EQ(d.type, QStringLiteral("1310 / 1410"));
    EXPECT_EQ(d.plant, QStringLiteral("Pitesti / Rumunia"));
    EXPECT_EQ(d.gearbox, QStringLiteral("manualna"));
    EXPECT_EQ(d.productionYear, QStringLiteral("brak danych"));
    EXPECT_EQ(d.modelYear, QStringLiteral("brak danych"));
    EXPECT_EQ(d.productionMonth, QStringLiteral("="));
    EXPECT_EQ(d.fullVin, number);
}

} // namespace
} // namespace karoskop
