#include "common/widgets/transparentbutton.h"

#include "common/widgets/glyphimages.h"
#include "common/widgets/propertyassign.h"
#include "common/widgets/transparentbuttonpainter.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace common {

TTransparentButton::TTransparentButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    m_fontColor = palette().color(QPalette::ButtonText);
    resize(40, 40);
}

void TTransparentButton::setCaption(const QString& caption)
{
    if (text() != caption) {
        setText(caption); // also takes the "&" accelerator as a shortcut
    }
}

void TTransparentButton::setFontColor(const QColor& color)
{
    if (m_fontColor != color) {
        m_fontColor = color;
        update();
    }
}

void TTransparentButton::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    if (!glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
        m_numGlyphs = glyphCellCount(glyph.size());
    }
    rebuildImages();
    update();
}

void TTransparentButton::setNumGlyphs(int count)
{
    const int kept = std::clamp(count, 1, 4);
    if (m_numGlyphs != kept) {
        m_numGlyphs = kept;
        rebuildImages();
        update();
    }
}

void TTransparentButton::setLook(const TransparentButtonLook& look)
{
    if (assign(m_look, look)) {
        update();
    }
}

void TTransparentButton::setDown(bool on)
{
    if (m_down != on) {
        m_down = on;
        m_shownPressed = on;
        update();
    }
}

void TTransparentButton::setPopUpMenu(QMenu* menu)
{
    m_popUpMenu = menu;
}

void TTransparentButton::rebuildImages()
{
    m_images.clear();
    if (m_glyph.isNull()) {
        return;
    }
    const int cellWidth = m_glyph.width() / m_numGlyphs;
    for (int i = 0; i < m_numGlyphs; ++i) {
        m_images.push_back(
            transparentGlyph(m_glyph.copy(i * cellWidth, 0, cellWidth, m_glyph.height())));
    }
    const QImage first = m_glyph.copy(0, 0, cellWidth, m_glyph.height());
    m_images.push_back(transparentGlyph(grayGlyph(first)));
    const QPalette& pal = palette();
    m_images.push_back(
        transparentGlyph(disabledGlyph(first, pal.color(QPalette::Button),
                                       pal.color(QPalette::Light), pal.color(QPalette::Dark))));
}

ButtonLookState TTransparentButton::lookState() const
{
    ButtonLookState s;
    s.transparent = m_look.transparent;
    s.shownPressed = m_shownPressed;
    s.showPressed = m_look.showPressed;
    s.mouseOver = m_mouseOver;
    s.down = m_down;
    s.borderWidth = m_look.borderWidth;
    return s;
}

bool TTransparentButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled()) {
            Q_EMIT clicked();
        }
        return true;
    }
    return QAbstractButton::event(event);
}

void TTransparentButton::paintEvent(QPaintEvent* /*event*/)
{
    ButtonPaintInput in{size(),          m_look.frameStyle, lookState(), isEnabled(),
                        m_look.autoGray, m_numGlyphs,       &m_images,   text(),
                        font(),          m_fontColor,       palette(),   m_look.textAlign,
                        m_look.spacing,  m_look.wordWrap};
    QPainter painter(this);
    paintTransparentButton(painter, in);
}

void TTransparentButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!isEnabled() || m_tracking) {
        return;
    }
    Q_EMIT mousePressed(event->button(), event->modifiers(), pos);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_tracking = true;
    m_pressPoint = pos;
    if (rect().contains(pos)) {
        m_capturedPress = true;
        m_shownPressed = true;
        update();
    }
    if (m_popUpMenu != nullptr) {
        m_popUpMenu->exec(mapToGlobal(QPoint(0, height())));
        QCoreApplication::removePostedEvents(this, QEvent::MouseButtonRelease);
        finishPress(Qt::LeftButton, Qt::NoModifier, mapFromGlobal(QCursor::pos()));
    }
}

void TTransparentButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseMoved(event->modifiers(), pos);
    if (!m_tracking) {
        return;
    }
    if (m_look.movable) {
        move(this->pos() + pos - m_pressPoint);
        return;
    }
    if (m_capturedPress) {
        const bool pressed = rect().contains(pos) || m_down;
        if (pressed != m_shownPressed) {
            m_shownPressed = pressed;
            update();
        }
    }
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isEnabled() || !m_tracking || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    const bool click = m_capturedPress && rect().contains(pos);
    finishPress(event->button(), event->modifiers(), pos);
    if (click) {
        Q_EMIT clicked();
    }
}

void TTransparentButton::finishPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                     QPoint pos)
{
    m_tracking = false;
    m_capturedPress = false;
    if (!m_down) {
        m_shownPressed = false;
    }
    update();
    Q_EMIT mouseReleased(button, modifiers, pos);
}

void TTransparentButton::enterEvent(QEnterEvent* /*event*/)
{
    if (isEnabled()) {
        m_mouseOver = true;
        Q_EMIT mouseEntered();
        update();
    }
}

void TTransparentButton::leaveEvent(QEvent* /*event*/)
{
    if (isEnabled()) {
        m_mouseOver = false;
        Q_EMIT mouseExited();
        update();
    }
}

void TTransparentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_mouseOver = false;
        m_tracking = false;
        m_capturedPress = false;
        m_shownPressed = m_down;
        update();
    } else if (event->type() == QEvent::PaletteChange) {
        rebuildImages();
    }
    QAbstractButton::changeEvent(event);
}

} // namespace common
