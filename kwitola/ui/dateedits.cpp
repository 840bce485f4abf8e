#include "kwitola/ui/dateedits.h"

#include <QDate>
#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>

namespace kwitola::ui {

namespace {

constexpr std::size_t kParts = 3; // day, month, year
constexpr std::size_t kAdvanceYear = DateEdits::kCount - 1;

} // namespace

DateEdits::DateEdits(const Edits& edits, QObject* parent) : QObject(parent), m_edits(edits)
{
    for (QLineEdit* edit : m_edits) {
        edit->installEventFilter(this);
    }
    makeNoTabStops();
}

void DateEdits::setToday(const QDate& today)
{
    const std::array<QString, kParts> parts = {
        QStringLiteral("%1").arg(today.day(), 2, 10, QLatin1Char('0')),
        QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0')),
        QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0'))};
    for (std::size_t part = 0; part < kParts; ++part) {
        m_edits[part]->setText(parts[part]);
        m_edits[kParts + part]->setText(parts[part]);
        m_edits[2 * kParts + part]->setText(QStringLiteral("-"));
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
    // The same part of the next date is three edits on: issue copies to
    // delivery and advance payment, delivery to advance payment.
    const QString text = m_edits[index]->text();
    for (std::size_t target = index + kParts; target < kCount; target += kParts) {
        m_edits[target]->setText(text);
    }
    if (index == kAdvanceYear) {
        makeNoTabStops();
    }
}

} // namespace kwitola::ui
