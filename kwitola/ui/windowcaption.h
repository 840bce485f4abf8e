#pragma once

#include <QString>

class QWidget;

namespace kwitola::ui {

// Every Kwitola window gets its caption here, so the caption bar's look is
// decided in one place.
void installCaption(QWidget& window, const QString& text);

} // namespace kwitola::ui
