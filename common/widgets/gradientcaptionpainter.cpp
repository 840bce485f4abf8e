#include "common/widgets/gradientcaptionpainter.h"

#include <QPainter>
#include <qdrawutil.h>

namespace common {

namespace {

enum class Glyph { Close, Minimize, Maximize, Restore, Help };

Glyph glyphFor(CaptionButtonKind kind, WindowShowState state)
{
    switch (kind) {
    case CaptionButtonKind::Close:
        return Glyph::Close;
    case CaptionButtonKind::Minimize:
        return state == WindowShowState::Minimized ? Glyph::Restore : Glyph::Minimize;
    case CaptionButtonKind::Maximize:
        return state == WindowShowState::Maximized ? Glyph::Restore : Glyph::Maximize;
    case CaptionButtonKind::Help:
        return Glyph::Help;
    }
    return Glyph::Close;
}

// A window outline with the thick top edge of a title bar.
void drawWindowGlyph(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.fillRect(QRect(r.x(), r.y(), r.width(), 2), color);
    painter.fillRect(QRect(r.x(), r.y(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.y(), 1, r.height()), color);
    painter.fillRect(QRect(r.x(), r.bottom(), r.width(), 1), color);
}

// The classic pictures of the caption buttons, drawn in a square box.
void drawGlyph(QPainter& painter, Glyph glyph, const QRect& box, const QColor& color)
{
    const int s = box.width();
    switch (glyph) {
    case Glyph::Close: {
        painter.setPen(QPen(color, 1.6));
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QRectF r = QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomLeft());
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    case Glyph::Minimize:
        painter.fillRect(QRect(box.x() + 1, box.bottom() - 1, s / 2 + 1, 2), color);
        break;
    case Glyph::Maximize:
        drawWindowGlyph(painter, box, color);
        break;
    case Glyph::Restore: {
        const int w = s * 2 / 3;
        drawWindowGlyph(painter, QRect(box.x() + s - w, box.y(), w, w), color);
        const QRect front(box.x(), box.y() + s - w, w, w);
        painter.fillRect(front, painter.background());
        drawWindowGlyph(painter, front, color);
        break;
    }
    case Glyph::Help: {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(s + 2);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(box.adjusted(-2, -2, 2, 2), Qt::AlignCenter, "?");
        break;
    }
    }
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
         gradientBands(cap.x(), cap.width(), in.colors.begin, in.colors.end, in.numColors)) {
        painter.fillRect(QRect(band.left, cap.y(), band.right - band.left, cap.height()),
                         band.color);
    }
    const QRect iconRect = in.layout.icon.adjusted(2, 1, 0, -1);
    if (iconRect.width() > 0 && iconRect.height() > 0) {
        in.icon.paint(&painter, iconRect);
    }
    const CaptionTextPlacement text = placeCaptionText(
        in.layout.text, in.applicationName, in.applicationNameFont, in.caption, in.captionFont);
    painter.setPen(in.colors.font);
    if (!in.applicationName.isEmpty()) {
        painter.setFont(in.applicationNameFont);
        painter.drawText(text.applicationName, textFlags | Qt::TextDontClip, in.applicationName);
    }
    painter.setFont(in.captionFont);
    painter.drawText(text.caption, textFlags, text.shownCaption);
}

void paintCaptionButton(QPainter& painter, const CaptionButtonPaintInput& in,
                        const QPalette& palette)
{
    const QBrush& face = palette.brush(QPalette::Button);
    qDrawWinButton(&painter, in.rect, palette, in.pressed, &face);
    const int side = std::max(3, std::min(in.rect.width() - 6, in.rect.height() - 5));
    QRect box(0, 0, side, side);
    box.moveCenter(in.rect.center() + (in.pressed ? QPoint(1, 1) : QPoint(0, 0)));
    painter.setBackground(face);
    const Glyph glyph = glyphFor(in.kind, in.state);
    if (!in.enabled) {
        drawGlyph(painter, glyph, box.translated(1, 1), palette.color(QPalette::Light));
        drawGlyph(painter, glyph, box, palette.color(QPalette::Dark));
        return;
    }
    drawGlyph(painter, glyph, box, palette.color(QPalette::ButtonText));
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
