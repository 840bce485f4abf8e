#pragma once

#include "common/core/result.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;
class QImage;

namespace common {

struct Page;
struct PageElement;

// Draws a page model onto any painter: printer, PDF writer, image, preview.
// The page's design units are scaled to fill target.
void renderPage(const Page& page, QPainter& painter, const QRectF& target);

// Draws one element; the painter is already scaled to design units.
void renderElement(const PageElement& element, QPainter& painter);

// How the renderer draws a text element: in the element's font, drawn
// smaller (down to kMinimumTextHeight) when the text does not fit its box
// at its own size, so that nothing is cut off. Only a text that does not fit
// even at the smallest height is cut, with an ellipsis.
struct TextPlan
{
    QFont font;
    QString text; // what is drawn; lines may be broken with '\n'
    // Where it is drawn: the element's box; a single line drawn smaller
    // moves down inside it to stand on the baseline of its own size.
    QRectF rect;
    int flags = 0; // QPainter::drawText flags within rect
    bool fits = true;
};
[[nodiscard]] TextPlan planText(const PageElement& element);

// The text broken into lines no wider than width in the font, at most
// maxLines of them; when the text goes on, the last line ends in an ellipsis.
QStringList fitLines(const QString& text, const QFont& font, int width, int maxLines);

// Renders a page to an image of the given width (height follows the page).
QImage renderPageToImage(const Page& page, int pixelWidth);

// Writes the pages to a PDF file, one A4 page each: portrait, or landscape
// for a page laid out wider than high.
[[nodiscard]] Result<void> writePdf(const std::vector<Page>& pages, const QString& path);

// Maps the printout fonts "Arial" and "Arial CE" onto a metric-compatible
// face installed on the system. Call once after the application exists.
void installFontSubstitutes();

} // namespace common
