#pragma once

#include <QValidator>

class QLineEdit;

namespace kwitola::ui {

// Limits what the user can type into an edit to a number of characters.
// Unlike QLineEdit::setMaxLength it never cuts a longer text that the program
// puts into the edit (a settings file written by hand, say), and the user can
// still shorten such a text.
class LengthLimit final : public QValidator
{
    Q_OBJECT

public:
    LengthLimit(QLineEdit& edit, int maxLength);

    State validate(QString& input, int& pos) const override;
    int maxLength() const { return m_maxLength; }

private:
    int m_maxLength;
    // The length of the edit's text before the change being checked.
    qsizetype m_lastLength = 0;
};

// Installs a LengthLimit owned by the edit.
void limitLength(QLineEdit& edit, int maxLength);

} // namespace kwitola::ui
