#include "kwitola/register/export/tablepdf.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/register/export/pdfpages.h"
#include "kwitola/register/export/shapedtext.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace kwitola::registry {

namespace {

void drawText(const common::PageElement& e, QPainter& painter, TextCache& texts)
{
    const TextCache::Made& made = texts.madeFor(e, painter);
    const QRectF rect = TextCache::placed(made, e);
    painter.setPen(QColor::fromRgb(e.rgb));
    if (made.shape.asText) {
        painter.setFont(made.plan.font);
        painter.drawText(rect, made.plan.flags, made.plan.text);
        return;
    }
    if (made.shape.lines.empty()) {
        return;
    }
    const bool clipped = TextCache::clipped(made, rect);
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

} // namespace

common::Result<void> writeTablePdf(const std::vector<common::Page>& pages, const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return common::fail(
            QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));
    }
    const auto direct = writePagesDirectly(pages, path);
    if (!direct) {
        return direct.forward();
    }
    if (*direct) {
        return {};
    }
    QPdfWriter writer(path);
    writer.setPageLayout(tablePageLayout(pages.empty() ? common::Page() : pages.front()));
    writer.setResolution(kTablePdfResolution);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return common::fail(QStringLiteral("Nie można zapisać pliku %1").arg(path));
    }
    TextCache texts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(tablePageLayout(pages.at(i)));
            writer.newPage();
        }
        drawPage(pages.at(i), painter, QRectF(0, 0, writer.width(), writer.height()), texts);
    }
    painter.end();
    return {};
}

} // namespace kwitola::registry
