#pragma once

#include "karoskop/core/decodingcontext.h"
#include "karoskop/core/vin.h"

#include <QString>
#include <utility>

namespace karoskop {

// Where an emergency decoding stands: the user is choosing positions (the
// flag is up), or a decoding from them is shown (the flag stays up and the
// way back leads to the choice).
enum class EmergencyStage { None, Choosing, Decoded };

// The decoding run. One decoder lives as long as the program: it keeps the
// session that carries the year before the last recognised year code from
// one run to the next, the context of the last run, which the result window
// shows and a model choice re-runs parts of, and the stage of an emergency
// decoding.
class Decoder final
{
public:
    Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // One whole run on the number stored in the last-number file of folder.
    // A missing or unreadable file ends the run silently with the start
    // values, as a number whose manufacturer is unknown.
    void rozkodowanieVin(const QString& folder);

    // The same run on a number given directly. A new number ends any
    // emergency decoding of the one before.
    void decode(Vin number);

    // Decodes the last run's number again from its start values, as a Ford
    // of Europe number read only at the ticked positions: positions 1-3 are
    // never used and 12-17 always, whatever the ticks say.
    void decodeEmergency(const PositionMask& ticked);

    // The user picked model in the vehicle-type list (Lista1Change).
    void chooseModel(const QString& model);

    // The ticks with positions 1-3 cleared and 12-17 set.
    static PositionMask usablePositions(const PositionMask& ticked);

    const DecodingContext& lastRun() const { return m_context; }
    const Vin& number() const { return m_context.vin; }
    const VehicleDescription& description() const { return m_context.description; }
    const DecodingSession& session() const { return m_session; }
    // Carries on from a session another decoder has reached.
    void setSession(DecodingSession session) { m_session = std::move(session); }
    // The last run's description, moved out: the decoder's own is empty
    // until the next run. For callers that keep every description.
    VehicleDescription takeDescription();

    // Whether positions 1-3 of the last number named a manufacturer.
    bool manufacturerKnown() const;

    // Whether the last run found two or more fitting vehicle types, so that
    // the user is to be asked to pick one.
    bool severalTypes() const { return m_severalTypes; }

    // The emergency flag: up from entering the position choice until the
    // user cancels it or a new number is decoded.
    EmergencyStage emergencyStage() const { return m_emergency; }
    bool emergencyUnderWay() const { return m_emergency != EmergencyStage::None; }
    void beginEmergency() { m_emergency = EmergencyStage::Choosing; }
    void cancelEmergency() { m_emergency = EmergencyStage::None; }

private:
    void start();
    void finish();

    DecodingSession m_session;
    DecodingContext m_context;
    PositionMask m_emergencyPositions{};
    EmergencyStage m_emergency = EmergencyStage::None;
    bool m_severalTypes = false;
};

} // namespace karoskop
