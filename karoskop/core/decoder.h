#pragma once

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/vin.h"

#include <QString>

namespace karoskop {

// The decoding run. One decoder lives as long as the program: it keeps the
// session that carries the year before the last recognised year code from
// one run to the next, and the context of the last run, which the result
// window shows and a model choice re-runs parts of.
class Decoder final
{
public:
    Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // One whole run on the number stored in the last-number file of folder.
    // A missing or unreadable file, like any other failure inside the run,
    // ends the run silently; the description keeps what was written so far.
    void rozkodowanieVin(const QString& folder);

    // The same run on a number given directly.
    void decode(const Vin& number);

    // The context of the last run (its number, description and session).
    const DecodingContext& lastRun() const { return m_context; }
    DecodingContext& lastRun() { return m_context; }
    const VehicleDescription& description() const { return m_context.description; }

    // Whether the last run got as far as finding two or more fitting
    // vehicle types, so that the user is to be asked to pick one.
    bool severalTypes() const { return m_severalTypes; }

    DecodingSession& session() { return m_session; }

private:
    void start();
    void rozkodowanie();
    void finish();

    DecodingSession m_session;
    DecodingContext m_context;
    bool m_severalTypes = false;
};

} // namespace karoskop
