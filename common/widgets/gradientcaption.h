#pragma once

#include "common/widgets/captiongeometry.h"
#include "common/widgets/gradientcaptionpainter.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <array>

class QMenu;
class QAction;

namespace common {

class TGradientCaption;

// One of the caption's own close, minimise, maximise and help buttons.
class TGradientCaptionButton final : public QWidget
{
    Q_OBJECT
public:
    TGradientCaptionButton(CaptionButtonKind kind, TGradientCaption* caption);

    CaptionButtonKind kind() const { return m_kind; }
    bool isPressed() const { return m_pressed; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool inHitArea(QPoint pos) const;

    CaptionButtonKind m_kind;
    TGradientCaption* m_caption;
    bool m_pressed = false;
    bool m_tracking = false;
};

// A title bar the window draws itself: a horizontal gradient, the window's
// icon, an optional application name in its own font, the window title cut
// with an ellipsis, and its own caption buttons and system menu.
//
// The owner must be a window; any other owner makes the constructor throw
// std::invalid_argument with "The GradientCaption's owner must be a Form!".
// The owner becomes frameless; the caption sits at its top and thin frame
// edges along its other sides, and the owner's contents margins are set so
// that its client area (contentsRect()) lies inside them. Children placed by
// absolute coordinates go inside contentsRect() as well.
class TGradientCaption final : public QWidget
{
    Q_OBJECT
public:
    explicit TGradientCaption(QWidget* owner);
    ~TGradientCaption() override;

    const CaptionLook& look() const { return m_look; }
    void setLook(const CaptionLook& look);
    // Shorthands for parts of the look.
    QColor activeBeginColor() const { return m_look.active.begin; }
    QColor activeEndColor() const { return m_look.active.end; }
    QColor activeFontColor() const { return m_look.active.font; }
    QColor inactiveBeginColor() const { return m_look.inactive.begin; }
    QColor inactiveEndColor() const { return m_look.inactive.end; }
    QColor inactiveFontColor() const { return m_look.inactive.font; }
    QFont captionFont() const { return m_look.captionFont; }
    void setCaptionFont(const QFont& font);
    int numColors() const { return m_look.numColors; }
    void setNumColors(int count);

    // The owner's border, which decides frame sizes and the buttons shown.
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    BorderIcons borderIcons() const { return m_borderIcons; }
    void setBorderIcons(BorderIcons icons);

    bool isActive() const { return m_active; }
    const CaptionLayout& captionLayout() const { return m_layout; }
    const FrameMetrics& frameMetrics() const { return m_metrics; }
    TGradientCaptionButton* button(CaptionButtonKind kind) const;
    QMenu* systemMenu() const { return m_systemMenu; }
    WindowShowState showState() const;

    // Carries out a system command on the owner window.
    void sendSystemCommand(SystemCommand command);
    // Prepares the system menu for the window's state and opens it at a
    // global position without waiting for it to close.
    void openSystemMenu(QPoint globalPos);

Q_SIGNALS:
    void systemCommandSent(common::SystemCommand command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class CaptionFrameEdge;
    void relayout();
    void raiseDecorations();
    void setupSystemMenu();
    void prepareSystemMenu();
    bool menuPressOnIcon(QEvent* event);
    void textDoubleClicked();
    void startMove(QPoint globalPos);
    void startResize(Qt::Edges edges, QPoint globalPos);
    bool isSizeable() const;
    void restoreOwner();

    QWidget* m_owner;
    bool m_ownerGone = false;
    Qt::WindowFlags m_savedFlags;
    QMargins m_savedMargins;

    CaptionLook m_look;
    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    BorderIcons m_borderIcons;

    bool m_active = false;
    FrameMetrics m_metrics;
    CaptionLayout m_layout;
    std::array<TGradientCaptionButton*, 4> m_buttons{};
    std::array<QWidget*, 3> m_edges{}; // left, right, bottom
    QMenu* m_systemMenu = nullptr;
    std::array<QAction*, 6> m_menuActions{}; // restore, move, size, minimise, maximise, close

    QElapsedTimer m_lastIconPress;
    QElapsedTimer m_menuClosedByIcon;
    bool m_captionMenuPending = false;
    bool m_movePending = false;
    QPoint m_pressGlobal;
    bool m_manualMove = false;
    QPoint m_moveOffset;
};

// Frame sizes of the current style, kept to sensible minimums.
FrameMetrics frameMetricsFromStyle(const QWidget* widget);

} // namespace common
