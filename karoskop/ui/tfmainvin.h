#pragma once

#include "common/seams/servicesfwd.h"
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
} // namespace common

namespace karoskop {

class PositionField;
struct EntryRefusal;

// The main window: the seventeen position fields and the submit.
class TfMainVin final : public QWidget
{
    Q_OBJECT
public:
    // folder is the working folder that holds the last-number file.
    TfMainVin(common::MessageService& messages, QString folder, QWidget* parent = nullptr);

    // The texts of fields 1..17.
    Vin fieldTexts() const;
    // Puts the focus into field 1..17.
    void focusField(int position);
    PositionField* field(int position) const;

    // The lines of the information text, up to the first empty one.
    QStringList informationLines() const;

    // Why a number was refused, placed by the check that refused it.
    void showRefusal(const EntryRefusal& refusal);
    void showError(const QString& text);
    // Positions 1-3 named no manufacturer: asks whether to decode the
    // rest of the number; true for yes.
    bool askEmergencyDecoding();

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();
    // Shown for the first time: the lines of the information text are known.
    void informationReady(const QStringList& lines);
    void aboutRequested();
    // A number is about to be stored or recalled: the vehicle-type list of
    // the last run goes.
    void modelListCleared();
    // "Rozkodowanie": the texts of the seventeen fields as typed.
    void numberSubmitted(const Vin& typed);

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

    common::MessageService& m_messages;
    QString m_folder;

    // The hidden information text that feeds the about box's list.
    const QString m_informationText;
    bool m_shownBefore = false;
    QFont m_buttonFont; // the text buttons' font before fitting their captions

    QFrame* m_titleBand = nullptr;
    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_instructions{};
    QPushButton* m_aboutButton = nullptr;
    QLabel* m_infoLabel = nullptr;
    std::array<QLabel*, kVinLength> m_positionLabels{};
    std::array<PositionField*, kVinLength> m_fields{};
    common::TTransparentButton* m_startButton = nullptr;
    common::TTransparentButton* m_decodeButton = nullptr;
    common::TTransparentButton* m_lastButton = nullptr;
    common::TTransparentButton* m_closeButton = nullptr;
    QLabel* m_footer = nullptr;
};

} // namespace karoskop
