// Placing the main window's controls by the resize rule.
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/fakturalayout.h"
#include "kwitola/ui/tffaktura.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kwitola::ui {

namespace {

// The gap between two fields of the current line.
constexpr int kLinePairGap = 8;

void setHorizontal(QWidget& widget, const Span& span)
{
    widget.setGeometry(span.left, widget.y(), span.width, widget.height());
}

void setRightEdge(QWidget& widget, int right)
{
    widget.move(right - widget.width(), widget.y());
}

} // namespace

void TfFaktura::applyLayout()
{
    m_client->setGeometry(contentsRect());
    ResizeInput input;
    input.width = frameGeometry().width();
    input.height = frameGeometry().height();
    input.druk = {m_numberControls.kind->x(), m_numberControls.kind->width()};
    input.drukHeight = m_numberControls.kind->height();
    input.numberLeft = m_numberControls.number->x();
    input.addWidth = m_partyControls.b_dodaj1->width();
    input.correctWidth = m_partyControls.b_korekta1->width();
    input.removeWidth = m_partyControls.b_usun1->width();
    input.dayWidth = m_dates[0]->width();
    input.monthWidth = m_dates[1]->width();
    input.yearWidth = m_dates[2]->width();
    input.linesTop = m_lineControls.columns[0]->y();
    input.printButtonHeight = m_bottomRow[0]->height();
    input.totalHeight = m_lineControls.total->height();
    const MainLayout layout = computeMainLayout(input);
    for (QComboBox* list : {m_partyControls.lista_wystawcow, m_partyControls.lista_odbiorcow,
                            m_lineControls.goodsList}) {
        setHorizontal(*list, layout.lists);
    }
    const std::array<std::array<QPushButton*, 3>, 3> triples = {
        {{m_partyControls.b_dodaj1, m_partyControls.b_korekta1, m_partyControls.b_usun1},
         {m_partyControls.b_dodaj2, m_partyControls.b_korekta2, m_partyControls.b_usun2},
         {m_goodsControls.add, m_goodsControls.correct, m_goodsControls.remove}}};
    for (const auto& triple : triples) {
        setHorizontal(*triple[0], layout.add);
        setHorizontal(*triple[1], layout.correct);
        setHorizontal(*triple[2], layout.remove);
    }
    setHorizontal(*m_partyControls.find_nip, layout.search);
    setHorizontal(*m_partyControls.b_szukaj, layout.searchButton);
    setHorizontal(*m_partyControls.b_wszystkie, layout.fullList);
    for (QWidget* widget :
         {static_cast<QWidget*>(m_lineControls.add), static_cast<QWidget*>(m_lineControls.remove),
          static_cast<QWidget*>(m_lineControls.clear), static_cast<QWidget*>(Label4)}) {
        setHorizontal(*widget, layout.lineButtons);
    }
    const std::array<QLineEdit*, 5> lineEdits = {m_lineControls.unit, m_lineControls.quantity,
                                                 m_lineControls.unitPrice, m_lineControls.net,
                                                 m_lineControls.vat};
    const std::array<Span, 3> parts = {layout.day, layout.month, layout.year};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        setHorizontal(*m_dates[i], parts[i % 3]);
    }
    for (QLabel* caption : {Label9, wydania, Label13}) {
        setRightEdge(*caption, layout.dateCaptionRight);
    }
    for (std::size_t i = 0; i < m_lineControls.columns.size(); ++i) {
        const Span& column = layout.columns[i];
        m_lineControls.columns[i]->setGeometry(column.left, m_lineControls.columns[i]->y(),
                                               column.width, layout.columnHeight);
        m_columnTitles[i]->move(column.left, m_columnTitles[i]->y());
    }
    m_lineControls.total->move(m_lineControls.total->x(), layout.totalTop);
    Label17->move(Label17->x(), layout.totalLabelTop);
    for (std::size_t i = 0; i < m_bottomRow.size(); ++i) {
        const Span& button = layout.bottomRow[i];
        m_bottomRow[i]->setGeometry(button.left, layout.bottomRowTop, button.width,
                                    m_bottomRow[i]->height());
    }
    // The current line's fields share the lists' width.
    const int pairWidth = (layout.lists.width - 4 * kLinePairGap) / 5;
    for (std::size_t i = 0; i < m_lineCaptions.size(); ++i) {
        const Span pair{layout.lists.left + static_cast<int>(i) * (pairWidth + kLinePairGap),
                        pairWidth};
        setHorizontal(*m_lineCaptions[i], pair);
        setHorizontal(*lineEdits[i], pair);
    }
    // The details' dotted captions reach the lists' right edge.
    for (DottedLabel* caption : m_detailCaptions) {
        caption->resize(layout.lists.right() - caption->x(), caption->height());
    }
    placeDetailValues();
}

void TfFaktura::placeDetailValues()
{
    // Each value covers the dots under it and ends where its caption ends.
    for (std::size_t i = 0; i < m_partyControls.details.size(); ++i) {
        QLabel* value = m_partyControls.details[i];
        const DottedLabel* caption = m_detailCaptions[i];
        const int right = caption->x() + caption->width();
        const int width =
            value->text().isEmpty() ? 0 : value->fontMetrics().horizontalAdvance(value->text()) + 8;
        value->setGeometry(right - width, caption->y(), width, caption->height());
    }
}

} // namespace kwitola::ui
