#include "kwitola/ui/kwitolawindows.h"

#include "common/seams/messageservice.h"
#include "kwitola/ui/goodsbuttons.h"
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
    : m_messages(services.messages), m_store(services.store),
      m_settings(QDir(services.folder).filePath(kSettingsFileName)),
      m_faktura(std::make_unique<TfFaktura>(services)),
      m_odbiorca(std::make_unique<TfOdbiorca>(services)),
      m_opcje(std::make_unique<TfOpcje>(services.files, services.printers)),
      m_wystawca(std::make_unique<TfWystawca>(services)), m_druk(std::make_unique<TfDruk>()),
      m_magazyn(std::make_unique<TfMagazyn>(services.store, services.messages))
{
    connect(m_faktura.get(), &TfFaktura::startUpWanted, this, &KwitolaWindows::startUp);
    // The main window and the windows it opens meet here, not through each other.
    connect(&m_faktura->goodsButtons(), &GoodsButtons::newGoodsWanted, m_magazyn.get(),
            &TfMagazyn::openForNew);
    connect(&m_faktura->goodsButtons(), &GoodsButtons::goodsCorrectionWanted, m_magazyn.get(),
            &TfMagazyn::openForCorrection);
    connect(m_magazyn.get(), &TfMagazyn::goodsSaved, m_faktura.get(), &TfFaktura::chooseGoods);
    connect(m_faktura.get(), &TfFaktura::optionsWanted, m_opcje.get(), [this] { m_opcje->exec(); });
    connectSettings();
    connectCards();
    connectPrinting(services.printer, services.preview);
}

KwitolaWindows::~KwitolaWindows() = default;

void KwitolaWindows::startUp()
{
    TfFaktura* main = m_faktura.get();
    if (main->refuseSecondCopy()) {
        return;
    }
    loadSettings(main);
    main->startUp();
}

void KwitolaWindows::connectSettings()
{
    TfFaktura* main = m_faktura.get();
    TfOpcje* options = m_opcje.get();
    connect(main, &TfFaktura::settingsLoadRequested, this, [this, main] { loadSettings(main); });
    connect(main, &TfFaktura::settingsChangeRequested, this,
            [this, main](const Settings& value) { saveSettings(value, main); });
    connect(options, &TfOpcje::settingsChangeRequested, this,
            [this, options](const Settings& value) { saveSettings(value, options); });
    connect(this, &KwitolaWindows::settingsChanged, main, &TfFaktura::showSettings);
    connect(this, &KwitolaWindows::settingsChanged, options, &TfOpcje::setSettings);
}

void KwitolaWindows::loadSettings(QWidget* asker)
{
    if (const auto loaded = m_settings.load(); !loaded) {
        report(QStringLiteral("Nie udało się odczytać ustawień z pliku faktura.kfx.\n%1\n"
                              "Obowiązują ustawienia domyślne. Plik pozostaje bez zmian: "
                              "program nie zastąpi go bez pytania.")
                   .arg(loaded.error()),
               common::MessageIcon::Error, asker);
    }
    Q_EMIT settingsChanged(m_settings.settings());
}

void KwitolaWindows::saveSettings(const Settings& value, QWidget* asker)
{
    auto result = m_settings.save(value);
    if (result && *result == SettingsKeeper::SaveOutcome::ConfirmationNeeded) {
        const auto consent = askToReplaceUnreadable(asker) ? SettingsKeeper::Consent::Given
                                                           : SettingsKeeper::Consent::Refused;
        result = m_settings.save(value, consent);
    }
    if (!result) {
        report(QStringLiteral("Nie udało się zapisać ustawień w pliku faktura.kfx.\n%1\n"
                              "Nowe ustawienia obowiązują do końca pracy programu.")
                   .arg(result.error()),
               common::MessageIcon::Exclamation, asker);
    }
    Q_EMIT settingsChanged(m_settings.settings());
}

bool KwitolaWindows::askToReplaceUnreadable(QWidget* asker)
{
    const QString question = QStringLiteral(
        "Pliku ustawień faktura.kfx nie udało się odczytać przy uruchomieniu programu, "
        "więc może on zawierać inny numer dokumentu niż pokazany.\n"
        "Czy zastąpić go nowymi ustawieniami? Dotychczasowy plik zostanie zachowany "
        "jako faktura.kfx.bak.\n"
        "Nie: plik pozostaje bez zmian, a nowe ustawienia obowiązują do końca pracy "
        "programu.");
    return askYesNo(m_messages, asker, question, common::MessageIcon::Question,
                    common::MessageAnswer::No);
}

void KwitolaWindows::report(const QString& text, common::MessageIcon icon, QWidget* asker)
{
    showMessage(m_messages, asker, text, icon);
}

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
