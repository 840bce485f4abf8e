#pragma once

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kwitola::ui {

// The main window's controls of the two parties.
struct PartyControls
{
    QComboBox* lista_wystawcow = nullptr;
    QPushButton* b_dodaj1 = nullptr;
    QPushButton* b_korekta1 = nullptr;
    QPushButton* b_usun1 = nullptr;
    QComboBox* lista_odbiorcow = nullptr;
    QPushButton* b_dodaj2 = nullptr;
    QPushButton* b_korekta2 = nullptr;
    QPushButton* b_usun2 = nullptr;
    QLineEdit* find_nip = nullptr;
    QPushButton* b_szukaj = nullptr;
    QPushButton* b_wszystkie = nullptr;
    // Label101 to Label106.
    std::array<QLabel*, 6> details{};
};

} // namespace kwitola::ui
