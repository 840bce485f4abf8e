#pragma once

#include <QColor>
#include <QPixmap>

class QLabel;
class QPushButton;
class QWidget;

namespace karoskop {

// The colours of Karoskop's windows.
inline const QColor kBackgroundColour{28, 29, 55};
inline const QColor kTextColour{Qt::yellow};
inline const QColor kValueColour{Qt::white};
inline const QColor kHighlightColour{Qt::cyan};

// The dark tiled background and yellow texts of a Karoskop window.
void applyWindowLook(QWidget& window);

// A flat text button with a white bold caption that turns aqua under the
// mouse.
void applyButtonLook(QPushButton& button);

// A label drawn in the given colour over the window's background.
void setTextColour(QLabel& label, const QColor& colour);

// The program's logo, drawn at the given size.
QPixmap logoPixmap(int size);

// One tile of the window background.
QPixmap backgroundTile();

} // namespace karoskop
