#include "kwitola/ui/windowcaption.h"

#include "common/widgets/gradientcaption.h"
#include "kwitola/ui/services.h"

#include <QWidget>

namespace kwitola::ui {

void installCaption(QWidget& window, const QString& text, CaptionStyle style)
{
    window.setWindowTitle(text);
    if (style == CaptionStyle::Plain) {
        return;
    }
    // The component's defaults are the program's colours; the program name
    // in the caption is drawn bold.
    auto* caption = new common::TGradientCaption(&window);
    caption->setObjectName(QStringLiteral("GradientCaption"));
    caption->setNumColors(64);
    QFont bold = caption->captionFont();
    bold.setBold(true);
    caption->setCaptionFont(bold);
    if (style == CaptionStyle::Dialog) {
        common::BorderIcons none;
        none.systemMenu = false;
        none.minimize = false;
        none.maximize = false;
        caption->setBorderStyle(common::BorderStyle::Dialog);
        caption->setBorderIcons(none);
    }
}

QString messageTitle()
{
    return QStringLiteral("Kwitola®");
}

common::MessageAnswer showMessage(common::MessageService& messages, QWidget* parent,
                                  const QString& text, common::MessageIcon icon,
                                  common::MessageButtons buttons,
                                  common::MessageAnswer defaultAnswer)
{
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = icon;
    message.buttons = buttons;
    message.defaultAnswer = defaultAnswer;
    return messages.show(message, parent);
}

} // namespace kwitola::ui
