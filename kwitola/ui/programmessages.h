#pragma once

#include "common/seams/messageservice.h"

#include <QString>
#include <optional>

class QWidget;

namespace kwitola::ui {

// The title of the program's own message boxes.
[[nodiscard]] QString messageTitle();

// One of the program's message boxes: every window builds its messages here.
// It carries the program's title; a box with more buttons than "OK"
// defaults to Yes unless another default answer is given.
[[nodiscard]] common::Message
programMessage(const QString& text, common::MessageIcon icon,
               common::MessageButtons buttons = common::MessageButtons::Ok,
               std::optional<common::MessageAnswer> defaultAnswer = std::nullopt);

// Shows one of the program's message boxes over parent and answers the
// button pressed.
common::MessageAnswer
showMessage(common::MessageService& messages, QWidget* parent, const QString& text,
            common::MessageIcon icon, common::MessageButtons buttons = common::MessageButtons::Ok,
            std::optional<common::MessageAnswer> defaultAnswer = std::nullopt);

// Asks a question with Yes and No over parent; true when the answer is Yes.
[[nodiscard]] bool askYesNo(common::MessageService& messages, QWidget* parent, const QString& text,
                            common::MessageIcon icon,
                            common::MessageAnswer defaultAnswer = common::MessageAnswer::Yes);

} // namespace kwitola::ui
