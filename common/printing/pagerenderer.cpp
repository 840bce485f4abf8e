#include "common/printing/pagerenderer.h"

#include "common/core/pagemodel.h"
#include "common/core/valuetable.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>

namespace common {
namespace {

QFont toQFont(const PageFont& f)
{
    QFont font(f.family);
    // Design units are 1/96 inch and a point is 1/72 inch.
    font.setPixelSize(qMax(1, (f.pointSize * kUnitsPerInch + 36) / 72));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

const ValueTable<HAlign, Qt::Alignment, 3> kAlignments = {{
    {HAlign::Left, Qt::AlignLeft},
    {HAlign::Center, Qt::AlignHCenter},
    {HAlign::Right, Qt::AlignRight},
}};

Qt::Alignment toQt(HAlign align)
{
    return valueFor(kAlignments, align, Qt::Alignment(Qt::AlignLeft));
}

} // namespace

QStringList fitLines(const QString& text, const QFont& font, int width, int maxLines)
{
    const QFontMetricsF metrics(font);
    QTextLayout layout(text, font);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            // The last line takes the rest of the text, cut to fit.
            const QString rest = text.mid(line.textStart());
            lines << metrics.elidedText(rest.simplified(), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

namespace {

// The width a line needs: its advance, or its ink where a glyph reaches
// beyond the advance (a bold or italic last letter).
qreal lineWidth(const QFontMetricsF& metrics, const QString& line)
{
    const QRectF ink = metrics.boundingRect(line);
    return std::max(metrics.horizontalAdvance(line), ink.right()) - std::min(0.0, ink.left());
}

// The lines the element's text takes in font: as written, or wrapped to the
// box (unlimited here: whether they are too many is for the caller).
QStringList linesIn(const PageElement& e, const QFont& font)
{
    if (e.wordWrap) {
        return fitLines(e.text, font, e.rect.width(), 0);
    }
    return e.text.split(QLatin1Char('\n'));
}

// Whether the element's text fits its box in font, measured in the font's
// own metrics.
bool fitsMeasured(const PageElement& e, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = linesIn(e, font);
    if (e.maxLines > 0 && lines.size() > e.maxLines) {
        return false;
    }
    const qreal height =
        metrics.lineSpacing() * static_cast<qreal>(lines.size() - 1) + metrics.height();
    if (height > e.rect.height() + 0.5) {
        return false;
    }
    return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return lineWidth(metrics, line) <= e.rect.width();
    });
}

// Whether the text fits on every device: the screen and an image at the
// page's own size draw with hinted glyphs, a printer or a larger image with
// the outlines scaled, and either may be a little wider or taller.
bool fitsIn(const PageElement& e, const QFont& font)
{
    QFont outlines = font;
    outlines.setHintingPreference(QFont::PreferNoHinting);
    return fitsMeasured(e, font) && fitsMeasured(e, outlines);
}

} // namespace

TextPlan planText(const PageElement& e)
{
    TextPlan plan;
    plan.font = toQFont(e.font);
    plan.flags = static_cast<int>(toQt(e.align)) | Qt::AlignTop;
    plan.text = e.text;
    const int own = plan.font.pixelSize();
    int fitted = 0; // the height found to fit, so that it is not measured twice
    const int height = largestFittingHeight(own, kMinimumTextHeight, [&](int size) {
        QFont font = plan.font;
        font.setPixelSize(size);
        if (!fitsIn(e, font)) {
            return false;
        }
        fitted = size;
        return true;
    });
    const QFontMetricsF ownMetrics(plan.font);
    plan.font.setPixelSize(height);
    plan.fits = fitted == height || fitsIn(e, plan.font);
    plan.rect = QRectF(e.rect);
    if (height < own && !e.wordWrap && !e.text.contains(QLatin1Char('\n'))) {
        // Beside texts of its own size the smaller one keeps their baseline.
        const QFontMetricsF metrics(plan.font);
        const qreal room = e.rect.height() - metrics.height();
        plan.rect.setTop(plan.rect.top() + std::clamp(ownMetrics.ascent() - metrics.ascent(), 0.0,
                                                      std::max(room, 0.0)));
    }
    if (e.wordWrap && e.maxLines > 0) {
        plan.text = fitLines(e.text, plan.font, e.rect.width(), e.maxLines).join(QLatin1Char('\n'));
    } else if (e.wordWrap) {
        plan.flags |= Qt::TextWordWrap;
    } else if (!plan.fits) {
        // Too wide even at the smallest height: the cut shows as an ellipsis.
        const QFontMetricsF metrics(plan.font);
        QStringList lines = e.text.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            line = metrics.elidedText(line, Qt::ElideRight, e.rect.width());
        }
        plan.text = lines.join(QLatin1Char('\n'));
    }
    return plan;
}

void renderElement(const PageElement& e, QPainter& painter)
{
    const QColor colour = QColor::fromRgb(e.rgb);
    switch (e.kind) {
    case PageElement::Kind::Text: {
        const TextPlan plan = planText(e);
        painter.setPen(colour);
        painter.setFont(plan.font);
        painter.drawText(plan.rect, plan.flags, plan.text);
        break;
    }
    case PageElement::Kind::Box:
        painter.setPen(e.penWidth > 0 ? QPen(colour, e.penWidth) : QPen(Qt::NoPen));
        painter.setBrush(e.filled ? QBrush(QColor::fromRgb(e.fillRgb)) : QBrush(Qt::NoBrush));
        painter.drawRect(e.rect);
        break;
    case PageElement::Kind::Line:
        painter.setPen(QPen(colour, e.penWidth));
        painter.drawLine(e.rect.topLeft(), e.rect.bottomRight());
        break;
    case PageElement::Kind::Picture: {
        QImage image;
        if (image.loadFromData(e.picture)) {
            painter.drawImage(QRectF(e.rect), image);
        }
        break;
    }
    }
}

void renderPage(const Page& page, QPainter& painter, const QRectF& target)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.width, target.height() / page.height);
    for (const PageElement& element : page.elements) {
        renderElement(element, painter);
    }
    painter.restore();
}

QImage renderPageToImage(const Page& page, int pixelWidth)
{
    const int pixelHeight = pixelWidth * page.height / page.width;
    QImage image(pixelWidth, pixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderPage(page, painter, QRectF(0, 0, pixelWidth, pixelHeight));
    return image;
}

namespace {

// A4 the way the page is laid out: a page wider than high is landscape.
QPageLayout pdfLayout(const Page& page)
{
    const auto orientation =
        page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0));
}

} // namespace

Result<void> writePdf(const std::vector<Page>& pages, const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return fail(QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));
    }
    QPdfWriter writer(path);
    writer.setPageLayout(pages.empty() ? pdfLayout(Page()) : pdfLayout(pages.front()));
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return fail(QStringLiteral("Nie można zapisać pliku %1").arg(path));
    }
    bool first = true;
    for (const Page& page : pages) {
        if (!first) {
            // Set while painting, the layout applies from the next page on.
            writer.setPageLayout(pdfLayout(page));
            writer.newPage();
        }
        first = false;
        renderPage(page, painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    painter.end();
    return {};
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace common
