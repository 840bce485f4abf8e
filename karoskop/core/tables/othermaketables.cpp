#include "karoskop/core/tables/othermaketables.h"

#include <array>

namespace karoskop {

namespace {

const QString kManual = QStringLiteral("manualna");
const QString kPetrol = QStringLiteral("benzyna");

// In order: Dacia, Oltcit, Aro.
const std::array<RomanianRow, 3> kRomanianRows{{
    {u'1', QStringLiteral("1310 / 1410"), QStringLiteral("Pitesti / Rumunia"),
     QStringLiteral("5-drzwiowe"), kPetrol, kManual, QStringLiteral("1980 - 1998")},
    {u'2', QStringLiteral("Club 11RL / 12 TRS"), QStringLiteral("Craiova / Rumunia"),
     QStringLiteral("2-drzwiowe"), kPetrol, kManual, QStringLiteral("1982 - 1996")},
    {u'3', QStringLiteral("terenowy"), QStringLiteral("Cimpulung"), QStringLiteral("2-drzwiowe"),
     QStringLiteral("benzyna / diesel"), kManual, QStringLiteral("1980 - 1998")},
}};

const std::array<QString, 7> kSerialNumberMakes{
    QStringLiteral("Dacia"),          QStringLiteral("Oltcit"),   QStringLiteral("Aro"),
    QStringLiteral("Ford"),           QStringLiteral("Ford USA"), QStringLiteral("Mitsubishi"),
    QStringLiteral("Mitsubishi USA"),
};

} // namespace

std::span<const RomanianRow> romanianRows()
{
    return kRomanianRows;
}

std::span<const QString> serialNumberMakes()
{
    return kSerialNumberMakes;
}

} // namespace karoskop
