#include "common/widgets/captiongeometry.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdint>

namespace common {

namespace {

bool isToolWindow(BorderStyle style)
{
    return style == BorderStyle::ToolWindow || style == BorderStyle::SizeToolWin;
}

int channel(int begin, int end, int i, int numColors)
{
    return std::clamp(begin + mulDiv(i, end - begin, numColors - 1), 0, 255);
}

CaptionButtonState& button(CaptionLayout& layout, CaptionButtonKind kind)
{
    return layout.buttons[static_cast<int>(kind)];
}

} // namespace

int frameBorderSize(BorderStyle style, bool minimized, const FrameMetrics& m)
{
    if (style == BorderStyle::None) {
        return 0;
    }
    if (minimized) {
        return m.fixedFrame;
    }
    const bool sizeable = style == BorderStyle::Sizeable || style == BorderStyle::SizeToolWin;
    return sizeable ? m.sizingFrame : m.fixedFrame;
}

int captionHeight(BorderStyle style, const FrameMetrics& m)
{
    if (style == BorderStyle::None) {
        return 0;
    }
    return (isToolWindow(style) ? m.smallCaptionHeight : m.captionHeight) - 1;
}

CaptionLayout computeCaptionLayout(QSize windowSize, BorderStyle style, BorderIcons icons,
                                   bool minimized, const FrameMetrics& m)
{
    CaptionLayout layout;
    layout.frameBorder = frameBorderSize(style, minimized, m);
    layout.captionHeight = captionHeight(style, m);
    const int frame = layout.frameBorder;
    layout.caption =
        QRect(frame, frame, std::max(0, windowSize.width() - 2 * frame), layout.captionHeight);
    const QRect& cap = layout.caption;
    const int capRight = cap.x() + cap.width();

    const bool anyButtons = style != BorderStyle::None && icons.systemMenu;
    if (anyButtons) {
        button(layout, CaptionButtonKind::Close).shown = true;
        if (!isToolWindow(style)) {
            const bool helpAllowed = style == BorderStyle::Dialog;
            const bool minMaxAllowed = style != BorderStyle::Dialog;
            const bool minMax = minMaxAllowed && (icons.minimize || icons.maximize);
            button(layout, CaptionButtonKind::Minimize).shown = minMax;
            button(layout, CaptionButtonKind::Maximize).shown = minMax;
            button(layout, CaptionButtonKind::Help).shown = helpAllowed && icons.help;
        }
    }
    button(layout, CaptionButtonKind::Close).enabled = true;
    button(layout, CaptionButtonKind::Help).enabled = true;
    button(layout, CaptionButtonKind::Minimize).enabled = icons.minimize;
    button(layout, CaptionButtonKind::Maximize).enabled = icons.maximize;

    const bool hasIcon =
        icons.systemMenu && (style == BorderStyle::Single || style == BorderStyle::Sizeable);
    layout.icon = QRect(cap.x(), cap.y(), hasIcon ? m.captionButtonWidth : 0, cap.height());

    int extra = 0;
    for (const auto kind :
         {CaptionButtonKind::Minimize, CaptionButtonKind::Maximize, CaptionButtonKind::Help}) {
        extra += button(layout, kind).shown ? 1 : 0;
    }
    int areaWidth = 0;
    if (anyButtons) {
        areaWidth = isToolWindow(style) ? m.smallCaptionButtonWidth + 2
                                        : (1 + extra) * (m.captionButtonWidth - 2) + 2;
    }
    layout.buttonsArea =
        QRect(capRight - areaWidth, cap.y() + 2, areaWidth, std::max(0, cap.height() - 4));
    const QRect& area = layout.buttonsArea;

    const int textLeft = layout.icon.x() + layout.icon.width() + 2;
    const int textRight = area.x() - 2;
    layout.text = QRect(textLeft, cap.y() + 2, std::max(0, textRight - textLeft), area.height());

    const int bw = m.captionButtonWidth - 2;
    const int bh = m.captionButtonHeight - 4;
    const int areaRight = area.x() + area.width();
    if (isToolWindow(style)) {
        button(layout, CaptionButtonKind::Close).rect =
            QRect(area.x() + 2, area.y(), std::max(0, area.width() - 4), area.height());
        return layout;
    }
    int last = areaRight - m.captionButtonWidth;
    button(layout, CaptionButtonKind::Close).rect = QRect(last, area.y(), bw, bh);
    if (button(layout, CaptionButtonKind::Maximize).shown) {
        const int maxLeft = last - 2 - bw;
        button(layout, CaptionButtonKind::Maximize).rect = QRect(maxLeft, area.y(), bw, bh);
        last = maxLeft - bw;
        button(layout, CaptionButtonKind::Minimize).rect = QRect(last, area.y(), bw, bh);
    }
    button(layout, CaptionButtonKind::Help).rect = QRect(last - bw, area.y(), bw, bh);
    return layout;
}

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    if (product >= 0) {
        return static_cast<int>((2 * product + divisor) / (2 * divisor));
    }
    return -static_cast<int>((-2 * product + divisor) / (2 * divisor));
}

std::vector<GradientBand> gradientBands(int left, int width, QColor begin, QColor end,
                                        int numColors)
{
    std::vector<GradientBand> bands;
    if (numColors < 1) {
        return bands;
    }
    bands.reserve(static_cast<std::size_t>(numColors));
    for (int i = 0; i < numColors; ++i) {
        GradientBand band;
        band.left = left + mulDiv(i, width, numColors);
        band.right = left + mulDiv(i + 1, width, numColors);
        band.color = numColors == 1 ? begin
                                    : QColor(channel(begin.red(), end.red(), i, numColors),
                                             channel(begin.green(), end.green(), i, numColors),
                                             channel(begin.blue(), end.blue(), i, numColors));
        bands.push_back(band);
    }
    return bands;
}

CaptionTextPlacement placeCaptionText(const QRect& textRect, const QString& applicationName,
                                      const QFont& applicationNameFont, const QString& caption,
                                      const QFont& captionFont)
{
    CaptionTextPlacement placement;
    int left = textRect.x();
    const int right = textRect.x() + textRect.width();
    if (!applicationName.isEmpty()) {
        const int nameWidth = QFontMetrics(applicationNameFont).horizontalAdvance(applicationName);
        placement.applicationName = QRect(left, textRect.y(), nameWidth, textRect.height());
        left += nameWidth;
    }
    const int captionWidth = std::max(0, right - left);
    placement.caption = QRect(left, textRect.y(), captionWidth, textRect.height());
    placement.shownCaption =
        QFontMetrics(captionFont).elidedText(caption, Qt::ElideRight, captionWidth);
    return placement;
}

QRect captionButtonHitArea(const QRect& button, CaptionButtonKind kind)
{
    return button.adjusted(0, -2, kind == CaptionButtonKind::Close ? 2 : 0, 2);
}

SystemCommand commandForCaptionButton(CaptionButtonKind kind, WindowShowState state)
{
    switch (kind) {
    case CaptionButtonKind::Close:
        return SystemCommand::Close;
    case CaptionButtonKind::Minimize:
        return state == WindowShowState::Minimized ? SystemCommand::Restore
                                                   : SystemCommand::Minimize;
    case CaptionButtonKind::Maximize:
        return state == WindowShowState::Maximized ? SystemCommand::Restore
                                                   : SystemCommand::Maximize;
    case CaptionButtonKind::Help:
        return SystemCommand::ContextHelp;
    }
    return SystemCommand::None;
}

SystemMenuState systemMenuState(WindowShowState state, const CaptionLayout& layout)
{
    SystemMenuState menu;
    if (state == WindowShowState::Normal) {
        menu.restore = false;
    } else {
        menu.defaultItem = SystemCommand::Restore;
        menu.size = false;
        menu.move = false;
        menu.maximize = state != WindowShowState::Maximized;
        menu.minimize = state != WindowShowState::Minimized;
    }
    const auto usable = [&layout](CaptionButtonKind kind) {
        const CaptionButtonState& b = layout.buttons[static_cast<int>(kind)];
        return b.shown && b.enabled;
    };
    menu.maximize = menu.maximize && usable(CaptionButtonKind::Maximize);
    menu.minimize = menu.minimize && usable(CaptionButtonKind::Minimize);
    return menu;
}

Qt::Edges resizeEdgesAt(QPoint point, QSize windowSize, int frame, int cornerSize)
{
    const int x = point.x();
    const int y = point.y();
    const int w = windowSize.width();
    const int h = windowSize.height();
    const bool onLeftOrRight = x < frame || x >= w - frame;
    const bool onTopOrBottom = y < frame || y >= h - frame;
    Qt::Edges edges;
    if (x < frame || (onTopOrBottom && x < cornerSize)) {
        edges |= Qt::LeftEdge;
    }
    if (x >= w - frame || (onTopOrBottom && x >= w - cornerSize)) {
        edges |= Qt::RightEdge;
    }
    if (y < frame || (onLeftOrRight && y < cornerSize)) {
        edges |= Qt::TopEdge;
    }
    if (y >= h - frame || (onLeftOrRight && y >= h - cornerSize)) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}

QRect resizedGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum)
{
    int left = start.x();
    int top = start.y();
    int right = start.x() + start.width();
    int bottom = start.y() + start.height();
    if (edges.testFlag(Qt::LeftEdge)) {
        left = std::min(left + delta.x(), right - minimum.width());
    }
    if (edges.testFlag(Qt::RightEdge)) {
        right = std::max(right + delta.x(), left + minimum.width());
    }
    if (edges.testFlag(Qt::TopEdge)) {
        top = std::min(top + delta.y(), bottom - minimum.height());
    }
    if (edges.testFlag(Qt::BottomEdge)) {
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    }
    return {left, top, right - left, bottom - top};
}

} // namespace common
