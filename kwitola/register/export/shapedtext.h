#pragma once

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace kwitola::registry {

// Everything a text's plan depends on besides the text itself: all but
// where its box stands.
struct PlanStyle
{
    common::PageFont font;
    QSize size;
    common::HAlign align = common::HAlign::Left;
    bool wordWrap = false;
    int maxLines = 0;

    explicit PlanStyle(const common::PageElement& e);
    [[nodiscard]] bool matches(const common::PageElement& e) const;
};

// A planned text the way QPainter::drawText lays it out in the painter's
// font: its lines' glyphs, each line placed against the box's left edge,
// and the extent of all lines, which decides whether the box clips them.
// Texts whose drawing these runs would not reproduce (wrapped by the
// painter, decorated) keep being drawn as text.
struct ShapedText
{
    struct Line
    {
        qreal left = 0; // from the box's left edge
        QList<QGlyphRun> runs;
    };
    std::vector<Line> lines;
    qreal left = 0; // of the widest line, from the box's left edge
    QSizeF extent;
    bool asText = false;
};

// Whether the element's text is one the glyph runs would not draw as the
// painter does: wrapped by the painter, underlined, or holding a character
// that drawText treats as a break between alternatives.
[[nodiscard]] bool drawnAsText(const common::PageElement& e);

// The texts drawn so far, each planned and shaped for a box at some place
// and moved to the box it is drawn in. A text is found by its words first:
// few texts appear in more than one style.
class TextCache final
{
public:
    struct Made
    {
        PlanStyle style;
        common::TextPlan plan;
        QPoint madeAt;
        ShapedText shape;
        int id = 0; // made texts are numbered from 0 in the order they were made
        bool shaped = false;
    };

    TextCache();
    ~TextCache();
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // Makes every text of the pages not made yet, most of them on a second
    // thread where the machine has one: each is planned, which measures it
    // at each size it might be drawn at, and shaped in the font a painter
    // on the device would draw it in, a painter whose own font is
    // painterFont (QPainter::font() after begin()). Returns once the texts
    // of the first pages are made; madeFor waits for the rest when it first
    // needs one of them. The pages and the device must outlive the cache.
    void makeAhead(const std::vector<common::Page>& pages, const QFont& painterFont,
                   const QPaintDevice& device);

    // The element's text as made for its first box, in the fonts the painter
    // resolves on its device; valid until the next call.
    const Made& madeFor(const common::PageElement& e, QPainter& painter);

    // Where the made text stands for the element: its plan's box moved to
    // the element's place.
    [[nodiscard]] static QRectF placed(const Made& made, const common::PageElement& e);
    // Whether the text's lines reach beyond the box placed at rect.
    [[nodiscard]] static bool clipped(const Made& made, const QRectF& rect);

private:
    struct Ahead;

    // The made text of the element's words and style, or nullptr.
    Made* find(const common::PageElement& e);
    // Moves the texts made ahead, from first to last, into their places.
    void keep(std::size_t from, std::size_t to);
    // Waits for the other thread's texts and keeps them.
    void collect();

    QHash<QString, std::vector<Made>> m_texts;
    int m_count = 0;
    std::unique_ptr<Ahead> m_ahead; // last: its thread is joined first
};

} // namespace kwitola::registry
