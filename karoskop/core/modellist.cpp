#include "karoskop/core/modellist.h"

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/tables/periodtables.h"

#include <optional>

namespace karoskop {

namespace {

// The production year as a whole number, read once when first needed.
class ProductionYear final
{
public:
    explicit ProductionYear(const QString& text) : m_text(text) {}

    std::optional<int> value()
    {
        if (!m_read) {
            m_read = true;
            bool ok = false;
            const int year = m_text.toInt(&ok);
            if (ok) {
                m_value = year;
            }
        }
        return m_value;
    }

private:
    const QString& m_text;
    bool m_read = false;
    std::optional<int> m_value;
};

bool holds(const DecodingPeriodRow& row, ProductionYear& year)
{
    if (!row.hasYearCondition()) {
        return true;
    }
    const std::optional<int> y = year.value();
    if (!y) {
        return false;
    }
    return (!row.after || *y > *row.after) && (!row.before || *y < *row.before);
}

} // namespace

void applyDecodingPeriods(DecodingContext& context)
{
    VehicleDescription& d = context.description;
    if (d.models.isEmpty()) {
        return;
    }
    const QString& selected = d.models.front();
    ProductionYear year(d.productionYear);
    for (const DecodingPeriodRow& row : decodingPeriodRows()) {
        if (row.model == selected && holds(row, year)) {
            d.modelYears = row.years;
        }
    }
}

void lista1Change(DecodingContext& context, const QString& chosenModel)
{
    rozkodujRocznik(context);
    numerSeryjny(context);
    for (const SelectionPeriodRow& row : selectionPeriodRows()) {
        if (row.model == chosenModel) {
            context.description.modelYears = row.years;
        }
    }
}

} // namespace karoskop
