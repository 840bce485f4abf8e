#include "common/widgets/gradientcaption.h"

#include "common/widgets/gradientcaptionpainter.h"
#include "common/widgets/propertyassign.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>
#include <stdexcept>

namespace common {

namespace {

// Pixels the mouse moves with the button held before the window follows;
// small, so the window hardly lags behind the mouse, but not zero, so that a
// shaky double click stays a double click.
constexpr int kMoveThreshold = 2;

QWidget* checkedOwner(QWidget* owner)
{
    if (owner == nullptr || !owner->isWindow()) {
        throw std::invalid_argument("The GradientCaption's owner must be a Form!");
    }
    return owner;
}

struct EdgeCursor
{
    Qt::Edges edges;
    Qt::CursorShape shape;
};

const EdgeCursor edgeCursors[] = {
    {Qt::LeftEdge, Qt::SizeHorCursor},
    {Qt::RightEdge, Qt::SizeHorCursor},
    {Qt::TopEdge, Qt::SizeVerCursor},
    {Qt::BottomEdge, Qt::SizeVerCursor},
    {Qt::TopEdge | Qt::LeftEdge, Qt::SizeFDiagCursor},
    {Qt::BottomEdge | Qt::RightEdge, Qt::SizeFDiagCursor},
    {Qt::TopEdge | Qt::RightEdge, Qt::SizeBDiagCursor},
    {Qt::BottomEdge | Qt::LeftEdge, Qt::SizeBDiagCursor},
};

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    for (const EdgeCursor& entry : edgeCursors) {
        if (entry.edges == edges) {
            return entry.shape;
        }
    }
    return Qt::ArrowCursor;
}

} // namespace

// A sizing edge of the frame along the left, right or bottom side.
class CaptionFrameEdge final : public QWidget
{
public:
    CaptionFrameEdge(Qt::Edges outer, TGradientCaption* caption, QWidget* owner)
        : QWidget(owner), m_outer(outer), m_caption(caption)
    {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        paintFrameEdge(painter, rect(), m_outer, palette());
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_resizing) {
            const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
            parentWidget()->setGeometry(
                resizedGeometry(m_startGeometry, m_edges, delta, parentWidget()->minimumSize()));
            return;
        }
        setCursor(m_caption->isSizeable() ? cursorFor(edgesAt(event)) : Qt::ArrowCursor);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !m_caption->isSizeable()) {
            return;
        }
        m_edges = edgesAt(event);
        QWindow* window = parentWidget()->windowHandle();
        if (window != nullptr && window->startSystemResize(m_edges)) {
            return;
        }
        m_resizing = true;
        m_pressGlobal = event->globalPosition().toPoint();
        m_startGeometry = parentWidget()->geometry();
    }

    void mouseReleaseEvent(QMouseEvent* /*event*/) override { m_resizing = false; }

private:
    Qt::Edges edgesAt(QMouseEvent* event) const
    {
        const QPoint inOwner = mapToParent(event->position().toPoint());
        return resizeEdgesAt(inOwner, parentWidget()->size(), m_caption->m_layout.frameBorder,
                             m_caption->m_metrics.captionButtonWidth);
    }

    Qt::Edges m_outer;
    TGradientCaption* m_caption;
    bool m_resizing = false;
    Qt::Edges m_edges;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
};

TGradientCaption::TGradientCaption(QWidget* owner)
    : QWidget(checkedOwner(owner)), m_owner(owner), m_savedFlags(owner->windowFlags()),
      m_savedMargins(owner->contentsMargins())
{
    if (qobject_cast<QDialog*>(owner) != nullptr) {
        m_borderStyle = BorderStyle::Dialog;
    }
    m_look.applicationNameFont = owner->font();
    m_look.applicationNameFont.setBold(true);
    m_look.captionFont = owner->font();
    m_look.captionFont.setBold(false);
    m_metrics = frameMetricsFromStyle(owner);

    const bool wasVisible = owner->isVisible();
    owner->setWindowFlags(m_savedFlags | Qt::FramelessWindowHint);
    if (wasVisible) {
        owner->show();
    }
    for (const auto kind : {CaptionButtonKind::Close, CaptionButtonKind::Minimize,
                            CaptionButtonKind::Maximize, CaptionButtonKind::Help}) {
        m_buttons[static_cast<std::size_t>(kind)] = new TGradientCaptionButton(kind, this);
    }
    m_edges = {new CaptionFrameEdge(Qt::LeftEdge, this, owner),
               new CaptionFrameEdge(Qt::RightEdge, this, owner),
               new CaptionFrameEdge(Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge, this, owner)};
    setupSystemMenu();
    m_active = owner->isActiveWindow();
    owner->installEventFilter(this);
    connect(owner, &QObject::destroyed, this, [this] { m_ownerGone = true; });
    relayout();
    raiseDecorations();
}

TGradientCaption::~TGradientCaption()
{
    if (!m_ownerGone) {
        restoreOwner();
    }
}

void TGradientCaption::restoreOwner()
{
    m_owner->removeEventFilter(this);
    for (QWidget* edge : m_edges) {
        delete edge;
    }
    m_owner->setContentsMargins(m_savedMargins);
    const bool wasVisible = m_owner->isVisible();
    m_owner->setWindowFlags(m_savedFlags);
    if (wasVisible) {
        m_owner->show();
    }
}

void TGradientCaption::setLook(const CaptionLook& look)
{
    if (assign(m_look, look)) {
        relayout();
    }
}

void TGradientCaption::setCaptionFont(const QFont& font)
{
    setLook(changed(m_look, &CaptionLook::captionFont, font));
}

void TGradientCaption::setNumColors(int count)
{
    setLook(changed(m_look, &CaptionLook::numColors, count));
}

void TGradientCaption::setBorderStyle(BorderStyle value)
{
    if (assign(m_borderStyle, value)) {
        relayout();
    }
}

void TGradientCaption::setBorderIcons(BorderIcons icons)
{
    m_borderIcons = icons;
    relayout();
}

TGradientCaptionButton* TGradientCaption::button(CaptionButtonKind kind) const
{
    return m_buttons[static_cast<std::size_t>(kind)];
}

WindowShowState TGradientCaption::showState() const
{
    if (m_owner->isMinimized()) {
        return WindowShowState::Minimized;
    }
    return m_owner->isMaximized() ? WindowShowState::Maximized : WindowShowState::Normal;
}

bool TGradientCaption::isSizeable() const
{
    return m_borderStyle == BorderStyle::Sizeable || m_borderStyle == BorderStyle::SizeToolWin;
}

void TGradientCaption::relayout()
{
    m_layout = computeCaptionLayout(m_owner->size(), m_borderStyle, m_borderIcons,
                                    m_owner->isMinimized(), m_metrics);
    const int frame = m_layout.frameBorder;
    const int barHeight = frame + m_layout.captionHeight + (m_layout.captionHeight > 0 ? 1 : 0);
    const int w = m_owner->width();
    const int h = m_owner->height();
    setGeometry(0, 0, w, barHeight);
    for (TGradientCaptionButton* b : m_buttons) {
        const CaptionButtonState& state = m_layout.buttons[static_cast<int>(b->kind())];
        b->setGeometry(state.rect);
        b->setVisible(state.shown);
        b->update();
    }
    m_edges[0]->setGeometry(0, barHeight, frame, h - barHeight);
    m_edges[1]->setGeometry(w - frame, barHeight, frame, h - barHeight);
    m_edges[2]->setGeometry(0, h - frame, w, frame);
    for (QWidget* edge : m_edges) {
        edge->setVisible(frame > 0);
    }
    m_owner->setContentsMargins(frame, barHeight, frame, frame);
    update();
}

void TGradientCaption::raiseDecorations()
{
    raise();
    for (QWidget* edge : m_edges) {
        edge->raise();
    }
}

bool TGradientCaption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_systemMenu) {
        // The second click of a double click arrives as a double-click event.
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        return press && menuPressOnIcon(event);
    }
    if (watched != m_owner) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        relayout();
        break;
    case QEvent::WindowActivate:
        m_active = true;
        update();
        break;
    case QEvent::WindowDeactivate:
        m_active = false;
        update();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update();
        break;
    case QEvent::Show:
        raiseDecorations();
        break;
    case QEvent::ChildAdded:
        QTimer::singleShot(0, this, [this] { raiseDecorations(); });
        break;
    default:
        break;
    }
    return false;
}

void TGradientCaption::paintEvent(QPaintEvent* /*event*/)
{
    QIcon icon = m_owner->windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    }
    const CaptionPaintInput in{m_layout,
                               size(),
                               m_active ? m_look.active : m_look.inactive,
                               m_look.numColors,
                               icon,
                               m_look.applicationName,
                               m_look.applicationNameFont,
                               m_owner->windowTitle(),
                               m_look.captionFont,
                               palette()};
    QPainter painter(this);
    paintCaption(painter, in);
}

void TGradientCaption::mousePressEvent(QMouseEvent* event)
{
    m_owner->raise();
    m_owner->activateWindow();
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (!m_layout.caption.contains(pos)) {
        if (event->button() == Qt::LeftButton && isSizeable()) {
            startResize(resizeEdgesAt(pos, m_owner->size(), m_layout.frameBorder,
                                      m_metrics.captionButtonWidth),
                        global);
        }
        return;
    }
    if (event->button() == Qt::RightButton) {
        m_captionMenuPending = pos.x() < m_layout.buttonsArea.x();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!m_layout.icon.isEmpty() && m_layout.icon.contains(pos)) {
        if (m_menuClosedByIcon.isValid() && m_menuClosedByIcon.elapsed() < 200) {
            return;
        }
        m_lastIconPress.start();
        openSystemMenu(mapToGlobal(QPoint(m_layout.icon.x(), m_layout.caption.bottom() + 1)));
        return;
    }
    // The window manager's move starts with the first movement of the mouse,
    // not on the press: once it has the mouse, a double click never comes back.
    if (showState() != WindowShowState::Maximized) {
        m_movePending = true;
        m_pressGlobal = global;
    }
}

void TGradientCaption::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (m_movePending && (global - m_pressGlobal).manhattanLength() >= kMoveThreshold) {
        m_movePending = false;
        startMove(m_pressGlobal);
    }
    if (m_manualMove) {
        m_owner->move(global - m_moveOffset);
    }
}

void TGradientCaption::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_manualMove = false;
        m_movePending = false;
    } else if (event->button() == Qt::RightButton && m_captionMenuPending) {
        m_captionMenuPending = false;
        openSystemMenu(event->globalPosition().toPoint());
    }
}

void TGradientCaption::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!m_layout.icon.isEmpty() && m_layout.icon.contains(pos)) {
        m_systemMenu->hide();
        sendSystemCommand(SystemCommand::Close);
        return;
    }
    if (m_layout.text.contains(pos)) {
        textDoubleClicked();
    }
}

void TGradientCaption::textDoubleClicked()
{
    const CaptionButtonState& maximize =
        m_layout.buttons[static_cast<int>(CaptionButtonKind::Maximize)];
    if (maximize.shown && maximize.enabled) {
        sendSystemCommand(showState() == WindowShowState::Maximized ? SystemCommand::Restore
                                                                    : SystemCommand::Maximize);
    }
}

FrameMetrics frameMetricsFromStyle(const QWidget* widget)
{
    const QStyle* style = widget->style();
    QStyleOptionTitleBar option;
    option.initFrom(widget);
    option.titleBarFlags = Qt::Window;
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, &option, widget);
    option.titleBarFlags = Qt::Tool;
    const int toolTitle = style->pixelMetric(QStyle::PM_TitleBarHeight, &option, widget);
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, widget);

    FrameMetrics m;
    m.captionHeight = std::max(19, title + 1);
    // Styles that make tool windows' title bars as high as others' still get a
    // smaller caption for the tool-window borders.
    m.smallCaptionHeight =
        toolTitle < title ? std::max(15, toolTitle + 1) : std::max(15, m.captionHeight * 3 / 4);
    m.captionButtonHeight = m.captionHeight - 1;
    m.captionButtonWidth = m.captionButtonHeight;
    m.smallCaptionButtonWidth = m.smallCaptionHeight - 2;
    m.fixedFrame = std::max(3, frame);
    m.sizingFrame = m.fixedFrame + 1;
    return m;
}

} // namespace common
