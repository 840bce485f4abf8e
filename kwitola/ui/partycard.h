#pragma once

#include "common/seams/messageservice.h"
#include "kwitola/core/cards.h"
#include "kwitola/ui/fixeddialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kwitola::ui {

struct Services;

// What sets the issuer card and the recipient card apart.
struct CardRules
{
    std::size_t fieldCount;
    // How "Czy dokonać korekty ?" is asked, and whether No closes the card
    // (without filling the list again) or leaves it open.
    common::MessageIcon correctionIcon;
    common::MessageButtons correctionButtons;
    bool correctionNoCloses;
    // Whether "Firma" turns navy when it takes the focus; it always gets the
    // window's colours back when it loses it.
    bool nameTurnsNavy;
    Result<RecordId> (*add)(TableStore&, const CardFields&);
    Result<void> (*correct)(TableStore&, RecordId, const CardFields&);
};

// A card of a party: the fields of the company, "Anuluj" and the save
// button, whose caption says whether a new record is written or the record
// the card was opened for is corrected.
class PartyCard : public FixedDialog
{
    Q_OBJECT

public:
    // The save button's caption for a new record.
    static QString newRecordCaption();

    [[nodiscard]] CardFields fields() const;

    // Empties the fields and shows the card for a new record.
    void openForNew();

    void b_zapiszClick();
    void b_anulujClick();

Q_SIGNALS:
    // The party's list is to be filled again and the entry chosen: after the
    // record was written, and after a new one was declined (record 0).
    void saved(const QString& entry, kwitola::RecordId record);

protected:
    PartyCard(const CardRules& rules, const Services& services, const QString& caption,
              QWidget* parent);

    // Fills the fields and shows the card for correcting the record.
    void openForCorrection(const CardFields& fields, RecordId id);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void finish(const CardFields& typed, RecordId record);
    common::MessageAnswer ask(const QString& text, common::MessageIcon icon,
                              common::MessageButtons buttons);
    void showError(const QString& text);

    const CardRules& m_rules;
    TableStore& m_store;
    common::MessageService& m_messages;
    RecordId m_target = 0;
    std::array<QLabel*, kIssuerCardFields> m_labels{};
    std::array<QLineEdit*, kIssuerCardFields> m_edits{};
    QPushButton* b_anuluj = nullptr;
    QPushButton* b_zapisz = nullptr;
};

} // namespace kwitola::ui
