#pragma once

#include "kwitola/core/printjob.h"

class QWidget;

namespace kwitola::ui {

// The main window's values a print job reads, found by the names of its
// controls: the nine date edits, the payment list, the two party lists and
// the number field; and the kind chosen in the kind list.
[[nodiscard]] DocumentFields documentFields(const QWidget& mainWindow, const QString& printerName);
[[nodiscard]] const DocumentKind& chosenKind(const QWidget& mainWindow);

} // namespace kwitola::ui
