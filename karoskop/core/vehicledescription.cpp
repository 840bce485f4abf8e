#include "karoskop/core/vehicledescription.h"

namespace karoskop {

const QString& placeholderComment()
{
    static const QString text =
        QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta. ");
    return text;
}

VehicleDescription VehicleDescription::emptied()
{
    VehicleDescription d;
    for (QString* field :
         {&d.fullVin, &d.region, &d.country, &d.make, &d.type, &d.productionYear, &d.modelYear,
          &d.productionMonth, &d.plant, &d.body, &d.engine, &d.gearbox, &d.modelYears, &d.serial}) {
        field->clear();
    }
    for (QString& line : d.comments) {
        line.clear();
    }
    return d;
}

} // namespace karoskop
