#pragma once

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kwitola::ui {

// The main window's controls, grouped by the panel that works each group.

// The main window's document kind and number with its step buttons.
struct NumberingControls
{
    QComboBox* kind = nullptr;      // Druk
    QLineEdit* number = nullptr;    // Edit6
    QPushButton* back = nullptr;    // "<<<"
    QPushButton* forward = nullptr; // ">>>"
};

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

// The main window's controls of the document area.
struct DocumentControls
{
    QComboBox* goodsList = nullptr; // lista_towarow
    QLineEdit* quantity = nullptr;  // Edit1
    QLineEdit* unitPrice = nullptr; // Edit2
    QLineEdit* net = nullptr;       // Edit3
    QLineEdit* vat = nullptr;       // Edit4
    QLineEdit* total = nullptr;     // Edit5
    QLineEdit* unit = nullptr;      // Edit7
    // Memo1 to Memo4: names, units, quantities, gross values.
    std::array<QListWidget*, 4> columns{};
    QPushButton* add = nullptr;        // "Dodaj do faktury"
    QPushButton* remove = nullptr;     // "Usuń z faktury"
    QPushButton* clear = nullptr;      // "Wyczyść "
    QPushButton* firstPrint = nullptr; // "Drukuj 1egz."
};

// The goods list and its buttons b_dodaj3, b_korekta3 and b_usun3.
struct GoodsControls
{
    QComboBox* goodsList = nullptr;
    QPushButton* add = nullptr;
    QPushButton* correct = nullptr;
    QPushButton* remove = nullptr;
};

} // namespace kwitola::ui
