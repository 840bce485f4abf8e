#include "common/core/pagemodel.h"

#include <algorithm>

namespace common {

namespace {

// An element of the kind, name and place; the builders below add the rest.
PageElement element(PageElement::Kind kind, const QString& name, QRect rect)
{
    PageElement e;
    e.kind = kind;
    e.name = name;
    e.rect = rect;
    return e;
}

} // namespace

const PageElement* Page::find(const QString& elementName) const
{
    for (const PageElement& element : elements) {
        if (element.name == elementName) {
            return &element;
        }
    }
    return nullptr;
}

PageFont fontOfHeight(const QString& family, int height, bool bold)
{
    PageFont font;
    font.family = family;
    // A point is 1/72 inch, a design unit 1/96.
    font.pointSize = (height * 72 + kUnitsPerInch / 2) / kUnitsPerInch;
    font.bold = bold;
    return font;
}

int largestFittingHeight(int preferred, int minimum, const std::function<bool(int)>& fits)
{
    for (int height = preferred; height > minimum; --height) {
        if (fits(height)) {
            return height;
        }
    }
    return std::min(preferred, minimum);
}

PageElement textElement(const QString& name, QRect rect, const QString& text, const PageFont& font,
                        HAlign align)
{
    PageElement e = element(PageElement::Kind::Text, name, rect);
    e.text = text;
    e.font = font;
    e.align = align;
    return e;
}

PageElement boxElement(const QString& name, QRect rect, int penWidth)
{
    PageElement e = element(PageElement::Kind::Box, name, rect);
    e.penWidth = penWidth;
    return e;
}

PageElement lineElement(const QString& name, QPoint from, QPoint to, int penWidth)
{
    PageElement e = element(PageElement::Kind::Line, name, QRect(from, to));
    e.penWidth = penWidth;
    return e;
}

PageElement pictureElement(const QString& name, QRect rect, const QByteArray& picture)
{
    PageElement e = element(PageElement::Kind::Picture, name, rect);
    e.picture = picture;
    return e;
}

} // namespace common
