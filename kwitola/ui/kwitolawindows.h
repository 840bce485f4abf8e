#pragma once

#include "kwitola/core/settingskeeper.h"
#include "kwitola/ui/services.h"

#include <QObject>
#include <memory>

class QWidget;

namespace common {
enum class MessageIcon;
class PrintService;
} // namespace common

namespace kwitola::ui {

class PreviewService;
class PrintController;
class TfDruk;
class TfFaktura;
class TfMagazyn;
class TfOdbiorca;
class TfOpcje;
class TfWystawca;

// Kwitola's windows, created once in the program's order (main window,
// recipient card, print settings, issuer card, print form, stock card) and
// living until the program ends. It also holds the settings: windows ask it
// to load or change them and show the value it hands back.
class KwitolaWindows final : public QObject
{
    Q_OBJECT

public:
    explicit KwitolaWindows(const Services& services);
    ~KwitolaWindows() override;
    KwitolaWindows(const KwitolaWindows&) = delete;
    KwitolaWindows& operator=(const KwitolaWindows&) = delete;

    [[nodiscard]] TfFaktura& faktura() const { return *m_faktura; }
    [[nodiscard]] TfOdbiorca& odbiorca() const { return *m_odbiorca; }
    [[nodiscard]] TfOpcje& opcje() const { return *m_opcje; }
    [[nodiscard]] TfWystawca& wystawca() const { return *m_wystawca; }
    [[nodiscard]] TfDruk& druk() const { return *m_druk; }
    [[nodiscard]] TfMagazyn& magazyn() const { return *m_magazyn; }
    [[nodiscard]] const SettingsKeeper& settingsKeeper() const { return m_settings; }

    // Reads faktura.kfx; a file that cannot be read is reported over asker
    // and the defaults hold.
    void loadSettings(QWidget* asker);
    // Makes value the settings and writes the file, asking over asker first
    // when an unreadable file would be replaced; a failed write is reported.
    void saveSettings(const Settings& value, QWidget* asker);

Q_SIGNALS:
    // The settings that now hold, after every load and save.
    void settingsChanged(const kwitola::Settings& settings);

private:
    // The main window's start-up: the second-copy check, the settings, then
    // the tables and lists.
    void startUp();
    void connectSettings();
    // Connects the three print buttons of the main window. A print reads the
    // main window's document, dates, payment, parties, kind and number, the
    // settings, and the printer chosen in the settings window; a posted
    // invoice or bill advances the number through the settings.
    void connectPrinting(common::PrintService& printer, PreviewService& preview);
    [[nodiscard]] bool askToReplaceUnreadable(QWidget* asker);
    void report(const QString& text, common::MessageIcon icon, QWidget* asker);
    void advanceNumber(QWidget* asker);

    common::MessageService& m_messages;
    TableStore& m_store;
    SettingsKeeper m_settings;
    void connectCards();

    std::unique_ptr<TfFaktura> m_faktura;
    std::unique_ptr<TfOdbiorca> m_odbiorca;
    std::unique_ptr<TfOpcje> m_opcje;
    std::unique_ptr<TfWystawca> m_wystawca;
    std::unique_ptr<TfDruk> m_druk;
    std::unique_ptr<TfMagazyn> m_magazyn;
};

} // namespace kwitola::ui
