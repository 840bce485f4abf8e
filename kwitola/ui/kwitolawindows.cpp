#include "kwitola/ui/kwitolawindows.h"

#include "kwitola/core/settingsfile.h"
#include "kwitola/ui/tfdruk.h"
#include "kwitola/ui/tffaktura.h"
#include "kwitola/ui/tfmagazyn.h"
#include "kwitola/ui/tfodbiorca.h"
#include "kwitola/ui/tfopcje.h"
#include "kwitola/ui/tfwystawca.h"

#include <QDir>

namespace kwitola::ui {

KwitolaWindows::KwitolaWindows(const Services& services)
    : m_faktura(std::make_unique<TfFaktura>(services)), m_odbiorca(std::make_unique<TfOdbiorca>()),
      m_opcje(std::make_unique<TfOpcje>(services.messages, services.files, services.printers,
                                        QDir(services.folder).filePath(kSettingsFileName))),
      m_wystawca(std::make_unique<TfWystawca>()), m_druk(std::make_unique<TfDruk>()),
      m_magazyn(std::make_unique<TfMagazyn>(services.store, services.messages))
{
    m_faktura->attachWindows(*m_odbiorca, *m_opcje, *m_wystawca, *m_druk, *m_magazyn);
    // The stock card and the main window meet here, not through each other.
    QObject::connect(m_magazyn.get(), &TfMagazyn::goodsSaved, m_faktura.get(),
                     &TfFaktura::chooseGoods);
    // A stepped number is saved with the settings file; the saved settings
    // come back to the main window, which shows their number.
    QObject::connect(m_faktura.get(), &TfFaktura::settingsChangeRequested, m_opcje.get(),
                     [this](const Settings& settings) {
                         m_opcje->setSettings(settings);
                         (void)m_opcje->SaveConfig();
                     });
    QObject::connect(m_opcje.get(), &TfOpcje::documentNumberSaved, m_faktura.get(),
                     [this] { m_faktura->setSettings(m_opcje->settings()); });
}

KwitolaWindows::~KwitolaWindows() = default;

} // namespace kwitola::ui
