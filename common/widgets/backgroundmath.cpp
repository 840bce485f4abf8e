#include "common/widgets/backgroundmath.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace common {

std::vector<QPoint> tileOrigins(QSize control, QSize picture)
{
    std::vector<QPoint> origins;
    const int bw = picture.width();
    const int bh = picture.height();
    if (bw <= 0 || bh <= 0) {
        return origins;
    }
    for (int d = 0; d <= control.height() / bh; ++d) {
        for (int c = 0; c <= control.width() / bw; ++c) {
            origins.emplace_back(c * bw, d * bh);
        }
    }
    return origins;
}

QColor smoothRowColor(int y, int height, QColor c1, QColor c2)
{
    if (height <= 0) {
        return c1;
    }
    const auto mix = [y, height](int a, int b) {
        const double v = a + static_cast<double>(y) * (b - a) / height;
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return {mix(c1.red(), c2.red()), mix(c1.green(), c2.green()), mix(c1.blue(), c2.blue())};
}

std::vector<TilePiece> tilePieces(const QRect& area, QSize picture)
{
    std::vector<TilePiece> pieces;
    const int bw = picture.width();
    const int bh = picture.height();
    if (bw <= 0 || bh <= 0 || area.isEmpty()) {
        return pieces;
    }
    const auto modulo = [](int a, int b) {
        return ((a % b) + b) % b;
    };
    const int right = area.x() + area.width();
    const int bottom = area.y() + area.height();
    int y = area.y();
    while (y < bottom) {
        const int sy = modulo(y, bh);
        const int h = std::min(bottom - y, bh - sy);
        int x = area.x();
        while (x < right) {
            const int sx = modulo(x, bw);
            const int w = std::min(right - x, bw - sx);
            pieces.push_back({QRect(sx, sy, w, h), QPoint(x, y)});
            x += w;
        }
        y += h;
    }
    return pieces;
}

QColor lightShade(QColor color)
{
    return {std::min(color.red() + 40, 255), std::min(color.green() + 40, 255),
            std::min(color.blue() + 40, 255)};
}

QColor darkShade(QColor color)
{
    return {std::max(color.red() - 64, 0), std::max(color.green() - 64, 0),
            std::max(color.blue() - 64, 0)};
}

std::vector<BevelBand> bevelBands(const QRect& rect, int width, BevelKind kind)
{
    if (kind == BevelKind::None || width <= 0 || rect.isEmpty()) {
        return {};
    }
    const bool raised = kind == BevelKind::Raised;
    const int w = std::min({width, rect.width(), rect.height()});
    return {
        {QRect(rect.x(), rect.y(), w, rect.height()), raised},                     // left
        {QRect(rect.x() + rect.width() - w, rect.y(), w, rect.height()), !raised}, // right
        {QRect(rect.x(), rect.y(), rect.width(), w), raised},                      // top
        {QRect(rect.x(), rect.y() + rect.height() - w, rect.width(), w), !raised}, // bottom
    };
}

QColor colorFromStored(std::uint32_t value)
{
    if ((value & 0xff000000U) != 0) {
        // System colours by index: a small subset the programs' forms use.
        struct Entry
        {
            std::uint32_t index;
            QPalette::ColorRole role;
        };
        static constexpr Entry entries[] = {
            {5, QPalette::Base},    {8, QPalette::Text},        {15, QPalette::Button},
            {16, QPalette::Dark},   {18, QPalette::ButtonText}, {20, QPalette::Light},
            {21, QPalette::Shadow}, {13, QPalette::Highlight},  {14, QPalette::HighlightedText},
            {4, QPalette::Window},
        };
        const std::uint32_t index = value & 0xffU;
        const QPalette palette = QGuiApplication::palette();
        for (const Entry& e : entries) {
            if (e.index == index) {
                return palette.color(e.role);
            }
        }
        return palette.color(QPalette::Window);
    }
    return {static_cast<int>(value & 0xffU), static_cast<int>((value >> 8) & 0xffU),
            static_cast<int>((value >> 16) & 0xffU)};
}

} // namespace common
