#pragma once

#include "kwitola/core/tablerecords.h"
#include "kwitola/ui/fixeddialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace common {
class MessageService;
enum class MessageIcon;
} // namespace common

namespace kwitola {
class TableStore;
struct GoodsCardValues;
} // namespace kwitola

namespace kwitola::ui {

// The stock card, where the user enters and corrects goods. The caption of
// the save button is the mode: "Dodaj do bazy" enters a new record, anything
// else corrects the record `Index_towaru`.
class TfMagazyn final : public FixedDialog
{
    Q_OBJECT

public:
    TfMagazyn(TableStore& store, common::MessageService& messages, QWidget* parent = nullptr);

    // Empties the card for a new record; the factory number keeps its text.
    void prepareNew();
    // Fills the card from a stored record for correction.
    void prepareCorrection(const Goods& goods);
    // Prepares the card and shows it modally.
    void openForNew();
    void openForCorrection(const Goods& goods);
    [[nodiscard]] RecordId Index_towaru() const { return m_index; }

    void Button2Click();

Q_SIGNALS:
    // The goods were saved; the main window chooses this goods list entry.
    void goodsSaved(const QString& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void applyTabOrder();
    [[nodiscard]] GoodsCardValues values() const;
    void saveNew();
    void saveCorrection();
    // The rate for the conversions; an empty rate is set to "22" first.
    QString conversionRate();
    void grossFromNet();
    void netFromGross();
    void tell(const QString& text, common::MessageIcon icon, QWidget* focus);

    TableStore& m_store;
    common::MessageService& m_messages;
    RecordId m_index = 0;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QComboBox* Edit6 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

} // namespace kwitola::ui
