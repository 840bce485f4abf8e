#include "karoskop/ui/karoskopwindows.h"

#include "common/seams/printservice.h"
#include "karoskop/ui/tfabout.h"
#include "karoskop/ui/tfawaria.h"
#include "karoskop/ui/tfdruk.h"
#include "karoskop/ui/tfmainvin.h"
#include "karoskop/ui/tfvinfind.h"

#include <QDir>

namespace karoskop {

KaroskopWindows::KaroskopWindows(common::MessageService& messages, const QString& folder,
                                 common::PrintService* printer)
    : m_mainVin(std::make_unique<TfMainVin>(messages, m_decoder, folder)),
      m_vinFind(std::make_unique<TfVinFind>(messages, m_decoder, folder)),
      m_about(std::make_unique<TfAbout>()), m_druk(std::make_unique<TfDruk>()),
      m_awaria(std::make_unique<TfAwaria>(m_decoder))
{
    if (printer == nullptr) {
        m_systemPrinter = std::make_unique<common::SystemPrintService>(
            QDir(folder).filePath(QStringLiteral("wydruki")));
        printer = m_systemPrinter.get();
    }
    m_druk->setServices(*printer, messages);
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
    QObject::connect(main, &TfMainVin::decodeRequested, result, &TfVinFind::rozkodowanieVin);
    QObject::connect(main, &TfMainVin::resultRequested, result, &TfVinFind::present);
    QObject::connect(main, &TfMainVin::emergencyOffered, result,
                     [result] { result->showDescription(VehicleDescription::emptied()); });
    QObject::connect(main, &TfMainVin::emergencyRequested, choice, &TfAwaria::bezTrzechPierwszych);
    QObject::connect(result, &TfVinFind::positionChoiceRequested, choice, &QDialog::exec);
    QObject::connect(result, &TfVinFind::printRequested, m_druk.get(),
                     [this](const VehicleDescription& description) {
                         m_druk->drukuj(description, m_vinFind.get());
                     });
    QObject::connect(choice, &TfAwaria::decoded, result, &TfVinFind::showEmergencyRun);
    QObject::connect(choice, &TfAwaria::cancelled, result, &TfVinFind::closeAfterCancel);
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
