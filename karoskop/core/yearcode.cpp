// The year code at position 11 and the model-year statement.
#include "karoskop/core/yearcode.h"

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/tables/yearcodetable.h"
#include "karoskop/core/worldmanufacturer.h"

#include <algorithm>
#include <array>

namespace karoskop {

namespace {

const QString kNotDisclosedYear = QStringLiteral("Brak danych o roku produkcji");
const QString kTradeSecret = QStringLiteral("Tajemnica handlowa firmy ");
const QString kNoData = QStringLiteral("brak danych");

// Code letters with which a maker says it does not disclose the year.
constexpr std::string_view kUndisclosedCodes = "OUZ";

// Outside an emergency decoding only Ford of Europe numbers are read for
// the year code.
bool readsYearCode(const Vin& number)
{
    return vinChar(number, 1) == u'W' && vinChar(number, 2) == u'F';
}

// The row of a year code: the last that holds it, or none.
const YearCodeRow* yearCodeRow(char16_t code)
{
    const YearCodeRow* found = nullptr;
    for (const YearCodeRow& row : yearCodeRows()) {
        if (row.code == code) {
            found = &row;
        }
    }
    return found;
}

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
    } else if (!readsYearCode(context.vin)) {
        return;
    }
    if (const YearCodeRow* row = yearCodeRow(vinChar(context, 11))) {
        context.description.productionYear = row->productionYear;
        if (context.session != nullptr) {
            context.session->startYear = row->startYear;
        }
    }
}

DecodingSession sessionAfter(DecodingSession before, const Vin& number)
{
    if (readsYearCode(number)) {
        if (const YearCodeRow* row = yearCodeRow(vinChar(number, 11))) {
            before.startYear = row->startYear;
        }
    }
    return before;
}

QString modelYearPeriodText(const DecodingContext& context)
{
    static const QString kFrom = QStringLiteral("model wyprodukowany w okresie: 09.");
    static const QString kTo = QStringLiteral(" - 08.");
    const QString startYear = context.session != nullptr ? context.session->startYear : QString();
    const std::array<QStringView, 4> pieces{kFrom, startYear, kTo, context.yearCopy};
    qsizetype length = 0;
    for (const QStringView piece : pieces) {
        length += piece.size();
    }
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QStringView piece : pieces) {
        out = std::copy_n(piece.data(), piece.size(), out);
    }
    return text;
}

void modelYearStatement(DecodingContext& context)
{
    if (isRomanian(context)) {
        return; // the Romanian-make step writes the statement for these
    }
    VehicleDescription& d = context.description;
    const char16_t code = vinChar(context, d.make == fordMake() ? 11 : 10);
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
