#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace common {

// Positions and sizes of a printout are in design units of 1/96 inch.
inline constexpr int kUnitsPerInch = 96;
// An A4 portrait page (210 x 297 mm) in design units.
inline constexpr int kA4Width = 794;
inline constexpr int kA4Height = 1123;

struct PageFont
{
    QString family = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PageFont&) const = default;
};

enum class HAlign { Left, Center, Right };

struct PageElement
{
    enum class Kind { Text, Box, Line, Picture };

    Kind kind = Kind::Text;
    // Text and picture: the area; box: the frame; line: from topLeft() to
    // bottomRight() (a horizontal line has equal tops).
    QRect rect;
    QString text;
    PageFont font;
    HAlign align = HAlign::Left;
    bool wordWrap = false;
    // Wrapped text: at most this many lines, the last one cut with an
    // ellipsis when the text goes on (0: no limit).
    int maxLines = 0;
    int penWidth = 1;
    unsigned rgb = 0x000000;     // text, frame or line colour as 0xRRGGBB
    bool filled = false;         // box: fill the inside
    unsigned fillRgb = 0xFFFFFF; // box: fill colour
    QByteArray picture;          // picture: encoded image (BMP, PNG)
    QString name;                // what the element shows, for finding it again

    bool operator==(const PageElement&) const = default;
};

// The sheet a page is printed on. A page is laid out for A4; one meant for
// the printer's own paper is drawn on whatever sheet the printer holds by
// default (the PDF written without a printer stays A4).
enum class Paper { A4, PrinterDefault };

struct Page
{
    int width = kA4Width;
    int height = kA4Height;
    Paper paper = Paper::A4;
    std::vector<PageElement> elements;

    // The first element with the given name, or nullptr.
    const PageElement* find(const QString& elementName) const;

    bool operator==(const Page&) const = default;
};

// A printout font whose characters are height design units high, at the
// nearest whole point size.
PageFont fontOfHeight(const QString& family, int height, bool bold = false);

// The smallest character height, in design units, a text is drawn at when
// it does not fit its box at its own size: 6 pt, still readable on paper.
inline constexpr int kMinimumTextHeight = 8;

// The largest character height from preferred down to minimum at which fits
// answers true; minimum when none does. A preferred height already below the
// minimum is kept: such a text was meant to be that small.
[[nodiscard]] int largestFittingHeight(int preferred, int minimum,
                                       const std::function<bool(int)>& fits);

// Element builders keep page-building functions short.
PageElement textElement(const QString& name, QRect rect, const QString& text, const PageFont& font,
                        HAlign align = HAlign::Left);
PageElement boxElement(const QString& name, QRect rect, int penWidth = 1);
PageElement lineElement(const QString& name, QPoint from, QPoint to, int penWidth = 1);
PageElement pictureElement(const QString& name, QRect rect, const QByteArray& picture);

} // namespace common
