#include "kwitola/ui/programmessages.h"

namespace kwitola::ui {

QString messageTitle()
{
    return QStringLiteral("Kwitola®");
}

common::Message programMessage(const QString& text, common::MessageIcon icon,
                               common::MessageButtons buttons,
                               std::optional<common::MessageAnswer> defaultAnswer)
{
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = icon;
    message.buttons = buttons;
    message.defaultAnswer =
        defaultAnswer.value_or(buttons == common::MessageButtons::Ok ? common::MessageAnswer::Ok
                                                                     : common::MessageAnswer::Yes);
    return message;
}

common::MessageAnswer showMessage(common::MessageService& messages, QWidget* parent,
                                  const QString& text, common::MessageIcon icon,
                                  common::MessageButtons buttons,
                                  std::optional<common::MessageAnswer> defaultAnswer)
{
    return messages.show(programMessage(text, icon, buttons, defaultAnswer), parent);
}

bool askYesNo(common::MessageService& messages, QWidget* parent, const QString& text,
              common::MessageIcon icon, common::MessageAnswer defaultAnswer)
{
    return showMessage(messages, parent, text, icon, common::MessageButtons::YesNo,
                       defaultAnswer) == common::MessageAnswer::Yes;
}

} // namespace kwitola::ui
