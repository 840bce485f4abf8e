#include "common/testsupport/textink.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace common::testing {
namespace {

QString withoutBlanks(QString text)
{
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('\n'));
    return text;
}

// A band of the rendered page around the element: the full width, and far
// enough above and below that a text running out of its box is seen.
struct Band
{
    QImage image;
    qreal scale = 1;
    int top = 0; // in design units

    QRect pixels(const QRect& box) const
    {
        // The pixels the box covers, even partly.
        const auto px = [this](qreal units) {
            return units * scale;
        };
        const int left = static_cast<int>(std::floor(px(box.left())));
        const int right = static_cast<int>(std::ceil(px(box.left() + box.width())));
        const int y0 = static_cast<int>(std::floor(px(box.top() - top)));
        const int y1 = static_cast<int>(std::ceil(px(box.top() + box.height() - top)));
        return {QPoint(left, y0), QPoint(right - 1, y1 - 1)};
    }
};

Band bandAround(const Page& page, const PageElement& e, int pixelWidth)
{
    Band band;
    band.scale = static_cast<qreal>(pixelWidth) / page.width;
    const int margin = 2 * e.rect.height() + 20;
    band.top = e.rect.top() - margin;
    const int height = e.rect.height() + 2 * margin;
    band.image =
        QImage(pixelWidth, static_cast<int>(std::ceil(height * band.scale)), QImage::Format_RGB32);
    band.image.fill(Qt::white);
    return band;
}

void prepare(QPainter& painter, const Band& band)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(band.scale, band.scale);
    painter.translate(0, -band.top);
}

// Pixels that are not white outside area.
int inkOutside(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFFU) != 0xFFFFFFU && !area.contains(x, y)) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace

QStringList cutTexts(const Page& page, int pixelWidth)
{
    QStringList cut;
    for (const PageElement& e : page.elements) {
        if (e.kind != PageElement::Kind::Text || e.text.trimmed().isEmpty()) {
            continue;
        }
        const TextPlan plan = planText(e);
        if (withoutBlanks(plan.text) != withoutBlanks(e.text)) {
            cut << QStringLiteral("%1: drawn as \"%2\"").arg(e.name, plan.text);
            continue;
        }
        // The planned text with nothing clipped away.
        Band whole = bandAround(page, e, pixelWidth);
        {
            QPainter painter(&whole.image);
            prepare(painter, whole);
            painter.setPen(QColor::fromRgb(e.rgb));
            painter.setFont(plan.font);
            painter.drawText(plan.rect, plan.flags | Qt::TextDontClip, plan.text);
        }
        if (const int outside = inkOutside(whole.image, whole.pixels(e.rect)); outside > 0) {
            cut << QStringLiteral("%1: %2 pixels of \"%3\" outside its box")
                       .arg(e.name)
                       .arg(outside)
                       .arg(e.text);
            continue;
        }
        Band drawn = bandAround(page, e, pixelWidth);
        {
            QPainter painter(&drawn.image);
            prepare(painter, drawn);
            renderElement(e, painter);
        }
        if (drawn.image != whole.image) {
            cut << QStringLiteral("%1: the renderer draws \"%2\" otherwise").arg(e.name, e.text);
        }
    }
    return cut;
}

} // namespace common::testing
