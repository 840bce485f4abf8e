#pragma once

#include "karoskop/core/vin.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace common {
class TTransparentButton;
class MessageService;
struct Message;
} // namespace common

namespace karoskop {

class Decoder;
class PositionField;
struct EntryRefusal;

// The main window: the seventeen position fields and the submit.
class TfMainVin final : public QWidget
{
    Q_OBJECT
public:
    // folder is the working folder that holds the last-number file; the
    // decoder tells how the run of a submitted number ended.
    TfMainVin(common::MessageService& messages, Decoder& decoder, QString folder,
              QWidget* parent = nullptr);

    // The texts of fields 1..17.
    Vin fieldTexts() const;
    // Puts the focus into field 1..17.
    void focusField(int position);
    PositionField* field(int position) const;

    // The lines of the information text, up to the first empty one.
    QStringList informationLines() const;

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();
    // Shown for the first time: the lines of the information text are known.
    void informationReady(const QStringList& lines);
    void aboutRequested();
    // A number is about to be stored or recalled: the vehicle-type list of
    // the last run goes.
    void modelListCleared();
    // The number is stored: decode it and show the description.
    void decodeRequested();
    // Show the description of the run.
    void resultRequested();
    // Positions 1-3 named no manufacturer: the description is emptied while
    // the user is asked whether to go on.
    void emergencyOffered();
    // The user goes on: the position choice, modal, until it closes.
    void emergencyRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void applyLayout();
    void fieldChanged(int position);

    void startClicked();        // "Start wpisywania"
    void lastNumberClicked();   // "Ostatni numer"
    void rozkodowanieClicked(); // submit
    void aboutClicked();

    void showRefusal(const EntryRefusal& refusal);
    void showError(const QString& text);
    void offerEmergencyDecoding();

    common::MessageService& m_messages;
    Decoder& m_decoder;
    QString m_folder;

    // The hidden information text that feeds the about box's list.
    const QString m_informationText;
    bool m_shownBefore = false;
    QFont m_buttonFont; // the text buttons' font before fitting their captions

    QFrame* m_titleBand = nullptr;
    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_instructions{};
    QPushButton* b_about = nullptr;
    QLabel* m_infoLabel = nullptr;
    std::array<QLabel*, kVinLength> m_positionLabels{};
    std::array<PositionField*, kVinLength> m_fields{};
    common::TTransparentButton* b_start = nullptr;
    common::TTransparentButton* b_rozkodowanie = nullptr;
    common::TTransparentButton* b_ostatni = nullptr;
    common::TTransparentButton* b_zamknij = nullptr;
    QLabel* m_footer = nullptr;
};

} // namespace karoskop
