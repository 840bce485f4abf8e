#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QFont;

class QLabel;
class QWidget;

namespace common {
class TGradientCaption;
class TTransparentButton;
} // namespace common

namespace karoskop {

// The colours of Karoskop's windows.
inline const QColor kBackgroundColour{28, 29, 55};
inline const QColor kTextColour{Qt::yellow};
inline const QColor kValueColour{Qt::white};
inline const QColor kHighlightColour{Qt::cyan};

// The dark tiled background and yellow texts of a Karoskop window. The tiles
// fill the window's client area (its contents rectangle) and follow its size.
void applyWindowLook(QWidget& window);

// The same look for a dialog, its tiles painted by a background control that
// repaints only what needs it.
void applyDialogLook(QWidget& window);

// A flat transparent text button, 29 high, with a bold caption in
// captionColour that turns hoverColour while the mouse is over it (no change
// when hoverColour is empty).
void applyButtonLook(common::TTransparentButton& button, const QColor& captionColour = Qt::white,
                     std::optional<QColor> hoverColour = kHighlightColour);

// The window's own title bar: black to fuchsia while active, in the given
// text colour. Call before placing the controls: it sets the client area.
common::TGradientCaption* applyCaptionLook(QWidget& window, const QColor& textColour);

// A label in bold or plain Arial of the given pixel size, drawn in the given
// colour over the window's background.
QLabel* makeTextLabel(QWidget* parent, const QString& name, const QString& text, int pixelSize,
                      bool bold, const QColor& colour = kTextColour);

// A transparent text button with the window's button look.
common::TTransparentButton* makeTextButton(QWidget* parent, const char* name, const QString& text,
                                           const QString& hint);

// A label drawn in the given colour over the window's background.
void setTextColour(QLabel& label, const QColor& colour);

// The program's logo, drawn at the given size.
QPixmap logoPixmap(int size);

// One tile of the window background, from the program's resources.
QPixmap backgroundTile();

// For a window's resize: keeps a window that is not maximised at an outer
// size (frame included) that clamp allows, and lays it out with layOut
// unless it had to be resized for that (the layout then waits for the
// resize to come).
void holdOuterSizeOrLayOut(QWidget& window, QSize (*clamp)(QSize outer),
                           const std::function<void()>& layOut);

// font, made smaller step by step until caption fits into width (down to
// a smallest readable size), so that a narrow button shows its whole caption.
QFont fittedFont(QFont font, const QString& caption, int width);

} // namespace karoskop
