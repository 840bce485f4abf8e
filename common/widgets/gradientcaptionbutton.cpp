// The minimize, maximize/restore and close buttons of the caption.
#include "common/widgets/gradientcaption.h"
#include "common/widgets/gradientcaptionpainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace common {

TGradientCaptionButton::TGradientCaptionButton(CaptionButtonKind kind, TGradientCaption* caption)
    : QWidget(caption), m_kind(kind), m_caption(caption)
{}

void TGradientCaptionButton::paintEvent(QPaintEvent* /*event*/)
{
    const CaptionButtonState& state = m_caption->captionLayout().buttons[static_cast<int>(m_kind)];
    QPainter painter(this);
    paintCaptionButton(painter, {rect(), m_kind, m_caption->showState(), m_pressed, state.enabled},
                       palette());
}

bool TGradientCaptionButton::inHitArea(QPoint pos) const
{
    return captionButtonHitArea(geometry(), m_kind).contains(mapToParent(pos));
}

void TGradientCaptionButton::mousePressEvent(QMouseEvent* event)
{
    const auto& state = m_caption->captionLayout().buttons[static_cast<int>(m_kind)];
    if (event->button() != Qt::LeftButton || !state.enabled) {
        return;
    }
    m_pressed = true;
    m_tracking = true;
    update();
}

void TGradientCaptionButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_tracking) {
        return;
    }
    const bool inside = inHitArea(event->position().toPoint());
    if (inside != m_pressed) {
        m_pressed = inside;
        update();
    }
}

void TGradientCaptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_tracking || event->button() != Qt::LeftButton) {
        return;
    }
    m_tracking = false;
    m_pressed = false;
    update();
    if (inHitArea(event->position().toPoint())) {
        m_caption->sendSystemCommand(commandForCaptionButton(m_kind, m_caption->showState()));
    }
}

} // namespace common
