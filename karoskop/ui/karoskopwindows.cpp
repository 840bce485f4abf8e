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
    : m_mainVin(std::make_unique<TfMainVin>(messages, folder)),
      m_vinFind(std::make_unique<TfVinFind>(messages, m_decoder, folder)),
      m_about(std::make_unique<TfAbout>()), m_druk(std::make_unique<TfDruk>()),
      m_awaria(std::make_unique<TfAwaria>())
{
    m_mainVin->setResultWindow(m_vinFind.get());
    m_mainVin->setAboutBox(m_about.get());
    m_mainVin->setEmergencyWindow(m_awaria.get());
    m_vinFind->setEmergencyWindow(m_awaria.get());
    m_awaria->setResultWindow(m_vinFind.get());

    if (printer == nullptr) {
        m_systemPrinter = std::make_unique<common::SystemPrintService>(
            QDir(folder).filePath(QStringLiteral("wydruki")));
        printer = m_systemPrinter.get();
    }
    m_druk->setServices(*printer, messages);
    m_vinFind->setPrintHandler([this](const VehicleDescription& description) {
        m_druk->drukuj(description, m_vinFind.get());
    });
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
