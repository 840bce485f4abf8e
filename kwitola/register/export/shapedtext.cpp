#include "kwitola/register/export/shapedtext.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>
#include <future>
#include <system_error>
#include <thread>

namespace kwitola::registry {

namespace {

// The caller's thread makes this share of the texts, in percent, the other
// thread the rest: the caller goes on to write the pages, while the pages'
// compression shares the other thread's core.
constexpr std::size_t kOwnShare = 48;
// Fewer texts than this are made on the caller's thread alone: a thread of
// their own would cost more than it saves.
constexpr std::size_t kMadeAlone = 32;

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

// The texts made ahead: the caller's share first, the other thread's after
// it, each text's first element and where its made text is kept.
struct TextCache::Ahead
{
    QFont painterFont;
    const QPaintDevice* device = nullptr;
    std::vector<const common::PageElement*> elements;
    std::vector<qsizetype> slots;
    std::vector<common::TextPlan> plans;
    std::vector<ShapedText> shapes;
    std::size_t othersFrom = 0;
    std::future<void> others; // last: joined before the rest goes

    void make(std::size_t from, std::size_t to)
    {
        for (std::size_t i = from; i < to; ++i) {
            plans[i] = common::planText(*elements[i]);
            // What QPainter::setFont makes of the plan's font.
            const QFont font(plans[i].font.resolve(painterFont), device);
            shapes[i] = shaped(plans[i], font);
        }
    }
};

TextCache::TextCache() = default;
TextCache::~TextCache() = default;

void TextCache::makeAhead(const std::vector<common::Page>& pages, const QFont& painterFont,
                          const QPaintDevice& device)
{
    collect();
    m_ahead = std::make_unique<Ahead>();
    Ahead& ahead = *m_ahead;
    ahead.painterFont = painterFont;
    ahead.device = &device;
    for (const common::Page& page : pages) {
        for (const common::PageElement& e : page.elements) {
            if (e.kind != common::PageElement::Kind::Text || find(e) != nullptr) {
                continue;
            }
            std::vector<Made>& styles = m_texts[e.text];
            ahead.elements.push_back(&e);
            ahead.slots.push_back(static_cast<qsizetype>(styles.size()));
            styles.push_back({PlanStyle(e), {}, e.rect.topLeft(), {}, m_count++});
        }
    }
    const std::size_t count = ahead.elements.size();
    ahead.plans.resize(count);
    ahead.shapes.resize(count);
    // The caller's share is the texts of the first pages: it goes on to
    // write them while the other thread still makes the rest.
    ahead.othersFrom = count * kOwnShare / 100;
    if (ahead.othersFrom >= kMadeAlone && std::thread::hardware_concurrency() > 1) {
        try {
            ahead.others = std::async(std::launch::async,
                                      [&ahead, count] { ahead.make(ahead.othersFrom, count); });
        } catch (const std::system_error&) {
            ahead.others = {};
        }
    }
    if (!ahead.others.valid()) {
        ahead.othersFrom = count;
    }
    ahead.make(0, ahead.othersFrom);
    keep(0, ahead.othersFrom);
}

void TextCache::keep(std::size_t from, std::size_t to)
{
    Ahead& ahead = *m_ahead;
    for (std::size_t i = from; i < to; ++i) {
        Made& made = m_texts[ahead.elements[i]->text][ahead.slots[i]];
        made.plan = std::move(ahead.plans[i]);
        made.shape = std::move(ahead.shapes[i]);
        made.shaped = true;
    }
}

void TextCache::collect()
{
    if (m_ahead && m_ahead->others.valid()) {
        m_ahead->others.get();
        keep(m_ahead->othersFrom, m_ahead->elements.size());
    }
}

const TextCache::Made& TextCache::madeFor(const common::PageElement& e, QPainter& painter)
{
    Made* made = find(e);
    if (made != nullptr && !made->shaped) {
        collect();
    }
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
