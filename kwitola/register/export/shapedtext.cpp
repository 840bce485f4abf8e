#include "kwitola/register/export/shapedtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>
#include <future>
#include <system_error>
#include <thread>

namespace kwitola::registry {

namespace {

// Fewer texts than this are planned on the caller's thread alone: a thread
// of its own would cost more than it saves.
constexpr std::size_t kPlannedAlone = 64;

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

TextCache::Made* TextCache::find(const common::PageElement& e)
{
    const auto texts = m_texts.find(e.text);
    if (texts == m_texts.end()) {
        return nullptr;
    }
    for (Made& made : *texts) {
        if (made.style.matches(e)) {
            return &made;
        }
    }
    return nullptr;
}

void TextCache::makeAhead(const std::vector<common::Page>& pages, const QFont& painterFont,
                          const QPaintDevice& device)
{
    // Each new text's first element, and where its made text is kept.
    struct Fresh
    {
        const common::PageElement* element;
        qsizetype slot;
    };
    std::vector<Fresh> fresh;
    for (const common::Page& page : pages) {
        for (const common::PageElement& e : page.elements) {
            if (e.kind != common::PageElement::Kind::Text || find(e) != nullptr) {
                continue;
            }
            std::vector<Made>& styles = m_texts[e.text];
            fresh.push_back({&e, static_cast<qsizetype>(styles.size())});
            styles.push_back({PlanStyle(e), {}, e.rect.topLeft(), {}, m_count++});
        }
    }
    std::vector<common::TextPlan> plans(fresh.size());
    std::vector<ShapedText> shapes(fresh.size());
    const auto make = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            plans[i] = common::planText(*fresh[i].element);
            // What QPainter::setFont makes of the plan's font.
            const QFont font(plans[i].font.resolve(painterFont), &device);
            shapes[i] = shaped(plans[i], font);
        }
    };
    const std::size_t half = fresh.size() / 2;
    std::future<void> other;
    if (half >= kPlannedAlone && std::thread::hardware_concurrency() > 1) {
        try {
            other = std::async(std::launch::async, make, half, fresh.size());
        } catch (const std::system_error&) {
            other = {};
        }
    }
    make(0, other.valid() ? half : fresh.size());
    if (other.valid()) {
        other.get();
    }
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        Made& made = m_texts[fresh[i].element->text][fresh[i].slot];
        made.plan = std::move(plans[i]);
        made.shape = std::move(shapes[i]);
        made.shaped = true;
    }
}

const TextCache::Made& TextCache::madeFor(const common::PageElement& e, QPainter& painter)
{
    Made* made = find(e);
    if (made == nullptr) {
        std::vector<Made>& styles = m_texts[e.text];
        styles.push_back({PlanStyle(e), common::planText(e), e.rect.topLeft(), {}, m_count++});
        made = &styles.back();
    }
    if (!made->shaped) {
        painter.setFont(made->plan.font);
        made->shape = shaped(made->plan, painter.font());
        made->shaped = true;
    }
    return *made;
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
