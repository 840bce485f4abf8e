#include "common/widgets/backgrounds.h"

#include "common/widgets/propertyassign.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace common {

TTiledBitmap::TTiledBitmap(QWidget* parent) : QWidget(parent) {}

void TTiledBitmap::setBitMap(const QImage& picture)
{
    m_bitMap = picture;
    update();
}

void TTiledBitmap::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    for (const QPoint& origin : tileOrigins(size(), m_bitMap.size())) {
        painter.drawImage(origin, m_bitMap);
    }
}

void paintBackground(QPainter& painter, const QRect& area, const BackgroundLook& look)
{
    const BackgroundFill& fill = look.fill;
    const QImage& picture = fill.picture;
    const bool hasPicture = !picture.isNull();
    switch (fill.style) {
    case TBackStyle::bgSingleColor:
        painter.fillRect(area, fill.color1);
        return;
    case TBackStyle::bgSmooth:
        for (int y = area.y(); y < area.y() + area.height(); ++y) {
            painter.fillRect(QRect(area.x(), y, area.width(), 1),
                             smoothRowColor(y, look.control.height(), fill.color1, fill.color2));
        }
        return;
    case TBackStyle::bgSingleBitmap: {
        painter.fillRect(area, fill.color1);
        if (hasPicture) {
            const QRect covered = area.intersected(picture.rect());
            painter.drawImage(covered.topLeft(), picture, covered);
        }
        return;
    }
    case TBackStyle::bgTileBitmap:
        if (hasPicture) {
            for (const TilePiece& piece : tilePieces(area, picture.size())) {
                painter.drawImage(piece.target, picture, piece.source);
            }
        }
        return;
    }
}

TBackground::TBackground(QWidget* parent) : QWidget(parent)
{
    resize(144, 144);
}

void TBackground::setFill(const BackgroundFill& fill)
{
    if (m_fill != fill) {
        m_fill = fill;
        m_fill.picture = fill.picture.copy();
        update();
    }
}

void TBackground::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect(), BackgroundLook{m_fill, size()});
}

void TBackground::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TBackground::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event->modifiers(), event->position().toPoint());
}

void TBackground::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void TBackground::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    Q_EMIT doubleClicked();
}

void paintColorPanel(QPainter& painter, const QRect& rect, const ColorPanelLook& look)
{
    painter.fillRect(rect, look.color);
    const QColor light = lightShade(look.color);
    const QColor dark = darkShade(look.color);
    const int inset = look.bevelWidth + look.borderWidth;
    const QRect outer = rect.adjusted(inset, inset, -inset, -inset);
    for (const BevelBand& band : bevelBands(outer, look.bevelWidth, look.bevelOuter)) {
        painter.fillRect(band.rect, band.light ? light : dark);
    }
    for (const BevelBand& band : bevelBands(rect, look.bevelWidth, look.bevelInner)) {
        painter.fillRect(band.rect, band.light ? light : dark);
    }
    if (look.borderStyle == PanelBorderStyle::Single) {
        painter.setPen(Qt::black);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

TColorPanel::TColorPanel(QWidget* parent) : QWidget(parent)
{
    m_look.color = palette().color(QPalette::Window);
    if (auto* panel = qobject_cast<TColorPanel*>(parent)) {
        m_look.color = panel->color();
    } else if (parent != nullptr && parent->isWindow()) {
        m_look.color = parent->palette().color(QPalette::Window);
    }
}

void TColorPanel::setLook(const ColorPanelLook& look)
{
    if (assign(m_look, look)) {
        update();
    }
}

void TColorPanel::setColor(const QColor& color)
{
    setLook(changed(m_look, &ColorPanelLook::color, color));
}

void TColorPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TColorPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintColorPanel(painter, rect(), m_look);
}

} // namespace common
