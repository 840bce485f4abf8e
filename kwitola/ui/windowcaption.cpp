#include "kwitola/ui/windowcaption.h"

#include "common/widgets/gradientcaption.h"

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

} // namespace kwitola::ui
