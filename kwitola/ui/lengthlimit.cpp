#include "kwitola/ui/lengthlimit.h"

#include <QLineEdit>

namespace kwitola::ui {

LengthLimit::LengthLimit(QLineEdit& edit, int maxLength)
    : QValidator(&edit), m_maxLength(maxLength), m_lastLength(edit.text().size())
{
    // By the time validate() runs the edit already holds the changed text,
    // so the length before the change is kept here.
    connect(&edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_lastLength = text.size(); });
}

QValidator::State LengthLimit::validate(QString& input, int& /*pos*/) const
{
    const bool fits = input.size() <= m_maxLength;
    const bool shortens = input.size() <= m_lastLength;
    return fits || shortens ? Acceptable : Invalid;
}

void limitLength(QLineEdit& edit, int maxLength)
{
    edit.setValidator(new LengthLimit(edit, maxLength));
}

} // namespace kwitola::ui
