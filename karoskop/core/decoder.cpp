#include "karoskop/core/decoder.h"

#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/steps.h"
#include "karoskop/core/yearcode.h"

#include <algorithm>

namespace karoskop {

namespace {

const QString kFord = QStringLiteral("Ford");
const QString kNotEncoded = QStringLiteral("=");
const QString kNotEncodedComment =
    QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta. ");

bool isRomanian(const DecodingContext& context)
{
    return context.at(1) == u"U" || context.at(2) == u"U";
}

void joinFullVin(DecodingContext& context)
{
    qsizetype length = 0;
    for (const QString& position : context.vin) {
        length += position.size();
    }
    QString full(length, Qt::Uninitialized);
    QChar* out = full.data();
    for (const QString& position : context.vin) {
        out = std::copy(position.cbegin(), position.cend(), out);
    }
    context.description.fullVin = full;
}

// A description that names neither type, body nor engine says what "="
// stands for.
void explainPlaceholder(VehicleDescription& d)
{
    if (d.type == kNotEncoded && d.body == kNotEncoded && d.engine == kNotEncoded) {
        d.comments = {kNotEncodedComment, QString(), QString()};
    }
}

} // namespace

Decoder::Decoder()
{
    m_context.session = &m_session;
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

void Decoder::rozkodowanie()
{
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
    if (d.make == kFord) {
        rozkodujForda(m_context);
    }
    joinFullVin(m_context);
    numerSeryjny(m_context);
    explainPlaceholder(d);
    m_severalTypes = d.models.size() >= 2;
    finalYearCheck(m_context);
}

void Decoder::finish()
{
    // The serial number is read once more after the body of the run.
    numerSeryjny(m_context);
}

void Decoder::rozkodowanieVin(const QString& folder)
{
    const LastNumberRead read = readLastNumber(folder);
    if (read.status != LastNumberRead::Status::Ok) {
        start(); // nothing to decode: the description keeps its start values
        m_context.vin = Vin{};
        return;
    }
    decode(read.number);
}

void Decoder::decode(const Vin& number)
{
    start();
    m_context.vin = number;
    try {
        rozkodowanie();
        finish();
    } catch (...) {
        // A failing step ends the run; what was decoded so far stays.
    }
}

} // namespace karoskop
