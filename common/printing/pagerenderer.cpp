#include "common/printing/pagerenderer.h"

#include "common/core/pagemodel.h"

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

Qt::Alignment toQt(HAlign align)
{
    switch (align) {
    case HAlign::Center:
        return Qt::AlignHCenter;
    case HAlign::Right:
        return Qt::AlignRight;
    case HAlign::Left:
        break;
    }
    return Qt::AlignLeft;
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

void renderElement(const PageElement& e, QPainter& painter)
{
    const QColor colour = QColor::fromRgb(e.rgb);
    switch (e.kind) {
    case PageElement::Kind::Text: {
        painter.setPen(colour);
        painter.setFont(toQFont(e.font));
        int flags = static_cast<int>(toQt(e.align)) | Qt::AlignTop;
        if (e.wordWrap && e.maxLines > 0) {
            // Measured in the painter's own font, so that the lines fit on
            // the device they are drawn on.
            const QStringList lines = fitLines(e.text, painter.font(), e.rect.width(), e.maxLines);
            painter.drawText(e.rect, flags, lines.join(QLatin1Char('\n')));
            break;
        }
        if (e.wordWrap) {
            flags |= Qt::TextWordWrap;
        }
        painter.drawText(e.rect, flags, e.text);
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

std::optional<QString> writePdf(const std::vector<Page>& pages, const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath());
    }
    QPdfWriter writer(path);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return QStringLiteral("Nie można zapisać pliku %1").arg(path);
    }
    bool first = true;
    for (const Page& page : pages) {
        if (!first) {
            writer.newPage();
        }
        first = false;
        renderPage(page, painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    painter.end();
    return std::nullopt;
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
