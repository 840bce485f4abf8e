#include "kwitola/register/export/tablepdf.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QtMath>
#include <vector>

namespace kwitola::registry {

namespace {

// Everything a text's plan depends on besides the text itself: all but
// where its box stands.
struct PlanStyle
{
    common::PageFont font;
    QSize size;
    common::HAlign align = common::HAlign::Left;
    bool wordWrap = false;
    int maxLines = 0;

    explicit PlanStyle(const common::PageElement& e)
        : font(e.font), size(e.rect.size()), align(e.align), wordWrap(e.wordWrap),
          maxLines(e.maxLines)
    {}
    [[nodiscard]] bool matches(const common::PageElement& e) const
    {
        return size == e.rect.size() && align == e.align && wordWrap == e.wordWrap &&
               maxLines == e.maxLines && font == e.font;
    }
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

bool drawnAsText(const common::TextPlan& plan, const QFont& font)
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
    shape.asText = drawnAsText(plan, font);
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
    };

    // The element's text as made for its first box; valid until the next call.
    const Made& madeFor(const common::PageElement& e, QPainter& painter)
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
        styles.push_back({PlanStyle(e), std::move(plan), e.rect.topLeft(), std::move(shape)});
        return styles.back();
    }

private:
    QHash<QString, std::vector<Made>> m_texts;
};

void drawText(const common::PageElement& e, QPainter& painter, TextCache& texts)
{
    const TextCache::Made& made = texts.madeFor(e, painter);
    QRectF rect = made.plan.rect;
    rect.translate(e.rect.topLeft() - made.madeAt);
    painter.setPen(QColor::fromRgb(e.rgb));
    if (made.shape.asText) {
        painter.setFont(made.plan.font);
        painter.drawText(rect, made.plan.flags, made.plan.text);
        return;
    }
    if (made.shape.lines.empty()) {
        return;
    }
    const bool clipped =
        !rect.contains(QRectF(QPointF(rect.x() + made.shape.left, rect.y()), made.shape.extent));
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (const ShapedText::Line& line : made.shape.lines) {
        for (const QGlyphRun& run : line.runs) {
            painter.drawGlyphRun(QPointF(rect.x() + line.left, rect.y()), run);
        }
    }
    if (clipped) {
        painter.restore();
    }
    // Drawing text on a scaled painter, QPainter turns antialiasing on and
    // back off around each glyph item, which hands the pen to the engine's
    // stroker again before the next line is drawn; the runs do the same.
    if (!painter.testRenderHint(QPainter::Antialiasing) &&
        painter.combinedTransform().type() >= QTransform::TxScale) {
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void drawPage(const common::Page& page, QPainter& painter, const QRectF& target, TextCache& texts)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.width, target.height() / page.height);
    for (const common::PageElement& e : page.elements) {
        if (e.kind == common::PageElement::Kind::Text) {
            drawText(e, painter, texts);
        } else {
            common::renderElement(e, painter);
        }
    }
    painter.restore();
}

QPageLayout pdfLayout(const common::Page& page)
{
    const auto orientation =
        page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    return {QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0)};
}

} // namespace

common::Result<void> writeTablePdf(const std::vector<common::Page>& pages, const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return common::fail(
            QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));
    }
    QPdfWriter writer(path);
    writer.setPageLayout(pdfLayout(pages.empty() ? common::Page() : pages.front()));
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return common::fail(QStringLiteral("Nie można zapisać pliku %1").arg(path));
    }
    TextCache texts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(pdfLayout(pages.at(i)));
            writer.newPage();
        }
        drawPage(pages.at(i), painter, QRectF(0, 0, writer.width(), writer.height()), texts);
    }
    painter.end();
    return {};
}

} // namespace kwitola::registry
