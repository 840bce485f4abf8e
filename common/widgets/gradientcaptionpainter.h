#pragma once

#include "common/widgets/captiongeometry.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

class QPainter;

namespace common {

// The gradient's two ends and the text colour of a caption.
struct CaptionColors
{
    QColor begin;
    QColor end;
    QColor font;

    bool operator==(const CaptionColors&) const = default;
};

// How a caption looks while its window is active and while it is not, the
// fonts of its two texts and the number of bands of its gradient.
struct CaptionLook
{
    CaptionColors active{{0, 0, 128}, {0, 0, 255}, {255, 255, 255}};
    CaptionColors inactive{{128, 128, 128}, {192, 192, 192}, {192, 192, 192}};
    QString applicationName;
    QFont applicationNameFont;
    QFont captionFont;
    int numColors = 64;
    bool autoSize = false;

    bool operator==(const CaptionLook&) const = default;
};

struct CaptionPaintInput
{
    CaptionLayout layout;
    QSize barSize; // the whole bar: top frame, caption and the line below
    CaptionColors colors;
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
