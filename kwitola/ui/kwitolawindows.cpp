#include "kwitola/ui/kwitolawindows.h"

#include "kwitola/core/settingsfile.h"
#include "kwitola/ui/partypanel.h"
#include "kwitola/ui/tfdruk.h"
#include "kwitola/ui/tffaktura.h"
#include "kwitola/ui/tfmagazyn.h"
#include "kwitola/ui/tfodbiorca.h"
#include "kwitola/ui/tfopcje.h"
#include "kwitola/ui/tfwystawca.h"

#include <QDir>

namespace kwitola::ui {

KwitolaWindows::KwitolaWindows(const Services& services)
    : m_faktura(std::make_unique<TfFaktura>(services)),
      m_odbiorca(std::make_unique<TfOdbiorca>(services)),
      m_opcje(std::make_unique<TfOpcje>(services.messages, services.files, services.printers,
                                        QDir(services.folder).filePath(kSettingsFileName))),
      m_wystawca(std::make_unique<TfWystawca>(services)), m_druk(std::make_unique<TfDruk>()),
      m_magazyn(std::make_unique<TfMagazyn>())
{
    m_faktura->attachWindows(*m_odbiorca, *m_opcje, *m_wystawca, *m_druk, *m_magazyn);
    connectCards();
}

KwitolaWindows::~KwitolaWindows() = default;

// The party lists open the cards; a card that saved has the list filled
// again and its entry chosen.
void KwitolaWindows::connectCards()
{
    PartyPanel* parties = &m_faktura->partyPanel();
    QObject::connect(parties, &PartyPanel::newIssuerWanted, m_wystawca.get(),
                     &TfWystawca::openForNew);
    QObject::connect(parties, &PartyPanel::issuerCorrectionWanted, m_wystawca.get(),
                     &TfWystawca::openForCorrection);
    QObject::connect(m_wystawca.get(), &TfWystawca::saved, parties, &PartyPanel::refreshIssuers);
    QObject::connect(parties, &PartyPanel::newRecipientWanted, m_odbiorca.get(),
                     &TfOdbiorca::openForNew);
    QObject::connect(parties, &PartyPanel::recipientCorrectionWanted, m_odbiorca.get(),
                     &TfOdbiorca::openForCorrection);
    QObject::connect(m_odbiorca.get(), &TfOdbiorca::saved, parties, &PartyPanel::refreshRecipients);
}

} // namespace kwitola::ui
