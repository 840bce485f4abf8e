#pragma once

#include "common/widgets/captiongeometry.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

class QPainter;

namespace common {

struct CaptionPaintInput
{
    CaptionLayout layout;
    QSize barSize; // the whole bar: top frame, caption and the line below
    QColor beginColor;
    QColor endColor;
    QColor fontColor;
    int numColors = 64;
    QIcon icon;
    QString applicationName;
    QFont applicationNameFont;
    QString caption;
    QFont captionFont;
    QPalette palette;
};

// The frame part of the bar, the gradient, the icon and the texts; the
// buttons are widgets of their own.
void paintCaption(QPainter& painter, const CaptionPaintInput& in);

struct CaptionButtonPaintInput
{
    QRect rect;
    CaptionButtonKind kind = CaptionButtonKind::Close;
    WindowShowState state = WindowShowState::Normal;
    bool pressed = false;
    bool enabled = true;
};

void paintCaptionButton(QPainter& painter, const CaptionButtonPaintInput& in,
                        const QPalette& palette);

// A sizing frame edge in the button-face colour with a dark outer line on the
// given outer sides.
void paintFrameEdge(QPainter& painter, const QRect& rect, Qt::Edges outer, const QPalette& palette);

} // namespace common
