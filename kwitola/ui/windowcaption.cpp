#include "kwitola/ui/windowcaption.h"

#include "kwitola/ui/services.h"

#include <QWidget>

namespace kwitola::ui {

void installCaption(QWidget& window, const QString& text)
{
    window.setWindowTitle(text);
}

QString messageTitle()
{
    return QStringLiteral("Kwitola®");
}

} // namespace kwitola::ui
