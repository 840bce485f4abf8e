#include "karoskop/ui/messages.h"

namespace karoskop {

common::Message karoskopMessage(const QString& text, common::MessageIcon icon)
{
    common::Message message;
    message.text = text;
    message.title = QStringLiteral("Karoskop");
    message.icon = icon;
    return message;
}

common::Message karoskopQuestion(const QString& text)
{
    common::Message question;
    question.text = text;
    // Questions carry the registered name.
    question.title = QStringLiteral("Karoskop®");
    question.icon = common::MessageIcon::Question;
    question.buttons = common::MessageButtons::YesNo;
    question.defaultAnswer = common::MessageAnswer::No;
    return question;
}

} // namespace karoskop
