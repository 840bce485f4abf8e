#include "common/widgets/transparentbuttonpainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <limits>

namespace common {

namespace {

constexpr int textFlagsBase = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip;

int textFlags(bool wordWrap)
{
    return textFlagsBase | (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

void drawOutline(QPainter& painter, const QRect& rect, QColor color, int width)
{
    QRect r = rect;
    for (int i = 0; i < width && !r.isEmpty(); ++i) {
        painter.fillRect(QRect(r.x(), r.y(), r.width(), 1), color);
        painter.fillRect(QRect(r.x(), r.y() + r.height() - 1, r.width(), 1), color);
        painter.fillRect(QRect(r.x(), r.y(), 1, r.height()), color);
        painter.fillRect(QRect(r.x() + r.width() - 1, r.y(), 1, r.height()), color);
        r.adjust(1, 1, -1, -1);
    }
}

GlyphImage glyphFor(const ButtonPaintInput& in)
{
    GlyphChoiceInput choice;
    choice.numGlyphs = in.numGlyphs;
    choice.enabled = in.enabled;
    choice.shownPressed = in.look.shownPressed;
    choice.grayWhenOut = in.style == TFrameStyle::fsExplorer && in.autoGray && !in.look.mouseOver;
    return chooseGlyphImage(choice);
}

const QImage* glyphImage(const ButtonPaintInput& in)
{
    if (in.images == nullptr || in.images->size() < 3) {
        return nullptr;
    }
    const std::vector<QImage>& images = *in.images;
    const auto cells = images.size() - 2;
    switch (glyphFor(in)) {
    case GlyphImage::Cell1:
        return &images[0];
    case GlyphImage::Cell2:
        return &images[std::min<std::size_t>(1, cells - 1)];
    case GlyphImage::Cell3:
        return &images[std::min<std::size_t>(2, cells - 1)];
    case GlyphImage::Gray:
        return &images[images.size() - 2];
    case GlyphImage::Disabled:
        return &images[images.size() - 1];
    }
    return nullptr;
}

} // namespace

QColor frameColor(FrameColor role, const QPalette& palette)
{
    switch (role) {
    case FrameColor::Black:
        return Qt::black;
    case FrameColor::Face:
        return palette.color(QPalette::Button);
    case FrameColor::Highlight:
        return palette.color(QPalette::Light);
    case FrameColor::Shadow:
        return palette.color(QPalette::Dark);
    case FrameColor::DarkShadow:
        return palette.color(QPalette::Shadow);
    }
    return Qt::black;
}

QColor disabledCaptionColor(const QColor& fontColor)
{
    constexpr int kMiddleGrey = 128;
    // Three fifths of the way to middle grey.
    const int level = qGray(fontColor.rgb());
    const int grey = level + (kMiddleGrey - level) * 3 / 5;
    return {grey, grey, grey};
}

void drawFrame3D(QPainter& painter, QRect& rect, QColor topLeft, int width, QColor bottomRight)
{
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        const int l = rect.x();
        const int t = rect.y();
        const int r = rect.x() + rect.width() - 1;
        const int b = rect.y() + rect.height() - 1;
        painter.fillRect(QRect(l, t, 1, b - t + 1), topLeft);
        painter.fillRect(QRect(l, t, r - l, 1), topLeft);
        painter.fillRect(QRect(r, t, 1, b - t), bottomRight);
        painter.fillRect(QRect(l + 1, b, r - l, 1), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

QSize captionTextSize(const QString& caption, const QFont& font, bool wordWrap, int width)
{
    const QFontMetrics fm(font);
    if (!wordWrap) {
        return fm.size(Qt::TextShowMnemonic | Qt::TextSingleLine, caption);
    }
    const QRect bounds(0, 0, width, std::numeric_limits<int>::max() / 2);
    return fm.boundingRect(bounds, Qt::TextWordWrap | Qt::TextShowMnemonic, caption).size();
}

void paintTransparentButton(QPainter& painter, const ButtonPaintInput& in)
{
    const FrameBackground bg = buttonBackground(in.style, in.size, in.look);
    if (bg.fillFace) {
        painter.fillRect(bg.fillRect, frameColor(FrameColor::Face, in.palette));
    }
    for (const auto& [role, rect] : bg.outlines) {
        drawOutline(painter, rect, frameColor(role, in.palette), in.look.borderWidth);
    }
    QRect r(QPoint(0, 0), in.size);
    for (const FrameStep& step : buttonFrames(in.style, in.look)) {
        drawFrame3D(painter, r, frameColor(step.topLeft, in.palette), step.width,
                    frameColor(step.bottomRight, in.palette));
    }

    const bool shift = in.look.shownPressed && in.look.showPressed;
    const QPoint offset = shift ? QPoint(1, 1) : QPoint(0, 0);
    const QImage* glyph = glyphImage(in);
    const QSize cell = glyph != nullptr ? glyph->size() : QSize(0, 0);
    const QRect glyphRect(glyphPosition(in.align, in.size, cell, in.spacing), cell);
    if (glyph != nullptr) {
        painter.drawImage(glyphRect.topLeft() + offset, *glyph);
    }
    if (in.caption.isEmpty()) {
        return;
    }
    const QSize textSize = captionTextSize(in.caption, in.font, in.wordWrap, in.size.width());
    const QRect textRect =
        captionRect(in.align, in.size, glyphRect, textSize, in.spacing).translated(offset);
    painter.setFont(in.font);
    // Disabled: greyed in place, not embossed, which over a dark background
    // breaks the letters up.
    painter.setPen(in.enabled ? in.fontColor : disabledCaptionColor(in.fontColor));
    painter.drawText(textRect, textFlags(in.wordWrap), in.caption);
}

} // namespace common
