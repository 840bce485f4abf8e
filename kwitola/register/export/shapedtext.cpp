#include "kwitola/register/export/shapedtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace kwitola::registry {

namespace {

bool drawnByPainter(const common::TextPlan& plan, const QFont& font)
{
    return (plan.flags & Qt::TextWordWrap) != 0 || font.underline() || font.overline() ||
           font.strikeOut() || plan.text.contains(QChar(0x9c));
}

// Where a line of the given advance starts in a box of the given width.
qreal alignedLeft(int flags, qreal boxWidth, qreal advance)
{
    if ((flags & Qt::AlignRight) != 0) {
        return boxWidth - advance;
    }
    if ((flags & Qt::AlignHCenter) != 0) {
        return (boxWidth - advance) / 2;
    }
    return 0;
}

// drawText breaks lines only at '\n', draws '\r' and tabs as blanks, and
// stops laying out lines once they fill the box's height.
ShapedText shaped(const common::TextPlan& plan, const QFont& font)
{
    ShapedText shape;
    shape.asText = drawnByPainter(plan, font);
    if (shape.asText || plan.text.isEmpty()) {
        return shape;
    }
    QString text = plan.text;
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t') {
            c = u' ';
        } else if (c == u'\n') {
            c = QChar::LineSeparator;
        }
    }
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(0x01000000);
        height = qCeil(height + leading);
        line.setPosition(QPointF(0., height));
        height += line.ascent() + line.descent();
        width = qMax(width, line.naturalTextWidth());
        if (height >= plan.rect.height()) {
            break;
        }
    }
    layout.endLayout();
    shape.extent = QSizeF(width, height);
    shape.left = alignedLeft(plan.flags, plan.rect.width(), width);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        shape.lines.push_back({alignedLeft(plan.flags, plan.rect.width(), line.horizontalAdvance()),
                               line.glyphRuns()});
    }
    return shape;
}

} // namespace

PlanStyle::PlanStyle(const common::PageElement& e)
    : font(e.font), size(e.rect.size()), align(e.align), wordWrap(e.wordWrap), maxLines(e.maxLines)
{}

bool PlanStyle::matches(const common::PageElement& e) const
{
    return size == e.rect.size() && align == e.align && wordWrap == e.wordWrap &&
           maxLines == e.maxLines && font == e.font;
}

bool drawnAsText(const common::PageElement& e)
{
    return (e.wordWrap && e.maxLines <= 0) || e.font.underline || e.text.contains(QChar(0x9c));
}

const TextCache::Made& TextCache::madeFor(const common::PageElement& e, QPainter& painter)
{
    std::vector<Made>& styles = m_texts[e.text];
    for (const Made& made : styles) {
        if (made.style.matches(e)) {
            return made;
        }
    }
    common::TextPlan plan = common::planText(e);
    painter.setFont(plan.font);
    ShapedText shape = shaped(plan, painter.font());
    styles.push_back(
        {PlanStyle(e), std::move(plan), e.rect.topLeft(), std::move(shape), m_count++});
    return styles.back();
}

QRectF TextCache::placed(const Made& made, const common::PageElement& e)
{
    return made.plan.rect.translated(e.rect.topLeft() - made.madeAt);
}

bool TextCache::clipped(const Made& made, const QRectF& rect)
{
    return !rect.contains(QRectF(QPointF(rect.x() + made.shape.left, rect.y()), made.shape.extent));
}

} // namespace kwitola::registry
