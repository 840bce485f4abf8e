#pragma once

#include "kwitola/core/parties.h"
#include "kwitola/ui/fakturacontrols.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace common {
class MessageService;
}

namespace kwitola::ui {

// The issuer and recipient lists of the main window: fills them, applies a
// choice, searches recipients and adds, corrects and deletes parties. The
// cards themselves are opened by whoever listens to the card signals.
class PartyPanel final : public QObject
{
    Q_OBJECT

public:
    PartyPanel(const PartyControls& controls, TableStore& store, common::MessageService& messages,
               QWidget& window);

    [[nodiscard]] const Parties& parties() const { return m_choice.parties(); }

    // Fill a list from its table, choose its first entry and apply it.
    void fillIssuerList();
    void fillRecipientList();
    // Apply the current choice of a list.
    void lista_wystawcowChange();
    void lista_odbiorcowChange();

    // After a card wrote the record (0: nothing): the list filled again from
    // its table, the entry equal to the text chosen (none when no entry
    // equals it) and the choice applied.
    void refreshIssuers(const QString& entry, kwitola::RecordId record);
    void refreshRecipients(const QString& entry, kwitola::RecordId record);

Q_SIGNALS:
    void newIssuerWanted();
    void issuerCorrectionWanted(const kwitola::Issuer& issuer);
    void newRecipientWanted();
    void recipientCorrectionWanted(const kwitola::Recipient& recipient);
    // The recipient details changed their texts.
    void detailsChanged();

private:
    void b_szukajClick();
    void b_wszystkieClick();
    void b_korekta1Click();
    void b_usun1Click();
    void b_korekta2Click();
    void b_usun2Click();

    // The list's chosen entry; nothing, after warning with nothingChosen,
    // when none is chosen.
    [[nodiscard]] std::optional<QString> chosenEntry(const QComboBox& list,
                                                     const char* nothingChosen);
    // Asks for the card of the record found, or reports the failed look-up.
    template <typename Record>
    void offerCorrection(const Result<std::optional<Record>>& found,
                         void (PartyPanel::*wanted)(const Record&));
    // Reports the removal and fills the list again, or reports its failure.
    void afterRemoval(const Result<bool>& removed, const std::function<void()>& refill);

    bool fillIssuers(const std::optional<QString>& walkTo);
    bool showRecipients(const Result<std::vector<ListEntry>>& entries,
                        const std::optional<QString>& walkTo);
    void showRecipient(const Recipient& recipient);
    void clearDetails();
    void warn(const QString& text);
    bool askToDelete(const QString& question);
    void showError(const QString& text);

    PartyControls m_controls;
    PartyChoice m_choice;
    common::MessageService& m_messages;
    QWidget& m_window;
};

} // namespace kwitola::ui
