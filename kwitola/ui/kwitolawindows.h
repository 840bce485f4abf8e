#pragma once

#include "kwitola/ui/services.h"

#include <memory>

namespace kwitola::ui {

class TfDruk;
class TfFaktura;
class TfMagazyn;
class TfOdbiorca;
class TfOpcje;
class TfWystawca;

// Kwitola's windows, created once in the program's order (main window,
// recipient card, print settings, issuer card, print form, stock card) and
// living until the program ends.
class KwitolaWindows final
{
public:
    explicit KwitolaWindows(const Services& services);
    ~KwitolaWindows();
    KwitolaWindows(const KwitolaWindows&) = delete;
    KwitolaWindows& operator=(const KwitolaWindows&) = delete;

    [[nodiscard]] TfFaktura& faktura() const { return *m_faktura; }
    [[nodiscard]] TfOdbiorca& odbiorca() const { return *m_odbiorca; }
    [[nodiscard]] TfOpcje& opcje() const { return *m_opcje; }
    [[nodiscard]] TfWystawca& wystawca() const { return *m_wystawca; }
    [[nodiscard]] TfDruk& druk() const { return *m_druk; }
    [[nodiscard]] TfMagazyn& magazyn() const { return *m_magazyn; }

private:
    void connectCards();

    std::unique_ptr<TfFaktura> m_faktura;
    std::unique_ptr<TfOdbiorca> m_odbiorca;
    std::unique_ptr<TfOpcje> m_opcje;
    std::unique_ptr<TfWystawca> m_wystawca;
    std::unique_ptr<TfDruk> m_druk;
    std::unique_ptr<TfMagazyn> m_magazyn;
};

} // namespace kwitola::ui
