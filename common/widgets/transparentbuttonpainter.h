#pragma once

#include "common/widgets/buttongeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>
#include <vector>

class QPainter;

namespace common {

// Everything one paint of a transparent button needs.
struct ButtonPaintInput
{
    QSize size;
    TFrameStyle style = TFrameStyle::fsExplorer;
    ButtonLookState look;
    bool enabled = true;
    bool autoGray = true;
    int numGlyphs = 1;
    const std::vector<QImage>* images = nullptr; // cells, grey, disabled
    QString caption;
    QFont font;
    QColor fontColor;
    QPalette palette;
    TTextAlign align = TTextAlign::ttaCenter;
    int spacing = 2;
    bool wordWrap = false;
};

QColor frameColor(FrameColor role, const QPalette& palette);

// The caption colour of a disabled button: the caption's own colour turned
// grey and moved towards middle grey, so that it reads as greyed out yet
// stays legible over a light or a dark background (white gives 179, black 76).
QColor disabledCaptionColor(const QColor& fontColor);

// Draws a 3D frame inside rect (top and left lines in topLeft, bottom and
// right in bottomRight, width lines deep) and shrinks rect by width.
void drawFrame3D(QPainter& painter, QRect& rect, QColor topLeft, int width, QColor bottomRight);

// Size of the caption as laid out on a button of the given width.
QSize captionTextSize(const QString& caption, const QFont& font, bool wordWrap, int width);

void paintTransparentButton(QPainter& painter, const ButtonPaintInput& in);

} // namespace common
