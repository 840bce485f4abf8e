#include "kwitola/ui/documentpanel.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/comboentries.h"
#include "kwitola/ui/listentries.h"
#include "kwitola/ui/services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace kwitola::ui {

namespace {

const QString kNoQuantity = QStringLiteral("Proszę podać żądaną ilość.");

struct RefusalRow
{
    AddRefusal refusal;
    const char* text; // %1: the rate text
};

constexpr std::array<RefusalRow, 6> kRefusals = {{
    {AddRefusal::NoGoods, "Nie wybrano towaru."},
    {AddRefusal::NoQuantity, "Proszę podać żądaną ilość."},
    {AddRefusal::TooManyLines, "Na jednej fakturze może być max. 15 pozycji."},
    {AddRefusal::QuantityNotPositive, "Ilość musi być liczbą większą od zera."},
    {AddRefusal::UnknownRate,
     "Stawka VAT „%1” nie należy do żadnej ze stawek faktury (22, 7, 0, zw.). "
     "Pozycji nie dodano."},
    {AddRefusal::OutOfRange,
     "Wartość pozycji lub faktury przekracza 999 999 999,99 zł. Pozycji nie dodano."},
}};

QString refusalText(AddRefusal refusal, const QString& rateText)
{
    for (const RefusalRow& row : kRefusals) {
        if (row.refusal == refusal) {
            return QString::fromUtf8(row.text).replace(QLatin1String("%1"), rateText);
        }
    }
    return {};
}

} // namespace

DocumentPanel::DocumentPanel(const DocumentControls& controls, TableStore& store,
                             common::MessageService& messages, QWidget& window)
    : QObject(&window), m_controls(controls), m_store(store), m_messages(messages), m_window(window)
{
    connect(m_controls.quantity, &QLineEdit::textChanged, this, &DocumentPanel::PrzeliczPozycje);
    connect(m_controls.add, &QPushButton::clicked, this, &DocumentPanel::addLine);
    connect(m_controls.columns[0], &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectLine(m_controls.columns[0]->row(item)); });
    connect(m_controls.remove, &QPushButton::clicked, this, &DocumentPanel::removeFromLine);
    connect(m_controls.clear, &QPushButton::clicked, this, &DocumentPanel::clearDocument);
}

void DocumentPanel::WczytajListeTowarow()
{
    const auto entries = m_store.listEntries(Table::Magazyn);
    if (!entries) {
        showError(entries.error());
        return;
    }
    setComboEntries(*m_controls.goodsList, sortedEntryTexts(entries.value()));
    lista_towarowChange();
}

void DocumentPanel::chooseGoods(const QString& entry)
{
    WczytajListeTowarow();
    chooseComboEntry(*m_controls.goodsList, entry);
    lista_towarowChange();
}

void DocumentPanel::lista_towarowChange()
{
    // The current line follows the list: whatever was loaded before goes
    // first, so that a list showing no goods adds none, and a goods choice
    // ends the selection of a document line.
    m_document.dropGoods();
    m_goods.reset();
    m_controls.remove->setEnabled(false);
    const QString entry = m_controls.goodsList->currentText();
    if (m_controls.goodsList->currentIndex() < 0 || entry.isEmpty()) {
        return;
    }
    const auto id = m_store.findByEntry(Table::Magazyn, entry);
    if (!id || !*id) {
        if (!id) {
            showError(id.error());
        }
        return;
    }
    auto goods = m_store.get<Goods>(**id);
    if (!goods || !*goods) {
        if (!goods) {
            showError(goods.error());
        }
        return;
    }
    if (const auto loaded = m_document.loadGoods(**goods); !loaded) {
        refuse(loaded.error(), m_controls.goodsList);
        return;
    }
    m_goods = **goods;
    showCurrentLine();
    // A fresh choice shows the values of one unit.
    setQuantity(QStringLiteral("1"));
    PrzeliczPozycje(m_controls.quantity->text());
}

void DocumentPanel::PrzeliczPozycje(const QString& quantity)
{
    if (quantity.isEmpty() || !m_document.hasGoods()) {
        return;
    }
    if (m_document.recompute(quantity)) {
        m_controls.net->setText(m_document.currentLine().net);
        m_controls.vat->setText(m_document.currentLine().vat);
    }
}

void DocumentPanel::addLine()
{
    if (const auto refusal = m_document.add(m_controls.quantity->text())) {
        QWidget* focus = nullptr;
        if (*refusal == AddRefusal::TooManyLines) {
            focus = m_controls.firstPrint;
        } else if (*refusal != AddRefusal::NoGoods) {
            focus = *refusal == AddRefusal::UnknownRate
                        ? static_cast<QWidget*>(m_controls.goodsList)
                        : m_controls.quantity;
        }
        refuse(refusalText(*refusal, m_document.currentLine().rateText), focus);
        return;
    }
    showLines();
    m_controls.total->setText(m_document.totalToPay());
    setQuantity(QString());
    UstawKwoteSlownie();
}

void DocumentPanel::selectLine(int row)
{
    if (!m_document.selectLine(row)) {
        return;
    }
    m_controls.remove->setEnabled(true);
    showCurrentLine();
    setQuantity(QString());
    m_controls.net->clear();
    m_controls.vat->clear();
    m_controls.quantity->setFocus(Qt::OtherFocusReason);
}

void DocumentPanel::removeFromLine()
{
    const QString quantity = m_controls.quantity->text();
    switch (m_document.checkRemoval(quantity)) {
    case RemovalCheck::Ignored:
        return;
    case RemovalCheck::NoQuantity:
        refuse(kNoQuantity, m_controls.quantity);
        return;
    case RemovalCheck::NotPositive:
        refuse(QStringLiteral("Ilość do usunięcia musi być liczbą większą od zera."),
               m_controls.quantity);
        return;
    case RemovalCheck::TooLarge:
        refuse(QStringLiteral("Ilość towaru zaznaczonego do usunięcia jest większa od ilości na "
                              "fakturze. Proszę to skorygować."),
               m_controls.quantity);
        setQuantity(QString());
        return;
    case RemovalCheck::WholeLine: {
        const auto index = static_cast<std::size_t>(m_document.selectedIndex());
        const QString question = QStringLiteral("Czy usunąć ") + m_document.lines().at(index).name +
                                 QStringLiteral(" z faktury?");
        if (askYesNo(m_messages, &m_window, question, common::MessageIcon::Exclamation) &&
            m_document.removeSelectedLine()) {
            afterRemoval();
        }
        return;
    }
    case RemovalCheck::Reduce:
        if (m_document.reduceSelectedLine(quantity)) {
            afterRemoval();
        }
        return;
    }
}

void DocumentPanel::afterRemoval()
{
    m_controls.remove->setEnabled(false);
    showLines();
    m_controls.goodsList->setFocus(Qt::OtherFocusReason);
    m_controls.total->setText(m_document.totalToPay());
    setQuantity(QString());
    chooseComboEntry(*m_controls.goodsList, QString());
    m_goods.reset();
    UstawKwoteSlownie();
}

void DocumentPanel::clearDocument()
{
    if (!askYesNo(m_messages, &m_window,
                  QStringLiteral("Zostaną usunięte wszystkie pozycje z faktury. Czy kontynuować ?"),
                  common::MessageIcon::Exclamation)) {
        return;
    }
    m_document.clear();
    showLines();
    setQuantity(QString());
    for (QLineEdit* edit :
         {m_controls.unitPrice, m_controls.net, m_controls.vat, m_controls.unit}) {
        edit->clear();
    }
    m_controls.total->setText(m_document.totalToPay());
    m_controls.remove->setEnabled(false);
    chooseComboEntry(*m_controls.goodsList, QString());
    m_goods.reset();
}

void DocumentPanel::UstawKwoteSlownie()
{
    if (m_document.refreshAmountInWords()) {
        m_controls.total->setText(m_document.totalToPay());
        return;
    }
    showMessage(m_messages, &m_window, QStringLiteral("Błędnie wprowadzona wartość."),
                common::MessageIcon::Exclamation);
    m_controls.total->setFocus(Qt::OtherFocusReason);
    m_controls.total->setText(m_document.totalToPay());
}

void DocumentPanel::showCurrentLine()
{
    const CurrentLine& line = m_document.currentLine();
    m_controls.unitPrice->setText(line.unitPrice);
    m_controls.unit->setText(line.unit);
    m_controls.net->setText(line.net);
    m_controls.vat->setText(line.vat);
}

void DocumentPanel::showLines()
{
    std::array<QStringList, 4> texts;
    for (const DocumentLine& line : m_document.lines()) {
        texts[0] << line.name;
        texts[1] << line.unit;
        texts[2] << line.quantity;
        texts[3] << line.gross;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_controls.columns[i]->clear();
        m_controls.columns[i]->addItems(texts[i]);
    }
}

void DocumentPanel::setQuantity(const QString& text)
{
    // Typing recomputes; the program's own writes do not.
    const QSignalBlocker quiet(m_controls.quantity);
    m_controls.quantity->setText(text);
}

void DocumentPanel::refuse(const QString& text, QWidget* focus)
{
    showMessage(m_messages, &m_window, text, common::MessageIcon::Exclamation);
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

void DocumentPanel::showError(const QString& text)
{
    showMessage(m_messages, &m_window, text, common::MessageIcon::Error);
}

} // namespace kwitola::ui
