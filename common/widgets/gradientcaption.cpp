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

struct MenuItem
{
    const char* text;
    SystemCommand command;
};

// Texts of the system menu, in menu order; close follows a separator.
const MenuItem menuItems[] = {
    {"&Przywróć", SystemCommand::Restore},      {"&Przenieś", SystemCommand::Move},
    {"&Rozmiar", SystemCommand::Size},          {"Mi&nimalizuj", SystemCommand::Minimize},
    {"Ma&ksymalizuj", SystemCommand::Maximize}, {"&Zamknij\tAlt+F4", SystemCommand::Close},
};

} // namespace

// A sizing edge of the frame along the left, right or bottom side.
class CaptionFrameEdge final : public QWidget
{
public:
    CaptionFrameEdge(Qt::Edges outer, TGradientCaption* caption, QWidget* owner)
        : QWidget(owner), outer_(outer), caption_(caption)
    {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        paintFrameEdge(painter, rect(), outer_, palette());
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (resizing_) {
            const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
            parentWidget()->setGeometry(
                resizedGeometry(startGeometry_, edges_, delta, parentWidget()->minimumSize()));
            return;
        }
        setCursor(caption_->isSizeable() ? cursorFor(edgesAt(event)) : Qt::ArrowCursor);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !caption_->isSizeable()) {
            return;
        }
        edges_ = edgesAt(event);
        QWindow* window = parentWidget()->windowHandle();
        if (window != nullptr && window->startSystemResize(edges_)) {
            return;
        }
        resizing_ = true;
        pressGlobal_ = event->globalPosition().toPoint();
        startGeometry_ = parentWidget()->geometry();
    }

    void mouseReleaseEvent(QMouseEvent* /*event*/) override { resizing_ = false; }

private:
    Qt::Edges edgesAt(QMouseEvent* event) const
    {
        const QPoint inOwner = mapToParent(event->position().toPoint());
        return resizeEdgesAt(inOwner, parentWidget()->size(), caption_->layout_.frameBorder,
                             caption_->metrics_.captionButtonWidth);
    }

    Qt::Edges outer_;
    TGradientCaption* caption_;
    bool resizing_ = false;
    Qt::Edges edges_;
    QPoint pressGlobal_;
    QRect startGeometry_;
};

TGradientCaptionButton::TGradientCaptionButton(CaptionButtonKind kind, TGradientCaption* caption)
    : QWidget(caption), kind_(kind), caption_(caption)
{}

void TGradientCaptionButton::paintEvent(QPaintEvent* /*event*/)
{
    const CaptionButtonState& state = caption_->captionLayout().buttons[static_cast<int>(kind_)];
    QPainter painter(this);
    paintCaptionButton(painter, {rect(), kind_, caption_->showState(), pressed_, state.enabled},
                       palette());
}

bool TGradientCaptionButton::inHitArea(QPoint pos) const
{
    return captionButtonHitArea(geometry(), kind_).contains(mapToParent(pos));
}

void TGradientCaptionButton::mousePressEvent(QMouseEvent* event)
{
    const auto& state = caption_->captionLayout().buttons[static_cast<int>(kind_)];
    if (event->button() != Qt::LeftButton || !state.enabled) {
        return;
    }
    pressed_ = true;
    tracking_ = true;
    update();
}

void TGradientCaptionButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!tracking_) {
        return;
    }
    const bool inside = inHitArea(event->position().toPoint());
    if (inside != pressed_) {
        pressed_ = inside;
        update();
    }
}

void TGradientCaptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!tracking_ || event->button() != Qt::LeftButton) {
        return;
    }
    tracking_ = false;
    pressed_ = false;
    update();
    if (inHitArea(event->position().toPoint())) {
        caption_->sendSystemCommand(commandForCaptionButton(kind_, caption_->showState()));
    }
}

TGradientCaption::TGradientCaption(QWidget* owner)
    : QWidget(checkedOwner(owner)), owner_(owner), savedFlags_(owner->windowFlags()),
      savedMargins_(owner->contentsMargins())
{
    if (qobject_cast<QDialog*>(owner) != nullptr) {
        borderStyle_ = BorderStyle::Dialog;
    }
    applicationNameFont_ = owner->font();
    applicationNameFont_.setBold(true);
    captionFont_ = owner->font();
    captionFont_.setBold(false);
    metrics_ = frameMetricsFromStyle(owner);

    const bool wasVisible = owner->isVisible();
    owner->setWindowFlags(savedFlags_ | Qt::FramelessWindowHint);
    if (wasVisible) {
        owner->show();
    }
    for (const auto kind : {CaptionButtonKind::Close, CaptionButtonKind::Minimize,
                            CaptionButtonKind::Maximize, CaptionButtonKind::Help}) {
        buttons_[static_cast<std::size_t>(kind)] = new TGradientCaptionButton(kind, this);
    }
    edges_ = {new CaptionFrameEdge(Qt::LeftEdge, this, owner),
              new CaptionFrameEdge(Qt::RightEdge, this, owner),
              new CaptionFrameEdge(Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge, this, owner)};
    setupSystemMenu();
    active_ = owner->isActiveWindow();
    owner->installEventFilter(this);
    connect(owner, &QObject::destroyed, this, [this] { ownerGone_ = true; });
    relayout();
    raiseDecorations();
}

TGradientCaption::~TGradientCaption()
{
    if (!ownerGone_) {
        restoreOwner();
    }
}

void TGradientCaption::restoreOwner()
{
    owner_->removeEventFilter(this);
    for (QWidget* edge : edges_) {
        delete edge;
    }
    owner_->setContentsMargins(savedMargins_);
    const bool wasVisible = owner_->isVisible();
    owner_->setWindowFlags(savedFlags_);
    if (wasVisible) {
        owner_->show();
    }
}

void TGradientCaption::setActiveBeginColor(const QColor& value)
{
    if (assign(activeBegin_, value)) {
        relayout();
    }
}

void TGradientCaption::setActiveEndColor(const QColor& value)
{
    if (assign(activeEnd_, value)) {
        relayout();
    }
}

void TGradientCaption::setActiveFontColor(const QColor& value)
{
    if (assign(activeFont_, value)) {
        relayout();
    }
}

void TGradientCaption::setInactiveBeginColor(const QColor& value)
{
    if (assign(inactiveBegin_, value)) {
        relayout();
    }
}

void TGradientCaption::setInactiveEndColor(const QColor& value)
{
    if (assign(inactiveEnd_, value)) {
        relayout();
    }
}

void TGradientCaption::setInactiveFontColor(const QColor& value)
{
    if (assign(inactiveFont_, value)) {
        relayout();
    }
}

void TGradientCaption::setApplicationName(const QString& value)
{
    if (assign(applicationName_, value)) {
        relayout();
    }
}

void TGradientCaption::setApplicationNameFont(const QFont& value)
{
    if (assign(applicationNameFont_, value)) {
        relayout();
    }
}

void TGradientCaption::setCaptionFont(const QFont& value)
{
    if (assign(captionFont_, value)) {
        relayout();
    }
}

void TGradientCaption::setNumColors(int value)
{
    if (assign(numColors_, value)) {
        relayout();
    }
}

void TGradientCaption::setAutoSize(bool value)
{
    if (assign(autoSize_, value)) {
        relayout();
    }
}

void TGradientCaption::setBorderStyle(BorderStyle value)
{
    if (assign(borderStyle_, value)) {
        relayout();
    }
}

void TGradientCaption::setBorderIcons(BorderIcons icons)
{
    borderIcons_ = icons;
    relayout();
}

TGradientCaptionButton* TGradientCaption::button(CaptionButtonKind kind) const
{
    return buttons_[static_cast<std::size_t>(kind)];
}

WindowShowState TGradientCaption::showState() const
{
    if (owner_->isMinimized()) {
        return WindowShowState::Minimized;
    }
    return owner_->isMaximized() ? WindowShowState::Maximized : WindowShowState::Normal;
}

bool TGradientCaption::isSizeable() const
{
    return borderStyle_ == BorderStyle::Sizeable || borderStyle_ == BorderStyle::SizeToolWin;
}

void TGradientCaption::relayout()
{
    layout_ = computeCaptionLayout(owner_->size(), borderStyle_, borderIcons_,
                                   owner_->isMinimized(), metrics_);
    const int frame = layout_.frameBorder;
    const int barHeight = frame + layout_.captionHeight + (layout_.captionHeight > 0 ? 1 : 0);
    const int w = owner_->width();
    const int h = owner_->height();
    setGeometry(0, 0, w, barHeight);
    for (TGradientCaptionButton* b : buttons_) {
        const CaptionButtonState& state = layout_.buttons[static_cast<int>(b->kind())];
        b->setGeometry(state.rect);
        b->setVisible(state.shown);
        b->update();
    }
    edges_[0]->setGeometry(0, barHeight, frame, h - barHeight);
    edges_[1]->setGeometry(w - frame, barHeight, frame, h - barHeight);
    edges_[2]->setGeometry(0, h - frame, w, frame);
    for (QWidget* edge : edges_) {
        edge->setVisible(frame > 0);
    }
    owner_->setContentsMargins(frame, barHeight, frame, frame);
    update();
}

void TGradientCaption::raiseDecorations()
{
    raise();
    for (QWidget* edge : edges_) {
        edge->raise();
    }
}

void TGradientCaption::setupSystemMenu()
{
    systemMenu_ = new QMenu(this);
    for (std::size_t i = 0; i < std::size(menuItems); ++i) {
        if (menuItems[i].command == SystemCommand::Close) {
            systemMenu_->addSeparator();
        }
        const SystemCommand command = menuItems[i].command;
        menuActions_[i] = systemMenu_->addAction(QString::fromUtf8(menuItems[i].text), this,
                                                 [this, command] { sendSystemCommand(command); });
    }
    systemMenu_->installEventFilter(this);
}

void TGradientCaption::prepareSystemMenu()
{
    const SystemMenuState state = systemMenuState(showState(), layout_);
    const bool enabled[] = {state.restore,  state.move,     state.size,
                            state.minimize, state.maximize, true};
    for (std::size_t i = 0; i < menuActions_.size(); ++i) {
        menuActions_[i]->setEnabled(enabled[i]);
    }
    systemMenu_->setDefaultAction(state.defaultItem == SystemCommand::Restore ? menuActions_[0]
                                                                              : menuActions_[5]);
}

void TGradientCaption::openSystemMenu(QPoint globalPos)
{
    prepareSystemMenu();
    systemMenu_->setAttribute(Qt::WA_NoMouseReplay, false);
    systemMenu_->popup(globalPos);
}

void TGradientCaption::sendSystemCommand(SystemCommand command)
{
    Q_EMIT systemCommandSent(command);
    switch (command) {
    case SystemCommand::Close:
        owner_->close();
        break;
    case SystemCommand::Minimize:
        owner_->showMinimized();
        break;
    case SystemCommand::Maximize:
        owner_->showMaximized();
        break;
    case SystemCommand::Restore:
        owner_->showNormal();
        break;
    case SystemCommand::Move:
        startMove(QCursor::pos());
        break;
    case SystemCommand::Size:
        startResize(Qt::BottomEdge | Qt::RightEdge, QCursor::pos());
        break;
    case SystemCommand::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    case SystemCommand::None:
        break;
    }
}

void TGradientCaption::startMove(QPoint globalPos)
{
    QWindow* window = owner_->windowHandle();
    if (window != nullptr && window->startSystemMove()) {
        return;
    }
    // No window manager to move the window: follow the mouse ourselves.
    manualMove_ = true;
    moveOffset_ = globalPos - owner_->pos();
}

void TGradientCaption::startResize(Qt::Edges edges, QPoint /*globalPos*/)
{
    if (!isSizeable()) {
        return;
    }
    if (QWindow* window = owner_->windowHandle()) {
        window->startSystemResize(edges);
    }
}

bool TGradientCaption::menuPressOnIcon(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QRect iconOnScreen(mapToGlobal(layout_.icon.topLeft()), layout_.icon.size());
    if (!iconOnScreen.contains(mouse->globalPosition().toPoint())) {
        return false;
    }
    // A second press on the icon only closes the menu; within the
    // double-click time of the first it closes the window too.
    systemMenu_->setAttribute(Qt::WA_NoMouseReplay, true);
    systemMenu_->hide();
    menuClosedByIcon_.start();
    if (lastIconPress_.isValid() &&
        lastIconPress_.elapsed() <= QApplication::doubleClickInterval()) {
        QTimer::singleShot(0, this, [this] { sendSystemCommand(SystemCommand::Close); });
    }
    return true;
}

bool TGradientCaption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == systemMenu_) {
        // The second click of a double click arrives as a double-click event.
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        return press && menuPressOnIcon(event);
    }
    if (watched != owner_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        relayout();
        break;
    case QEvent::WindowActivate:
        active_ = true;
        update();
        break;
    case QEvent::WindowDeactivate:
        active_ = false;
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
    QIcon icon = owner_->windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    }
    const CaptionPaintInput in{layout_,
                               size(),
                               active_ ? activeBegin_ : inactiveBegin_,
                               active_ ? activeEnd_ : inactiveEnd_,
                               active_ ? activeFont_ : inactiveFont_,
                               numColors_,
                               icon,
                               applicationName_,
                               applicationNameFont_,
                               owner_->windowTitle(),
                               captionFont_,
                               palette()};
    QPainter painter(this);
    paintCaption(painter, in);
}

void TGradientCaption::mousePressEvent(QMouseEvent* event)
{
    owner_->raise();
    owner_->activateWindow();
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (!layout_.caption.contains(pos)) {
        if (event->button() == Qt::LeftButton && isSizeable()) {
            startResize(resizeEdgesAt(pos, owner_->size(), layout_.frameBorder,
                                      metrics_.captionButtonWidth),
                        global);
        }
        return;
    }
    if (event->button() == Qt::RightButton) {
        captionMenuPending_ = pos.x() < layout_.buttonsArea.x();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!layout_.icon.isEmpty() && layout_.icon.contains(pos)) {
        if (menuClosedByIcon_.isValid() && menuClosedByIcon_.elapsed() < 200) {
            return;
        }
        lastIconPress_.start();
        openSystemMenu(mapToGlobal(QPoint(layout_.icon.x(), layout_.caption.bottom() + 1)));
        return;
    }
    // The window manager's move starts with the first movement of the mouse,
    // not on the press: once it has the mouse, a double click never comes back.
    if (showState() != WindowShowState::Maximized) {
        movePending_ = true;
        pressGlobal_ = global;
    }
}

void TGradientCaption::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (movePending_ && (global - pressGlobal_).manhattanLength() >= kMoveThreshold) {
        movePending_ = false;
        startMove(pressGlobal_);
    }
    if (manualMove_) {
        owner_->move(global - moveOffset_);
    }
}

void TGradientCaption::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        manualMove_ = false;
        movePending_ = false;
    } else if (event->button() == Qt::RightButton && captionMenuPending_) {
        captionMenuPending_ = false;
        openSystemMenu(event->globalPosition().toPoint());
    }
}

void TGradientCaption::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!layout_.icon.isEmpty() && layout_.icon.contains(pos)) {
        systemMenu_->hide();
        sendSystemCommand(SystemCommand::Close);
        return;
    }
    if (layout_.text.contains(pos)) {
        textDoubleClicked();
    }
}

void TGradientCaption::textDoubleClicked()
{
    const CaptionButtonState& maximize =
        layout_.buttons[static_cast<int>(CaptionButtonKind::Maximize)];
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
