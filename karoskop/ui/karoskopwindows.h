#pragma once

#include "common/seams/servicesfwd.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/vin.h"

#include <QString>
#include <memory>

namespace karoskop {

class TfAbout;
class TfAwaria;
class TfDruk;
class TfMainVin;
class TfVinFind;

// Karoskop's five windows, created once in their order and kept for the
// whole run of the program, with the decoder they share. The windows know
// nothing of each other: this object connects their signals and runs the
// flows that go through more than one of them.
class KaroskopWindows final
{
public:
    // Without a printer given, printouts go to the system's default printer,
    // or into folder/wydruki as PDF files when the system has none.
    KaroskopWindows(common::MessageService& messages, const QString& folder,
                    common::PrintService* printer = nullptr);
    ~KaroskopWindows();
    KaroskopWindows(const KaroskopWindows&) = delete;
    KaroskopWindows& operator=(const KaroskopWindows&) = delete;

    TfMainVin& mainVin() { return *m_mainVin; }
    TfVinFind& vinFind() { return *m_vinFind; }
    TfAbout& about() { return *m_about; }
    TfDruk& druk() { return *m_druk; }
    TfAwaria& awaria() { return *m_awaria; }
    Decoder& decoder() { return m_decoder; }

private:
    void connectWindows();
    // "Rozkodowanie" with the number as typed: the entry checks, storing the
    // number, the decoding run, then the result window, or the offer of
    // emergency decoding when positions 1-3 name no manufacturer.
    void submit(const Vin& typed);
    void offerEmergencyDecoding();

    QString m_folder;
    Decoder m_decoder;
    std::unique_ptr<common::PrintService> m_systemPrinter;
    std::unique_ptr<TfMainVin> m_mainVin;
    std::unique_ptr<TfVinFind> m_vinFind;
    std::unique_ptr<TfAbout> m_about;
    std::unique_ptr<TfDruk> m_druk;
    std::unique_ptr<TfAwaria> m_awaria;
};

} // namespace karoskop
