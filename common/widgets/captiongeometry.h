#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

namespace common {

// How a window's border looks, which decides the frame and caption sizes.
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// The window's own wishes for its caption buttons.
struct BorderIcons
{
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool help = false;
};

enum class CaptionButtonKind { Close = 0, Minimize = 1, Maximize = 2, Help = 3 };

// Window-frame sizes of the desktop, in pixels.
struct FrameMetrics
{
    int fixedFrame = 3;
    int sizingFrame = 4;
    int captionHeight = 19;
    int smallCaptionHeight = 15;
    int captionButtonWidth = 18;
    int captionButtonHeight = 18;
    int smallCaptionButtonWidth = 13;
};

struct CaptionButtonState
{
    bool shown = false;
    bool enabled = false;
    QRect rect; // in window coordinates
};

struct CaptionLayout
{
    int frameBorder = 0;
    int captionHeight = 0;
    QRect caption;
    QRect icon;
    QRect buttonsArea;
    QRect text;
    CaptionButtonState buttons[4]; // indexed by CaptionButtonKind
};

int frameBorderSize(BorderStyle style, bool minimized, const FrameMetrics& m);
int captionHeight(BorderStyle style, const FrameMetrics& m);
CaptionLayout computeCaptionLayout(QSize windowSize, BorderStyle style, BorderIcons icons,
                                   bool minimized, const FrameMetrics& m);

// Multiplies then divides, rounding the exact quotient to the nearest integer
// (halves away from zero). A zero divisor gives -1.
int mulDiv(int number, int numerator, int denominator);

struct GradientBand
{
    int left = 0;
    int right = 0; // exclusive
    QColor color;
};

// The vertical bands of a horizontal gradient from begin (left) to end
// (right) over [left, left + width); numColors below 1 gives no bands.
std::vector<GradientBand> gradientBands(int left, int width, QColor begin, QColor end,
                                        int numColors);

struct CaptionTextPlacement
{
    QRect applicationName; // empty when there is no application name
    QRect caption;
    QString shownCaption; // the caption, cut with an ellipsis to fit
};

// Places the application name (in its own font) at the text rectangle's left
// and the caption right after it, both vertically centred.
CaptionTextPlacement placeCaptionText(const QRect& textRect, const QString& applicationName,
                                      const QFont& applicationNameFont, const QString& caption,
                                      const QFont& captionFont);

// Area in which a pressed caption button still counts as pressed: the button
// grown by 2 pixels above and below, the close button also 2 to the right.
QRect captionButtonHitArea(const QRect& button, CaptionButtonKind kind);

enum class SystemCommand { None, Close, Minimize, Maximize, Restore, Move, Size, ContextHelp };

enum class WindowShowState { Normal, Minimized, Maximized };

SystemCommand commandForCaptionButton(CaptionButtonKind kind, WindowShowState state);

// Which items of the system menu are enabled, and which is the default.
struct SystemMenuState
{
    bool restore = true;
    bool move = true;
    bool size = true;
    bool minimize = true;
    bool maximize = true;
    SystemCommand defaultItem = SystemCommand::Close;

    bool operator==(const SystemMenuState&) const = default;
};

SystemMenuState systemMenuState(WindowShowState state, const CaptionLayout& layout);

// Edges a press at point starts resizing, for a window of the given size with
// a sizing frame of the given width; corners take a caption-button width.
Qt::Edges resizeEdgesAt(QPoint point, QSize windowSize, int frame, int cornerSize);

// Geometry of a window resized by dragging the given edges by delta from
// start, never smaller than minimum; the opposite edges stay where they were.
QRect resizedGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum);

} // namespace common
