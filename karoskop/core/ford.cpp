// The Ford of Europe tables: plant, body, month, model list and comments.
#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/modellist.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/tables/fordtables.h"
#include "karoskop/core/yearcode.h"

namespace karoskop {

namespace {

const QString kGearbox = QStringLiteral("producent nie określa");
const QString kComment1 =
    QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta.");
const QString kComment2 = QStringLiteral("Numer identyfikacyjny musi być ograniczony gwiazdkami.");
const QString kComment3 =
    QStringLiteral("Bieżący numer seryjny w każdym roku modelowym zaczyna się od 00001. ");

void applyPositionRows(const PositionChars& vin, std::span<const PositionRow> rows, QString& field)
{
    for (const PositionRow& row : rows) {
        if (vin.used(row.position) && vin.at(row.position) == row.code) {
            field = row.text;
        }
    }
}

void applyMonth(const PositionChars& vin, QString& month)
{
    if (!vin.used(11) || !vin.used(12)) {
        return;
    }
    const char16_t yearLetter = vin.at(11);
    int group = -1;
    for (const MonthGroupRow& row : fordMonthGroupRows()) {
        if (oneOf(row.yearLetters, yearLetter)) {
            group = row.group;
        }
    }
    if (group < 0) {
        return;
    }
    const char16_t code = vin.at(12);
    for (const MonthRow& row : fordMonthRows()) {
        if (row.codeInGroup[static_cast<std::size_t>(group)] == code) {
            month = row.month;
        }
    }
}

// A rule fits when each position it tests holds one of its characters. In
// an emergency decoding an unticked position is not tested, and a rule fits
// only when it tests at least one ticked position: otherwise every number
// would fit it.
bool fits(const ModelRule& rule, const PositionChars& vin, bool emergency)
{
    bool testedAny = false;
    for (const PositionTest& test : rule.tests) {
        if (test.position == 0 || !vin.used(test.position)) {
            continue;
        }
        if (!oneOf(test.allowed, vin.at(test.position))) {
            return false;
        }
        testedAny = true;
    }
    return testedAny || !emergency;
}

void applyModelRules(const PositionChars& vin, bool emergency, VehicleDescription& d)
{
    for (const ModelRule& rule : fordModelRules()) {
        if (!fits(rule, vin, emergency)) {
            continue;
        }
        for (const QString& entry : rule.entries) {
            // Many rules fit a few ticked positions; each model is listed once.
            if (!emergency || !d.models.contains(entry)) {
                d.models.append(entry);
            }
        }
        d.type = rule.type;
        d.engine = rule.fuel;
    }
}

// A normal run empties the Ford fields; decoding from ticked positions marks
// what they cannot give with "=".
void reset(VehicleDescription& d, bool emergency)
{
    const QString unset = emergency ? notEncodedText() : QString();
    d.models.clear();
    for (QString* field :
         {&d.type, &d.productionMonth, &d.plant, &d.body, &d.modelYears, &d.serial}) {
        *field = unset;
    }
    for (QString& line : d.comments) {
        line.clear();
    }
    d.gearbox = kGearbox; // the engine keeps its "=" unless a model rule sets it
    d.yearErrorShown = false;
}

// Without a maker the year code is only read when position 11 is ticked,
// and the statement follows from it here.
void emergencyYear(DecodingContext& context)
{
    rozkodujRocznik(context);
    VehicleDescription& d = context.description;
    if (!d.productionYear.isEmpty()) {
        context.yearCopy = d.productionYear;
        d.modelYear = modelYearPeriodText(context);
    }
}

} // namespace

void rozkodujForda(DecodingContext& context)
{
    VehicleDescription& d = context.description;
    const bool emergency = context.emergencyPositions != nullptr;
    reset(d, emergency);
    if (emergency) {
        emergencyYear(context);
    }
    const PositionChars vin(context);
    applyPositionRows(vin, fordPlantRows(), d.plant);
    applyPositionRows(vin, fordBodyRows(), d.body);
    applyMonth(vin, d.productionMonth);
    applyModelRules(vin, emergency, d);
    applyDecodingPeriods(context);
    d.comments = {kComment1, kComment2, kComment3};
}

} // namespace karoskop
