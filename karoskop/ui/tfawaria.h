#pragma once

#include "karoskop/core/emergency.h"
#include "karoskop/core/vin.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <array>

class QCheckBox;
class QLabel;

namespace common {
class TTransparentButton;
} // namespace common

namespace karoskop {

class TfVinFind;

// The colour of a position's character: white while a position the user
// may choose is ticked, lime green otherwise.
QColor characterColour(int position, bool ticked);

// The position-choice window: which positions an emergency decoding uses
// when positions 1-3 of the number name no maker.
class TfAwaria final : public QDialog
{
    Q_OBJECT
public:
    explicit TfAwaria(QWidget* parent = nullptr);

    // The result window it decodes into.
    void setResultWindow(TfVinFind* result) { m_result = result; }

    // Entry from the main window: shows the characters of the last run,
    // raises the emergency flag and shows this window modally until it
    // closes. The result window's back button shows it again with exec(),
    // with the characters and boxes as they were.
    void bezTrzechPierwszych();

    // The positions ticked now; index 0 is position 1.
    PositionMask ticked() const;

    QCheckBox* box(int position) const;
    QLabel* character(int position) const;

    void reject() override; // Esc and the close box cancel like "Rezygnacja"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void boxToggled(int position);
    void rozkodowanieClicked();
    void rezygnacjaClicked();

    TfVinFind* m_result = nullptr;
    EmergencyDecoding m_decoding;

    std::array<QLabel*, kVinLength> m_numbers{};
    std::array<QCheckBox*, kVinLength> m_boxes{};   // CheckBox1 .. CheckBox17
    std::array<QLabel*, kVinLength> m_characters{}; // Label1 .. Label17
    common::TTransparentButton* b_rezygnacja = nullptr;
    common::TTransparentButton* b_rozkodowanie = nullptr;
};

} // namespace karoskop
