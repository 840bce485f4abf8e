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
    fontColor_ = palette().color(QPalette::ButtonText);
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
    if (fontColor_ != color) {
        fontColor_ = color;
        update();
    }
}

void TTransparentButton::setGlyph(const QImage& glyph)
{
    glyph_ = glyph;
    if (!glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
        numGlyphs_ = glyphCellCount(glyph.size());
    }
    rebuildImages();
    update();
}

void TTransparentButton::setNumGlyphs(int count)
{
    const int kept = std::clamp(count, 1, 4);
    if (numGlyphs_ != kept) {
        numGlyphs_ = kept;
        rebuildImages();
        update();
    }
}

void TTransparentButton::setFrameStyle(TFrameStyle value)
{
    if (assign(frameStyle_, value)) {
        update();
    }
}

void TTransparentButton::setTransparent(bool value)
{
    if (assign(transparent_, value)) {
        update();
    }
}

void TTransparentButton::setBorderWidth(int value)
{
    if (assign(borderWidth_, value)) {
        update();
    }
}

void TTransparentButton::setShowPressed(bool value)
{
    if (assign(showPressed_, value)) {
        update();
    }
}

void TTransparentButton::setAutoGray(bool value)
{
    if (assign(autoGray_, value)) {
        update();
    }
}

void TTransparentButton::setTextAlign(TTextAlign value)
{
    if (assign(textAlign_, value)) {
        update();
    }
}

void TTransparentButton::setSpacing(int value)
{
    if (assign(spacing_, value)) {
        update();
    }
}

void TTransparentButton::setWordWrap(bool value)
{
    if (assign(wordWrap_, value)) {
        update();
    }
}

void TTransparentButton::setMovable(bool value)
{
    if (assign(movable_, value)) {
        update();
    }
}

void TTransparentButton::setDown(bool on)
{
    if (down_ != on) {
        down_ = on;
        shownPressed_ = on;
        update();
    }
}

void TTransparentButton::setPopUpMenu(QMenu* menu)
{
    popUpMenu_ = menu;
}

void TTransparentButton::rebuildImages()
{
    images_.clear();
    if (glyph_.isNull()) {
        return;
    }
    const int cellWidth = glyph_.width() / numGlyphs_;
    for (int i = 0; i < numGlyphs_; ++i) {
        images_.push_back(
            transparentGlyph(glyph_.copy(i * cellWidth, 0, cellWidth, glyph_.height())));
    }
    const QImage first = glyph_.copy(0, 0, cellWidth, glyph_.height());
    images_.push_back(transparentGlyph(grayGlyph(first)));
    const QPalette& pal = palette();
    images_.push_back(
        transparentGlyph(disabledGlyph(first, pal.color(QPalette::Button),
                                       pal.color(QPalette::Light), pal.color(QPalette::Dark))));
}

ButtonLookState TTransparentButton::lookState() const
{
    ButtonLookState s;
    s.transparent = transparent_;
    s.shownPressed = shownPressed_;
    s.showPressed = showPressed_;
    s.mouseOver = mouseOver_;
    s.down = down_;
    s.borderWidth = borderWidth_;
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
    ButtonPaintInput in{size(),     frameStyle_, lookState(), isEnabled(), autoGray_,
                        numGlyphs_, &images_,    text(),      font(),      fontColor_,
                        palette(),  textAlign_,  spacing_,    wordWrap_};
    QPainter painter(this);
    paintTransparentButton(painter, in);
}

void TTransparentButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!isEnabled() || tracking_) {
        return;
    }
    Q_EMIT mousePressed(event->button(), event->modifiers(), pos);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracking_ = true;
    pressPoint_ = pos;
    if (rect().contains(pos)) {
        capturedPress_ = true;
        shownPressed_ = true;
        update();
    }
    if (popUpMenu_ != nullptr) {
        popUpMenu_->exec(mapToGlobal(QPoint(0, height())));
        QCoreApplication::removePostedEvents(this, QEvent::MouseButtonRelease);
        finishPress(Qt::LeftButton, Qt::NoModifier, mapFromGlobal(QCursor::pos()));
    }
}

void TTransparentButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseMoved(event->modifiers(), pos);
    if (!tracking_) {
        return;
    }
    if (movable_) {
        move(this->pos() + pos - pressPoint_);
        return;
    }
    if (capturedPress_) {
        const bool pressed = rect().contains(pos) || down_;
        if (pressed != shownPressed_) {
            shownPressed_ = pressed;
            update();
        }
    }
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isEnabled() || !tracking_ || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    const bool click = capturedPress_ && rect().contains(pos);
    finishPress(event->button(), event->modifiers(), pos);
    if (click) {
        Q_EMIT clicked();
    }
}

void TTransparentButton::finishPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                     QPoint pos)
{
    tracking_ = false;
    capturedPress_ = false;
    if (!down_) {
        shownPressed_ = false;
    }
    update();
    Q_EMIT mouseReleased(button, modifiers, pos);
}

void TTransparentButton::enterEvent(QEnterEvent* /*event*/)
{
    if (isEnabled()) {
        mouseOver_ = true;
        Q_EMIT mouseEntered();
        update();
    }
}

void TTransparentButton::leaveEvent(QEvent* /*event*/)
{
    if (isEnabled()) {
        mouseOver_ = false;
        Q_EMIT mouseExited();
        update();
    }
}

void TTransparentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        mouseOver_ = false;
        tracking_ = false;
        capturedPress_ = false;
        shownPressed_ = down_;
        update();
    } else if (event->type() == QEvent::PaletteChange) {
        rebuildImages();
    }
    QAbstractButton::changeEvent(event);
}

} // namespace common
