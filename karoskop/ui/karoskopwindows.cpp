#include "karoskop/ui/karoskopwindows.h"

#include "common/seams/printservice.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/ui/tfabout.h"
#include "karoskop/ui/tfawaria.h"
#include "karoskop/ui/tfdruk.h"
#include "karoskop/ui/tfmainvin.h"
#include "karoskop/ui/tfvinfind.h"

#include <QDir>

namespace karoskop {

KaroskopWindows::KaroskopWindows(common::MessageService& messages, const QString& folder,
                                 common::PrintService* printer)
    : m_folder(folder),
      m_systemPrinter(printer != nullptr ? nullptr
                                         : std::make_unique<common::SystemPrintService>(
                                               QDir(folder).filePath(QStringLiteral("wydruki")))),
      m_mainVin(std::make_unique<TfMainVin>(messages, folder)),
      m_vinFind(std::make_unique<TfVinFind>(messages, m_decoder, folder)),
      m_about(std::make_unique<TfAbout>()),
      m_druk(std::make_unique<TfDruk>(printer != nullptr ? *printer : *m_systemPrinter, messages)),
      m_awaria(std::make_unique<TfAwaria>(m_decoder))
{
    connectWindows();
}

void KaroskopWindows::connectWindows()
{
    TfMainVin* main = m_mainVin.get();
    TfVinFind* result = m_vinFind.get();
    TfAbout* about = m_about.get();
    TfAwaria* choice = m_awaria.get();
    QObject::connect(main, &TfMainVin::informationReady, about, &TfAbout::setInformationLines);
    QObject::connect(main, &TfMainVin::aboutRequested, about, &QDialog::exec);
    QObject::connect(main, &TfMainVin::modelListCleared, result, &TfVinFind::clearModels);
    QObject::connect(main, &TfMainVin::numberSubmitted, main,
                     [this](const Vin& typed) { submit(typed); });
    QObject::connect(result, &TfVinFind::positionChoiceRequested, choice, &QDialog::exec);
    QObject::connect(result, &TfVinFind::printRequested, m_druk.get(),
                     [this](const VehicleDescription& description) {
                         m_druk->drukuj(description, m_vinFind.get());
                     });
    QObject::connect(choice, &TfAwaria::decoded, result, &TfVinFind::showEmergencyRun);
    QObject::connect(choice, &TfAwaria::cancelled, result, &TfVinFind::closeAfterCancel);
}

void KaroskopWindows::submit(const Vin& typed)
{
    const EntryResult entry = checkEntry(typed);
    if (!entry.storeNumber) {
        m_mainVin->showRefusal(*entry.refusal);
        return;
    }
    m_vinFind->clearModels();
    if (const auto written = writeLastNumber(m_folder, entry.stored); !written) {
        m_mainVin->showError(written.error());
        return;
    }
    if (entry.refusal) {
        m_mainVin->showRefusal(*entry.refusal);
        m_mainVin->focusField(entry.refusal->position);
        return;
    }
    m_vinFind->rozkodowanieVin();
    if (m_decoder.manufacturerKnown()) {
        m_vinFind->present();
        return;
    }
    offerEmergencyDecoding();
}

void KaroskopWindows::offerEmergencyDecoding()
{
    // The description is emptied while the user is asked whether to go on.
    m_vinFind->showDescription(VehicleDescription::emptied());
    if (!m_mainVin->askEmergencyDecoding()) {
        return;
    }
    m_awaria->bezTrzechPierwszych(); // modal, until the position choice closes
    m_mainVin->focusField(1);
    // After "Rezygnacja" the user is back at the number, without a result.
    if (m_decoder.emergencyUnderWay()) {
        m_vinFind->present();
    }
}

// The windows go in the reverse order of their making.
KaroskopWindows::~KaroskopWindows()
{
    m_awaria.reset();
    m_druk.reset();
    m_about.reset();
    m_vinFind.reset();
    m_mainVin.reset();
}

} // namespace karoskop
