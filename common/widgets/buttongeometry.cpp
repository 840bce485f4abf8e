#include "common/widgets/buttongeometry.h"

namespace common {

namespace {

bool isBottom(TTextAlign a)
{
    return a == TTextAlign::ttaBottomRight || a == TTextAlign::ttaBottom ||
           a == TTextAlign::ttaBottomLeft;
}

bool isTop(TTextAlign a)
{
    return a == TTextAlign::ttaTopLeft || a == TTextAlign::ttaTop || a == TTextAlign::ttaTopRight;
}

enum class Column { Left, Middle, Right };
enum class Row { AboveGlyph, Middle, BelowGlyph };

struct CaptionPlace
{
    TTextAlign align;
    Column column;
    Row row;
};

constexpr CaptionPlace captionPlaces[] = {
    {TTextAlign::ttaTopLeft, Column::Left, Row::AboveGlyph},
    {TTextAlign::ttaTop, Column::Middle, Row::AboveGlyph},
    {TTextAlign::ttaTopRight, Column::Right, Row::AboveGlyph},
    {TTextAlign::ttaRight, Column::Right, Row::Middle},
    {TTextAlign::ttaBottomRight, Column::Right, Row::BelowGlyph},
    {TTextAlign::ttaBottom, Column::Middle, Row::BelowGlyph},
    {TTextAlign::ttaBottomLeft, Column::Left, Row::BelowGlyph},
    {TTextAlign::ttaLeft, Column::Left, Row::Middle},
    {TTextAlign::ttaCenter, Column::Middle, Row::Middle},
};

} // namespace

FrameBackground buttonBackground(TFrameStyle style, QSize size, const ButtonLookState& state)
{
    FrameBackground bg;
    const QRect inner(1, 1, size.width() - 1, size.height() - 1);
    switch (style) {
    case TFrameStyle::fsRegular:
        bg.fillFace = !state.transparent;
        bg.fillRect = inner;
        bg.outlines.emplace_back(FrameColor::Black, inner);
        break;
    case TFrameStyle::fsIndent: {
        const QRect outer(0, 0, size.width() - 1, size.height() - 1);
        bg.fillFace = !state.transparent;
        bg.fillRect = outer;
        bg.outlines.emplace_back(FrameColor::Shadow, outer);
        bg.outlines.emplace_back(FrameColor::Highlight, inner);
        break;
    }
    default:
        bg.fillFace = !state.transparent;
        bg.fillRect = QRect(QPoint(0, 0), size);
        break;
    }
    return bg;
}

namespace {

// The colours of one 3D frame; its width is the button's border width on the
// wide styles and one pixel on the thin ones.
struct FrameColours
{
    FrameColor topLeft;
    FrameColor bottomRight;
};

using FrameList = std::vector<FrameColours>;

// The frames of each style: pressed with ShowPressed set, pressed without it,
// and not pressed. A style shown on hover only draws nothing while the mouse
// is elsewhere (pressed: unless the button is held down).
struct StyleFrames
{
    TFrameStyle style;
    bool wide;
    bool onHover;
    FrameList pressed;
    FrameList pressedPlain;
    FrameList raised;
};

using C = FrameColor;
using S = TFrameStyle;

const FrameList kNone;
const FrameList kSunkenDouble = {{C::Black, C::Highlight}, {C::Shadow, C::Face}};
const FrameList kRaisedDouble = {{C::Highlight, C::Black}, {C::Face, C::Shadow}};
const FrameList kSunken = {{C::Shadow, C::Highlight}};
const FrameList kRaised = {{C::Highlight, C::Shadow}};
const FrameList kDarkSunken = {{C::DarkShadow, C::Face}};
const FrameList kDarkRaised = {{C::Face, C::DarkShadow}};
const FrameList kMonoSunken = {{C::DarkShadow, C::Highlight}};
const FrameList kMonoRaised = {{C::Highlight, C::DarkShadow}};

constexpr bool kWide = true;
constexpr bool kThin = false;
constexpr bool kOnHover = true;
constexpr bool kAlways = false;

const StyleFrames styleFrames[] = {
    {S::fsRegular, kWide, kAlways, kSunkenDouble, kNone, kRaisedDouble},
    {S::fsIndent, kWide, kAlways, kSunkenDouble, kNone, kSunken},
    {S::fsExplorer, kWide, kOnHover, kSunken, kRaised, kRaised},
    {S::fsLight, kThin, kAlways, kSunken, kNone, kRaised},
    {S::fsDark, kThin, kAlways, kDarkSunken, kDarkSunken, kDarkRaised},
    {S::fsMono, kThin, kAlways, kMonoSunken, kMonoSunken, kMonoRaised},
};

} // namespace

std::vector<FrameStep> buttonFrames(TFrameStyle style, const ButtonLookState& s)
{
    for (const StyleFrames& row : styleFrames) {
        if (row.style != style) {
            continue;
        }
        const bool hovered = s.shownPressed ? (s.mouseOver || s.down) : s.mouseOver;
        if (row.onHover && !hovered) {
            return {};
        }
        const FrameList& colours =
            !s.shownPressed ? row.raised : (s.showPressed ? row.pressed : row.pressedPlain);
        std::vector<FrameStep> frames;
        for (const FrameColours& c : colours) {
            frames.push_back({c.topLeft, row.wide ? s.borderWidth : 1, c.bottomRight});
        }
        return frames;
    }
    return {}; // fsNone draws no frame
}

int glyphCellCount(QSize glyph)
{
    if (glyph.height() <= 0 || glyph.width() <= 0 || glyph.width() % glyph.height() != 0) {
        return 1;
    }
    const int cells = glyph.width() / glyph.height();
    return cells > 4 ? 1 : cells;
}

QPoint glyphPosition(TTextAlign align, QSize button, QSize cell, int spacing)
{
    const int w = button.width();
    const int h = button.height();
    int top = (h - cell.height()) / 2;
    if (isBottom(align)) {
        top = spacing;
    } else if (isTop(align)) {
        top = h - cell.height() - spacing;
    }
    int left = (w - cell.width()) / 2;
    if (align == TTextAlign::ttaLeft) {
        left = w - cell.width() - spacing;
    } else if (align == TTextAlign::ttaRight) {
        left = spacing;
    }
    return {left, top};
}

QRect captionRect(TTextAlign align, QSize button, const QRect& glyph, QSize textSize, int spacing)
{
    const int w = button.width();
    const int h = button.height();
    const int tw = textSize.width();
    const int th = textSize.height();
    const int glyphTop = glyph.y();
    const int glyphBottom = glyph.y() + glyph.height();
    CaptionPlace place = captionPlaces[8];
    for (const CaptionPlace& p : captionPlaces) {
        if (p.align == align) {
            place = p;
        }
    }
    int left = w / 2 - tw / 2;
    if (place.column == Column::Left) {
        left = spacing;
    } else if (place.column == Column::Right) {
        left = w - tw - spacing;
    }
    int top = h / 2 - th / 2;
    if (place.row == Row::AboveGlyph) {
        top = glyphTop - th - spacing;
    } else if (place.row == Row::BelowGlyph) {
        top = glyphBottom + spacing;
    }
    return {left, top, tw, th};
}

GlyphImage chooseGlyphImage(const GlyphChoiceInput& in)
{
    GlyphImage image = GlyphImage::Cell1;
    if (in.numGlyphs == 2 && !in.enabled) {
        image = GlyphImage::Cell2;
    } else if (in.numGlyphs >= 3) {
        if (!in.enabled) {
            image = GlyphImage::Cell2;
        } else if (in.shownPressed) {
            image = GlyphImage::Cell3;
        }
    }
    if (in.grayWhenOut) {
        image = GlyphImage::Gray;
    }
    if (!in.enabled && in.numGlyphs <= 1) {
        image = GlyphImage::Disabled;
    }
    return image;
}

} // namespace common
