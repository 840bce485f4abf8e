#pragma once

#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/ui/fakturacontrols.h"

#include <QObject>
#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace common {
class MessageService;
}

namespace kwitola {
class TableStore;
}

namespace kwitola::ui {

// The document area of the main window: the goods list, the current line,
// the document lines, the total and its amount in words. The document itself
// is a SalesDocument; this shows it and hands the user's actions to it.
class DocumentPanel final : public QObject
{
    Q_OBJECT

public:
    DocumentPanel(const DocumentControls& controls, TableStore& store,
                  common::MessageService& messages, QWidget& window);

    [[nodiscard]] const SalesDocument& document() const { return m_document; }
    // The goods record the current goods choice was loaded from.
    [[nodiscard]] const std::optional<Goods>& goods() const { return m_goods; }

    // Fills the goods list from magazyn.db and loads its first entry.
    void WczytajListeTowarow();
    // Loads the current line from the goods list's choice.
    void lista_towarowChange();
    // Refills the goods list and chooses the entry (after the stock card
    // saved); no entry is chosen when the list does not hold it.
    void chooseGoods(const QString& entry);

private:
    void PrzeliczPozycje(const QString& quantity);
    void addLine();
    void selectLine(int row);
    void removeFromLine();
    void clearDocument();
    void UstawKwoteSlownie();

    void afterRemoval();
    void showCurrentLine();
    void showLines();
    void setQuantity(const QString& text);
    void refuse(const QString& text, QWidget* focus);
    void showError(const QString& text);

    DocumentControls m_controls;
    TableStore& m_store;
    common::MessageService& m_messages;
    QWidget& m_window;
    SalesDocument m_document;
    std::optional<Goods> m_goods;
};

} // namespace kwitola::ui
