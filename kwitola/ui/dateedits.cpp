#include "kwitola/ui/dateedits.h"

#include "kwitola/core/documentheader.h"

#include <QDate>
#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>

namespace kwitola::ui {

namespace {

constexpr std::size_t kAdvanceYear = DateEdits::kCount - 1;

} // namespace

DateEdits::DateEdits(const Edits& edits, DocumentHeader& header, QObject* parent)
    : QObject(parent), m_edits(edits), m_header(header)
{
    static_assert(kCount == DocumentHeader::kDateParts);
    for (std::size_t i = 0; i < kCount; ++i) {
        m_edits[i]->installEventFilter(this);
        m_header.dateParts[i] = m_edits[i]->text();
        connect(m_edits[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { m_header.dateParts[i] = text; });
    }
    makeNoTabStops();
}

void DateEdits::setToday(const QDate& today)
{
    m_header.setToday(today);
    showHeader();
}

void DateEdits::clear()
{
    m_header.dateParts = {};
    showHeader();
}

void DateEdits::showHeader()
{
    for (std::size_t i = 0; i < kCount; ++i) {
        if (m_edits[i]->text() != m_header.dateParts[i]) {
            m_edits[i]->setText(m_header.dateParts[i]);
        }
    }
}

void DateEdits::makeNoTabStops()
{
    for (QLineEdit* edit : m_edits) {
        edit->setFocusPolicy(Qt::ClickFocus);
    }
}

bool DateEdits::eventFilter(QObject* watched, QEvent* event)
{
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    const auto found = std::find(m_edits.begin(), m_edits.end(), edit);
    if (found != m_edits.end()) {
        const auto index = static_cast<std::size_t>(found - m_edits.begin());
        if (event->type() == QEvent::KeyPress) {
            keyPressedIn(index);
        } else if (event->type() == QEvent::FocusOut) {
            // Another window coming to the front does not leave the edit.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                left(index);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void DateEdits::keyPressedIn(std::size_t index)
{
    for (std::size_t later = index + 1; later < kCount; ++later) {
        m_edits[later]->setFocusPolicy(Qt::StrongFocus);
    }
}

void DateEdits::left(std::size_t index)
{
    m_header.copyForward(index);
    showHeader();
    if (index == kAdvanceYear) {
        makeNoTabStops();
    }
}

} // namespace kwitola::ui
