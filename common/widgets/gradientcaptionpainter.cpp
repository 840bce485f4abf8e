#include "common/widgets/gradientcaptionpainter.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace common {

namespace {

QStyle::StandardPixmap buttonPixmap(CaptionButtonKind kind, WindowShowState state)
{
    switch (kind) {
    case CaptionButtonKind::Close:
        return QStyle::SP_TitleBarCloseButton;
    case CaptionButtonKind::Minimize:
        return state == WindowShowState::Minimized ? QStyle::SP_TitleBarNormalButton
                                                   : QStyle::SP_TitleBarMinButton;
    case CaptionButtonKind::Maximize:
        return state == WindowShowState::Maximized ? QStyle::SP_TitleBarNormalButton
                                                   : QStyle::SP_TitleBarMaxButton;
    case CaptionButtonKind::Help:
        return QStyle::SP_TitleBarContextHelpButton;
    }
    return QStyle::SP_TitleBarCloseButton;
}

constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

void paintCaption(QPainter& painter, const CaptionPaintInput& in)
{
    painter.fillRect(QRect(QPoint(0, 0), in.barSize), in.palette.color(QPalette::Button));
    if (in.layout.frameBorder > 0) {
        paintFrameEdge(painter, QRect(QPoint(0, 0), in.barSize),
                       Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge, in.palette);
    }
    const QRect& cap = in.layout.caption;
    for (const GradientBand& band :
         gradientBands(cap.x(), cap.width(), in.beginColor, in.endColor, in.numColors)) {
        painter.fillRect(QRect(band.left, cap.y(), band.right - band.left, cap.height()),
                         band.color);
    }
    const QRect iconRect = in.layout.icon.adjusted(2, 1, 0, -1);
    if (iconRect.width() > 0 && iconRect.height() > 0) {
        in.icon.paint(&painter, iconRect);
    }
    const CaptionTextPlacement text = placeCaptionText(
        in.layout.text, in.applicationName, in.applicationNameFont, in.caption, in.captionFont);
    painter.setPen(in.fontColor);
    if (!in.applicationName.isEmpty()) {
        painter.setFont(in.applicationNameFont);
        painter.drawText(text.applicationName, textFlags | Qt::TextDontClip, in.applicationName);
    }
    painter.setFont(in.captionFont);
    painter.drawText(text.caption, textFlags, text.shownCaption);
}

void paintCaptionButton(QPainter& painter, const CaptionButtonPaintInput& in, const QStyle& style,
                        const QPalette& palette)
{
    const QBrush& face = palette.brush(QPalette::Button);
    qDrawWinButton(&painter, in.rect, palette, in.pressed, &face);
    const int side = std::max(1, std::min(in.rect.width(), in.rect.height()) - 4);
    const QIcon icon = style.standardIcon(buttonPixmap(in.kind, in.state));
    const QPoint shift = in.pressed ? QPoint(1, 1) : QPoint(0, 0);
    QRect iconRect(0, 0, side, side);
    iconRect.moveCenter(in.rect.center() + shift);
    icon.paint(&painter, iconRect, Qt::AlignCenter, in.enabled ? QIcon::Normal : QIcon::Disabled);
}

void paintFrameEdge(QPainter& painter, const QRect& rect, Qt::Edges outer, const QPalette& palette)
{
    painter.fillRect(rect, palette.color(QPalette::Button));
    const QColor line = palette.color(QPalette::Shadow);
    const QColor light = palette.color(QPalette::Light);
    if (outer.testFlag(Qt::TopEdge)) {
        painter.fillRect(QRect(rect.x(), rect.y() + 1, rect.width(), 1), light);
        painter.fillRect(QRect(rect.x(), rect.y(), rect.width(), 1), line);
    }
    if (outer.testFlag(Qt::LeftEdge)) {
        painter.fillRect(QRect(rect.x() + 1, rect.y(), 1, rect.height()), light);
        painter.fillRect(QRect(rect.x(), rect.y(), 1, rect.height()), line);
    }
    if (outer.testFlag(Qt::RightEdge)) {
        painter.fillRect(QRect(rect.x() + rect.width() - 1, rect.y(), 1, rect.height()), line);
    }
    if (outer.testFlag(Qt::BottomEdge)) {
        painter.fillRect(QRect(rect.x(), rect.y() + rect.height() - 1, rect.width(), 1), line);
    }
}

} // namespace common
