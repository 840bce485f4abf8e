// The year code at position 11 and the "Rok modelowy" statement.
#include "karoskop/core/yearcode.h"

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/tables/yearcodetable.h"

namespace karoskop {

namespace {

const QString kFord = QStringLiteral("Ford");
const QString kNotDisclosedYear = QStringLiteral("Brak danych o roku produkcji");
const QString kTradeSecret = QStringLiteral("Tajemnica handlowa firmy ");
const QString kNoData = QStringLiteral("brak danych");

// Code letters with which a maker says it does not disclose the year.
constexpr std::string_view kUndisclosedCodes = "OUZ";

bool isRomanian(const DecodingContext& context)
{
    return vinChar(context, 1) == u'U' || vinChar(context, 2) == u'U';
}

} // namespace

void rozkodujRocznik(DecodingContext& context)
{
    if (context.emergencyPositions != nullptr) {
        // Positions 1 to 3 named no maker: the code counts once it is ticked.
        if (!positionUsed(context, 11)) {
            return;
        }
    } else if (vinChar(context, 1) != u'W' || vinChar(context, 2) != u'F') {
        return;
    }
    const char16_t code = vinChar(context, 11);
    for (const YearCodeRow& row : yearCodeRows()) {
        if (row.code == code) {
            context.description.productionYear = row.productionYear;
            if (context.session != nullptr) {
                context.session->startYear = row.startYear;
            }
        }
    }
}

QString modelYearPeriodText(const DecodingContext& context)
{
    static const QString kFrom = QStringLiteral("model wyprodukowany w okresie: 09.");
    static const QString kTo = QStringLiteral(" - 08.");
    const QString startYear = context.session != nullptr ? context.session->startYear : QString();
    QString text;
    text.reserve(kFrom.size() + startYear.size() + kTo.size() + context.yearCopy.size());
    text.append(kFrom).append(startYear).append(kTo).append(context.yearCopy);
    return text;
}

void modelYearStatement(DecodingContext& context)
{
    if (isRomanian(context)) {
        return; // the Romanian-make step writes the statement for these
    }
    VehicleDescription& d = context.description;
    const char16_t code = vinChar(context, d.make == kFord ? 11 : 10);
    if (oneOf(kUndisclosedCodes, code)) {
        d.productionYear = kNotDisclosedYear;
        d.modelYear = kTradeSecret + context.makeCopy;
    } else {
        d.modelYear = modelYearPeriodText(context);
    }
}

void finalYearCheck(DecodingContext& context)
{
    VehicleDescription& d = context.description;
    const QString& year = d.productionYear;
    if (year.isEmpty() || year == QLatin1StringView(" ") || year == QLatin1StringView("  ")) {
        d.productionYear = kNoData;
        d.modelYear = kNoData;
    }
}

} // namespace karoskop
