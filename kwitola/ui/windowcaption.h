#pragma once

#include <QString>

class QWidget;

namespace kwitola::ui {

enum class CaptionStyle {
    MainWindow, // sizeable, with minimise, maximise and close buttons
    Dialog,     // fixed frame, no caption buttons: closed by its own buttons
    Plain,      // the window system's own title bar (the print form)
};

// Every Kwitola window gets its caption here, so the caption bar's look is
// decided in one place: navy to blue with white text while active, grey to
// silver with silver text while inactive, 64 colour steps.
void installCaption(QWidget& window, const QString& text,
                    CaptionStyle style = CaptionStyle::Dialog);

} // namespace kwitola::ui
