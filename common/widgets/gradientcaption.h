#pragma once

#include "common/widgets/captiongeometry.h"

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

    CaptionButtonKind kind() const { return kind_; }
    bool isPressed() const { return pressed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool inHitArea(QPoint pos) const;

    CaptionButtonKind kind_;
    TGradientCaption* caption_;
    bool pressed_ = false;
    bool tracking_ = false;
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

    QColor activeBeginColor() const { return activeBegin_; }
    void setActiveBeginColor(const QColor& color);
    QColor activeEndColor() const { return activeEnd_; }
    void setActiveEndColor(const QColor& color);
    QColor activeFontColor() const { return activeFont_; }
    void setActiveFontColor(const QColor& color);
    QColor inactiveBeginColor() const { return inactiveBegin_; }
    void setInactiveBeginColor(const QColor& color);
    QColor inactiveEndColor() const { return inactiveEnd_; }
    void setInactiveEndColor(const QColor& color);
    QColor inactiveFontColor() const { return inactiveFont_; }
    void setInactiveFontColor(const QColor& color);
    QString applicationName() const { return applicationName_; }
    void setApplicationName(const QString& name);
    QFont applicationNameFont() const { return applicationNameFont_; }
    void setApplicationNameFont(const QFont& font);
    QFont captionFont() const { return captionFont_; }
    void setCaptionFont(const QFont& font);
    int numColors() const { return numColors_; }
    void setNumColors(int count);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // The owner's border, which decides frame sizes and the buttons shown.
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    BorderIcons borderIcons() const { return borderIcons_; }
    void setBorderIcons(BorderIcons icons);

    bool isActive() const { return active_; }
    const CaptionLayout& captionLayout() const { return layout_; }
    const FrameMetrics& frameMetrics() const { return metrics_; }
    TGradientCaptionButton* button(CaptionButtonKind kind) const;
    QMenu* systemMenu() const { return systemMenu_; }
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

    QWidget* owner_;
    bool ownerGone_ = false;
    Qt::WindowFlags savedFlags_;
    QMargins savedMargins_;

    QColor activeBegin_{0, 0, 128};
    QColor activeEnd_{0, 0, 255};
    QColor activeFont_{255, 255, 255};
    QColor inactiveBegin_{128, 128, 128};
    QColor inactiveEnd_{192, 192, 192};
    QColor inactiveFont_{192, 192, 192};
    QString applicationName_;
    QFont applicationNameFont_;
    QFont captionFont_;
    int numColors_ = 64;
    bool autoSize_ = false;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    BorderIcons borderIcons_;

    bool active_ = false;
    FrameMetrics metrics_;
    CaptionLayout layout_;
    std::array<TGradientCaptionButton*, 4> buttons_{};
    std::array<QWidget*, 3> edges_{}; // left, right, bottom
    QMenu* systemMenu_ = nullptr;
    std::array<QAction*, 6> menuActions_{}; // restore, move, size, minimise, maximise, close

    QElapsedTimer lastIconPress_;
    QElapsedTimer menuClosedByIcon_;
    bool captionMenuPending_ = false;
    bool movePending_ = false;
    QPoint pressGlobal_;
    bool manualMove_ = false;
    QPoint moveOffset_;
};

// Frame sizes of the current style, kept to sensible minimums.
FrameMetrics frameMetricsFromStyle(const QWidget* widget);

} // namespace common
