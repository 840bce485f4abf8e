#pragma once

#include "karoskop/core/vehicledescription.h"

#include <QString>
#include <array>
#include <span>

namespace karoskop {

// One field of a vehicle description with every name it goes by: the
// result window shows it under caption in the label named field, the
// printout under printCaption in the element named field, the batch output
// under jsonKey and, as a CSV heading, under caption without its colon.
// The texts are UTF-8.
struct DescriptionRow
{
    const char* field;
    const char* caption;
    const char* printCaption; // none: printed without a caption of its own
    const char* jsonKey;
    QString VehicleDescription::*value;
};

// The description's text fields in the order every output gives them: the
// full number first, then the rows of the result window from the top.
inline constexpr std::array<DescriptionRow, 14> kDescriptionRows{{
    {"Label0", "Pełny numer nadwozia :", nullptr, "full_vin", &VehicleDescription::fullVin},
    {"Label1", "Strefa geograficzna", "Region geograficzny", "region", &VehicleDescription::region},
    {"Label2", "Kraj producenta", "Kraj pochodzenia", "country", &VehicleDescription::country},
    {"Label3", "Marka pojazdu", "Marka pojazdu", "make", &VehicleDescription::make},
    {"Label4", "Typ pojazdu", "Model i typ pojazdu", "type", &VehicleDescription::type},
    {"Label5", "Rok produkcji", "Rok produkcji", "production_year",
     &VehicleDescription::productionYear},
    {"Label6", "Rok modelowy", "Rok modelowy", "model_year", &VehicleDescription::modelYear},
    {"Label7", "Miesiąc produkcji", "Miesiąc produkcji", "production_month",
     &VehicleDescription::productionMonth},
    {"Label8", "Lokalizacja fabryki", "Lokalizacja fabryki", "plant", &VehicleDescription::plant},
    {"Label9", "Typ nadwozia", "Rodzaj nadwozia", "body", &VehicleDescription::body},
    {"Label10", "Typ silnika", "Rodzaj silnika", "engine", &VehicleDescription::engine},
    {"Label11", "Typ skrzyni biegów", "Rodzaj skrzyni biegów", "gearbox",
     &VehicleDescription::gearbox},
    {"Label12", "Lata produkcji modelu", "Okres produkcji modelu", "model_years",
     &VehicleDescription::modelYears},
    {"Label13", "Numer seryjny", "Numer seryjny", "serial", &VehicleDescription::serial},
}};

// The rows under the full number: the result window's Label1 .. Label13,
// the printout's captioned rows.
inline constexpr auto kListedRows = std::span(kDescriptionRows).subspan<1>();

// The captions of the comment lines and of the vehicle-type list.
inline constexpr const char* kCommentsCaption = "Komentarze :";
inline constexpr const char* kModelListCaption =
    "Lista typów pojazdów spełniających zadane kryteria";

} // namespace karoskop
