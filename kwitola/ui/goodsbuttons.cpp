#include "kwitola/ui/goodsbuttons.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/documentpanel.h"
#include "kwitola/ui/services.h"

#include <QComboBox>
#include <QPushButton>

namespace kwitola::ui {

GoodsButtons::GoodsButtons(const GoodsControls& controls, TableStore& store,
                           common::MessageService& messages, DocumentPanel& document,
                           QWidget& window)
    : QObject(&window), m_controls(controls), m_store(store), m_messages(messages),
      m_document(document), m_window(window)
{
    connect(m_controls.add, &QPushButton::clicked, this, &GoodsButtons::addGoods);
    connect(m_controls.correct, &QPushButton::clicked, this, &GoodsButtons::correctGoods);
    connect(m_controls.remove, &QPushButton::clicked, this, &GoodsButtons::removeGoods);
}

void GoodsButtons::addGoods()
{
    Q_EMIT newGoodsWanted();
}

void GoodsButtons::correctGoods()
{
    const auto id = chosenRecord(QStringLiteral("Nie wybrano towaru do korekty"));
    if (!id) {
        return;
    }
    const auto goods = m_store.get<Goods>(*id);
    if (!goods) {
        showError(goods.error());
    } else if (!*goods) {
        tell(QStringLiteral("Brak określonego towaru w magazynie."), true);
    } else {
        Q_EMIT goodsCorrectionWanted(**goods);
    }
}

void GoodsButtons::removeGoods()
{
    const auto id = chosenRecord(QStringLiteral("Nie wybrano towaru do usunięcia."));
    if (!id ||
        !askYesNo(m_messages, &m_window,
                  QStringLiteral("Czy na pewno usunąć ") + m_controls.goodsList->currentText() +
                      QStringLiteral(" z listy towarów ?"),
                  common::MessageIcon::Question)) {
        return;
    }
    if (const auto removed = m_store.remove(Table::Magazyn, *id); !removed) {
        showError(removed.error());
        return;
    }
    tell(QStringLiteral("Usunięte"), false);
    m_document.WczytajListeTowarow();
}

std::optional<RecordId> GoodsButtons::chosenRecord(const QString& nothingChosen)
{
    const QString entry = m_controls.goodsList->currentText();
    if (entry.isEmpty()) {
        tell(nothingChosen, false);
        return std::nullopt;
    }
    const auto id = m_store.findByEntry(Table::Magazyn, entry);
    if (!id) {
        showError(id.error());
        return std::nullopt;
    }
    if (!*id) {
        tell(QStringLiteral("Brak określonego towaru w magazynie."), true);
    }
    return *id;
}

void GoodsButtons::tell(const QString& text, bool plain)
{
    showMessage(m_messages, &m_window, text,
                plain ? common::MessageIcon::None : common::MessageIcon::Exclamation);
}

void GoodsButtons::showError(const QString& text)
{
    showMessage(m_messages, &m_window, text, common::MessageIcon::Error);
}

} // namespace kwitola::ui
