#pragma once

#include "kwitola/core/tablerecords.h"
#include "kwitola/ui/documentpanel.h"

#include <QObject>
#include <optional>

namespace kwitola::ui {

// The goods buttons "+", "Korekta" and "-" beside the goods list: they ask
// for the stock card for a new or the chosen record, or delete the chosen one.
class GoodsButtons final : public QObject
{
    Q_OBJECT

public:
    GoodsButtons(const GoodsControls& controls, TableStore& store, common::MessageService& messages,
                 DocumentPanel& document, QWidget& window);

Q_SIGNALS:
    // The stock card is to open for a new record, or for this one.
    void newGoodsWanted();
    void goodsCorrectionWanted(const kwitola::Goods& goods);

private:
    void addGoods();
    void correctGoods();
    void removeGoods();
    // The record of the goods list's entry; nothing, after telling the user,
    // when no entry is chosen, the table holds none such or cannot be read.
    [[nodiscard]] std::optional<RecordId> chosenRecord(const QString& nothingChosen);
    void tell(const QString& text, bool plain);
    void showError(const QString& text);

    GoodsControls m_controls;
    TableStore& m_store;
    common::MessageService& m_messages;
    DocumentPanel& m_document;
    QWidget& m_window;
};

} // namespace kwitola::ui
