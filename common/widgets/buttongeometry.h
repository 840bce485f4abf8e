#pragma once

#include <QRect>
#include <vector>

namespace common {

enum class TFrameStyle { fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono };

enum class TTextAlign {
    ttaTopLeft,
    ttaTop,
    ttaTopRight,
    ttaRight,
    ttaBottomRight,
    ttaBottom,
    ttaBottomLeft,
    ttaLeft,
    ttaCenter
};

// Colours a button frame is drawn in; the widget maps them onto its palette.
enum class FrameColor { Black, Face, Highlight, Shadow, DarkShadow };

// One 3D frame drawn inside the current rectangle, which then shrinks by width.
struct FrameStep
{
    FrameColor topLeft = FrameColor::Black;
    int width = 1;
    FrameColor bottomRight = FrameColor::Black;
    bool operator==(const FrameStep&) const = default;
};

// What to draw first, before the 3D frames: a plain outline and/or a face fill.
struct FrameBackground
{
    bool fillFace = false;
    QRect fillRect; // area of the fill (with its outline when outline is set)
    std::vector<std::pair<FrameColor, QRect>> outlines; // outline frames of BorderWidth
};

struct ButtonLookState
{
    bool transparent = true;
    bool shownPressed = false;
    bool showPressed = true;
    bool mouseOver = false;
    bool down = false;
    int borderWidth = 1;
};

FrameBackground buttonBackground(TFrameStyle style, QSize size, const ButtonLookState& state);
std::vector<FrameStep> buttonFrames(TFrameStyle style, const ButtonLookState& state);

// Number of glyph cells a freshly loaded picture holds: width div height when
// the width is a whole multiple of the height and that is at most 4, else 1.
int glyphCellCount(QSize glyph);

// Top-left corner of the glyph cell of the given size on a button.
QPoint glyphPosition(TTextAlign align, QSize button, QSize cell, int spacing);

// Rectangle of the caption of text size textSize, given the glyph's rectangle.
QRect captionRect(TTextAlign align, QSize button, const QRect& glyph, QSize textSize, int spacing);

enum class GlyphImage { Cell1, Cell2, Cell3, Gray, Disabled };

struct GlyphChoiceInput
{
    int numGlyphs = 1;
    bool enabled = true;
    bool shownPressed = false;
    bool grayWhenOut = false; // explorer style with AutoGray and the mouse elsewhere
};

GlyphImage chooseGlyphImage(const GlyphChoiceInput& in);

} // namespace common
