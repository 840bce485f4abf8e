#include "karoskop/core/decoder.h"

#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/modellist.h"
#include "karoskop/core/positions.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/worldmanufacturer.h"
#include "karoskop/core/yearcode.h"

#include <utility>

namespace karoskop {

namespace {

// Positions 1-3 never take part in an emergency decoding, 12-17 always do.
constexpr int kLastNeverUsed = 3;
constexpr int kFirstAlwaysUsed = 12;

bool isRomanian(const DecodingContext& context)
{
    return vinChar(context, 1) == u'U' || vinChar(context, 2) == u'U';
}

// A description that names neither type, body nor engine says what "="
// stands for.
void explainPlaceholder(VehicleDescription& d)
{
    const QString& notEncoded = notEncodedText();
    if (d.type == notEncoded && d.body == notEncoded && d.engine == notEncoded) {
        d.comments = {placeholderComment(), QString(), QString()};
    }
}

} // namespace

Decoder::Decoder()
{
    m_context.session = &m_session;
}

PositionMask Decoder::usablePositions(const PositionMask& ticked)
{
    PositionMask used = ticked;
    for (int position = 1; position <= kVinLength; ++position) {
        auto& flag = used[static_cast<std::size_t>(position - 1)];
        if (position <= kLastNeverUsed) {
            flag = false;
        } else if (position >= kFirstAlwaysUsed) {
            flag = true;
        }
    }
    return used;
}

bool Decoder::manufacturerKnown() const
{
    return m_context.description.make != notEncodedText();
}

VehicleDescription Decoder::takeDescription()
{
    VehicleDescription taken = std::move(m_context.description);
    return taken;
}

void Decoder::start()
{
    // Field by field, so that the number's positions are not rebuilt each run.
    m_context.description = VehicleDescription{};
    m_context.yearCopy.clear();
    m_context.makeCopy.clear();
    m_context.emergencyPositions = nullptr;
    m_context.session = &m_session;
    m_severalTypes = false;
}

// The end of every run, normal or emergency.
void Decoder::finish()
{
    VehicleDescription& d = m_context.description;
    d.fullVin = joinedPositions(m_context.vin, 1, kVinLength);
    numerSeryjny(m_context);
    explainPlaceholder(d);
    m_severalTypes = d.models.size() >= 2;
    finalYearCheck(m_context);
    // The serial number is read once more after the body of the run.
    numerSeryjny(m_context);
}

void Decoder::rozkodowanieVin(const QString& folder)
{
    const auto read = readLastNumber(folder);
    if (!read || !read->has_value()) {
        start(); // nothing to decode: the description keeps its start values
        m_context.vin = Vin{};
        m_emergency = EmergencyStage::None;
        return;
    }
    decode(**read);
}

void Decoder::decode(Vin number)
{
    start();
    m_emergency = EmergencyStage::None;
    m_context.vin = std::move(number);
    rozkodujRocznik(m_context);
    applyWorldManufacturer(m_context);
    VehicleDescription& d = m_context.description;
    d.yearErrorShown = false;
    m_context.yearCopy = d.productionYear;
    m_context.makeCopy = d.make;
    if (isRomanian(m_context)) {
        romanianMakes(m_context);
    } else {
        modelYearStatement(m_context);
    }
    if (d.make == fordMake()) {
        rozkodujForda(m_context);
    }
    finish();
}

void Decoder::decodeEmergency(const PositionMask& ticked)
{
    start();
    m_emergencyPositions = usablePositions(ticked);
    m_context.emergencyPositions = &m_emergencyPositions;
    m_context.makeCopy = m_context.description.make;
    m_emergency = EmergencyStage::Decoded;
    rozkodujForda(m_context);
    finish();
}

void Decoder::chooseModel(const QString& model)
{
    lista1Change(m_context, model);
}

} // namespace karoskop
