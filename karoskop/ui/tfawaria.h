#pragma once

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

class Decoder;

// The colour of a position's character: white while a position the user
// may choose is ticked, lime green otherwise.
QColor characterColour(int position, bool ticked);

// The position-choice window: which positions an emergency decoding uses
// when positions 1-3 of the number name no maker.
class TfAwaria final : public QDialog
{
    Q_OBJECT
public:
    // The decoder holds the number shown, runs the decoding and keeps the
    // emergency flag.
    explicit TfAwaria(Decoder& decoder, QWidget* parent = nullptr);

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

Q_SIGNALS:
    // "Rozkodowanie": the decoder holds the decoding from the ticked positions.
    void decoded();
    // "Rezygnacja" with an emergency decoding under way: the flag is down.
    void cancelled();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void boxToggled(int position);
    void rozkodowanieClicked();
    void rezygnacjaClicked();

    Decoder& m_decoder;

    std::array<QLabel*, kVinLength> m_numbers{};
    std::array<QCheckBox*, kVinLength> m_boxes{};   // CheckBox1 .. CheckBox17
    std::array<QLabel*, kVinLength> m_characters{}; // Label1 .. Label17
    common::TTransparentButton* m_cancelButton = nullptr;
    common::TTransparentButton* m_decodeButton = nullptr;
};

} // namespace karoskop
