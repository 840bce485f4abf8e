#include "kwitola/register/export/pdfpages.h"

#include "common/core/pagemodel.h"
#include "kwitola/register/export/pdffile.h"
#include "kwitola/register/export/pdffonts.h"
#include "kwitola/register/export/shapedtext.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace kwitola::registry {

namespace {

// A glyph this far (in design units) from where the previous one's advance
// leaves the pen gets a move of its own; below it nobody can see the
// difference.
constexpr double kPlacementTolerance = 0.02;

void appendPrecise(QByteArray& out, double value)
{
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%.9f", value);
    out.append(digits, length);
}

void appendColour(QByteArray& out, unsigned rgb, const char* op)
{
    for (const int shift : {16, 8, 0}) {
        appendNumber(out, ((rgb >> shift) & 0xFF) / 255.0);
        out.append(' ');
    }
    out.append(op);
    out.append('\n');
}

// One run of glyphs on one baseline in one font, placed against the box's
// top left corner, and the text-showing operation that draws it.
struct Piece
{
    int font = 0;
    qreal size = 0;
    QPointF origin;
    QByteArray show;
};
using Pieces = std::vector<Piece>;

// The glyphs from first on that stand on the first one's baseline, as one
// string with moves where the font's own advances would misplace a glyph.
qsizetype encodeRun(Piece& piece, const QList<quint32>& glyphs, const QList<QPointF>& at,
                    qsizetype first, PdfFonts& fonts)
{
    piece.show = "[<";
    qreal pen = at.at(first).x();
    qsizetype i = first;
    const qsizetype end = std::min(glyphs.size(), at.size());
    for (; i < end && std::abs(at.at(i).y() - at.at(first).y()) < 0.001; ++i) {
        const qreal off = at.at(i).x() - pen;
        if (std::abs(off) > kPlacementTolerance && piece.size > 0) {
            const auto move = std::llround(-off * 1000.0 / piece.size);
            piece.show.append('>');
            appendInteger(piece.show, move);
            piece.show.append('<');
            pen -= static_cast<qreal>(move) * piece.size / 1000.0;
        }
        appendHex16(piece.show, glyphs.at(i));
        pen += fonts.use(piece.font, glyphs.at(i)) * piece.size / 1000.0;
    }
    piece.show.append(">]TJ\n");
    return i;
}

std::optional<Pieces> encode(const ShapedText& shape, PdfFonts& fonts)
{
    Pieces pieces;
    for (const ShapedText::Line& line : shape.lines) {
        for (const QGlyphRun& run : line.runs) {
            const std::optional<int> font = fonts.numberOf(run.rawFont());
            if (!font) {
                return std::nullopt;
            }
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype i = 0; i < glyphs.size() && i < at.size();) {
                Piece piece{*font,
                            run.rawFont().pixelSize(),
                            QPointF(line.left + at.at(i).x(), at.at(i).y()),
                            {}};
                i = encodeRun(piece, glyphs, at, i, fonts);
                pieces.push_back(std::move(piece));
            }
        }
    }
    return pieces;
}

// What the content stream has set, so that each change is written once.
struct GraphicsState
{
    unsigned fill = 0x000000;
    unsigned stroke = 0x000000;
    double width = 1;
    int font = -1;
    qreal size = 0;
};

// One page's content stream in design units, y downwards as on the page.
class PageContent final
{
public:
    PageContent(const common::Page& page, const QPageLayout& layout)
    {
        const QRect device = layout.paintRectPixels(kTablePdfResolution);
        const double toPoints = 72.0 / kTablePdfResolution;
        m_hairline = static_cast<double>(page.width) / device.width();
        appendPrecise(m_out, toPoints * device.width() / page.width);
        m_out.append(" 0 0 ");
        appendPrecise(m_out, -toPoints * device.height() / page.height);
        m_out.append(" 0 ");
        appendNumber(m_out, layout.fullRectPoints().height());
        m_out.append(" cm\n2 J 2 j\n");
    }

    [[nodiscard]] const QByteArray& bytes() const { return m_out; }

    void box(const common::PageElement& e)
    {
        const bool stroke = e.penWidth > 0;
        if (!stroke && !e.filled) {
            return;
        }
        if (e.filled) {
            setFill(e.fillRgb);
        }
        if (stroke) {
            setStroke(e.rgb, e.penWidth);
        }
        appendRect(QRectF(e.rect));
        m_out.append(stroke && e.filled ? "B\n" : (stroke ? "S\n" : "f\n"));
    }

    void line(const common::PageElement& e)
    {
        setStroke(e.rgb, e.penWidth > 0 ? e.penWidth : m_hairline);
        appendPoint(e.rect.topLeft());
        m_out.append("m ");
        appendPoint(e.rect.bottomRight());
        m_out.append("l S\n");
    }

    void text(const QRectF& rect, bool clipped, unsigned rgb, const Pieces& pieces)
    {
        if (pieces.empty()) {
            return;
        }
        const GraphicsState saved = m_state;
        if (clipped) {
            m_out.append("q ");
            appendRect(rect);
            m_out.append("W n\n");
        }
        setFill(rgb);
        m_out.append("BT\n");
        for (const Piece& piece : pieces) {
            if (piece.font != m_state.font || piece.size != m_state.size) {
                m_out.append(PdfFonts::resourceName(piece.font));
                m_out.append(' ');
                appendNumber(m_out, piece.size);
                m_out.append(" Tf\n");
                m_state.font = piece.font;
                m_state.size = piece.size;
            }
            m_out.append("1 0 0 -1 ");
            appendPoint(rect.topLeft() + piece.origin);
            m_out.append("Tm ");
            m_out.append(piece.show);
        }
        m_out.append("ET\n");
        if (clipped) {
            m_out.append("Q\n");
            m_state = saved;
        }
    }

private:
    void setFill(unsigned rgb)
    {
        if (rgb != m_state.fill) {
            appendColour(m_out, rgb, "rg");
            m_state.fill = rgb;
        }
    }

    void setStroke(unsigned rgb, double width)
    {
        if (rgb != m_state.stroke) {
            appendColour(m_out, rgb, "RG");
            m_state.stroke = rgb;
        }
        if (width != m_state.width) {
            appendNumber(m_out, width);
            m_out.append(" w\n");
            m_state.width = width;
        }
    }

    void appendPoint(QPointF p)
    {
        appendNumber(m_out, p.x());
        m_out.append(' ');
        appendNumber(m_out, p.y());
        m_out.append(' ');
    }

    void appendRect(const QRectF& r)
    {
        appendPoint(r.topLeft());
        appendNumber(m_out, r.width());
        m_out.append(' ');
        appendNumber(m_out, r.height());
        m_out.append(" re ");
    }

    QByteArray m_out;
    GraphicsState m_state;
    double m_hairline = 0;
};

bool writable(const std::vector<common::Page>& pages)
{
    return !pages.empty() &&
           std::all_of(pages.cbegin(), pages.cend(), [](const common::Page& page) {
               return page.width > 0 && page.height > 0 &&
                      std::none_of(page.elements.cbegin(), page.elements.cend(),
                                   [](const common::PageElement& e) {
                                       return e.kind == common::PageElement::Kind::Picture ||
                                              (e.kind == common::PageElement::Kind::Text &&
                                               drawnAsText(e));
                                   });
           });
}

// The pages' texts, each encoded once, in the fonts a painter on the
// common renderer's PDF device would choose for them.
class TextPieces final
{
public:
    TextPieces() : m_device(&m_sink)
    {
        m_sink.open(QIODevice::WriteOnly);
        m_device.setResolution(kTablePdfResolution);
        m_painter.begin(&m_device);
    }
    ~TextPieces() { m_painter.end(); }
    TextPieces(const TextPieces&) = delete;
    TextPieces& operator=(const TextPieces&) = delete;

    [[nodiscard]] PdfFonts& fonts() { return m_fonts; }
    void makeAhead(const std::vector<common::Page>& pages)
    {
        m_texts.makeAhead(pages, m_painter.font(), m_device);
    }

    // Adds the element's text to the content; false, adding nothing, when
    // a font of it cannot be embedded.
    bool draw(const common::PageElement& e, PageContent& content)
    {
        const TextCache::Made& made = m_texts.madeFor(e, m_painter);
        if (made.shape.asText) {
            return false;
        }
        const auto id = static_cast<std::size_t>(made.id);
        if (id >= m_pieces.size()) {
            m_pieces.resize(id + 1);
        }
        if (!m_pieces[id]) {
            m_pieces[id] = encode(made.shape, m_fonts);
            if (!m_pieces[id]) {
                return false;
            }
        }
        const QRectF rect = TextCache::placed(made, e);
        content.text(rect, TextCache::clipped(made, rect), e.rgb, *m_pieces[id]);
        return true;
    }

private:
    QBuffer m_sink;
    QPdfWriter m_device;
    QPainter m_painter;
    TextCache m_texts;
    PdfFonts m_fonts;
    std::vector<std::optional<Pieces>> m_pieces;
};

QByteArray reference(int id)
{
    QByteArray out;
    appendInteger(out, id);
    out.append(" 0 R");
    return out;
}

QByteArray pageObject(const QPageLayout& layout, int parent, int resources, int contents)
{
    const QRectF media = layout.fullRectPoints();
    QByteArray out("<< /Type /Page /Parent ");
    out.append(reference(parent));
    out.append(" /MediaBox [0 0 ");
    appendNumber(out, media.width());
    out.append(' ');
    appendNumber(out, media.height());
    out.append("] /Resources ");
    out.append(reference(resources));
    out.append(" /Contents ");
    out.append(reference(contents));
    out.append(" >>");
    return out;
}

} // namespace

QPageLayout tablePageLayout(const common::Page& page)
{
    const auto orientation =
        page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    return {QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0)};
}

common::Result<bool> writePagesDirectly(const std::vector<common::Page>& pages, const QString& path)
{
    if (!writable(pages)) {
        return false;
    }
    PdfFile file;
    if (auto opened = file.open(path); !opened) {
        return opened.forward();
    }
    const int catalog = file.reserve();
    const int tree = file.reserve();
    const int resources = file.reserve();
    const int info = file.reserve();
    TextPieces texts;
    texts.makeAhead(pages);
    QByteArray kids;
    for (const common::Page& page : pages) {
        const QPageLayout layout = tablePageLayout(page);
        PageContent content(page, layout);
        for (const common::PageElement& e : page.elements) {
            if (e.kind == common::PageElement::Kind::Box) {
                content.box(e);
            } else if (e.kind == common::PageElement::Kind::Line) {
                content.line(e);
            } else if (!texts.draw(e, content)) {
                return false;
            }
        }
        const int stream = file.reserve();
        const int object = file.reserve();
        file.writeStreamLater(stream, content.bytes());
        file.writeObject(object, pageObject(layout, tree, resources, stream));
        kids.append(reference(object));
        kids.append(' ');
    }
    const auto fonts = texts.fonts().write(file);
    if (!fonts) {
        return fonts.forward();
    }
    file.writeObject(resources, "<< /Font " + *fonts + " /ProcSet [/PDF /Text] >>");
    QByteArray tree_("<< /Type /Pages /Kids [");
    tree_.append(kids);
    tree_.append("] /Count ");
    appendInteger(tree_, static_cast<long long>(pages.size()));
    tree_.append(" >>");
    file.writeObject(tree, tree_);
    file.writeObject(
        info,
        "<< /Producer (kwitola-rejestr) /CreationDate (D:" +
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
            "Z) >>");
    file.writeObject(catalog, "<< /Type /Catalog /Pages " + reference(tree) + " >>");
    if (auto finished = file.finish(catalog, info); !finished) {
        return finished.forward();
    }
    return true;
}

} // namespace kwitola::registry
