#include "common/core/pagemodel.h"

#include <algorithm>

namespace common {

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
    PageElement e;
    e.kind = PageElement::Kind::Text;
    e.name = name;
    e.rect = rect;
    e.text = text;
    e.font = font;
    e.align = align;
    return e;
}

PageElement boxElement(const QString& name, QRect rect, int penWidth)
{
    PageElement e;
    e.kind = PageElement::Kind::Box;
    e.name = name;
    e.rect = rect;
    e.penWidth = penWidth;
    return e;
}

PageElement lineElement(const QString& name, QPoint from, QPoint to, int penWidth)
{
    PageElement e;
    e.kind = PageElement::Kind::Line;
    e.name = name;
    e.rect = QRect(from, to);
    e.penWidth = penWidth;
    return e;
}

PageElement pictureElement(const QString& name, QRect rect, const QByteArray& picture)
{
    PageElement e;
    e.kind = PageElement::Kind::Picture;
    e.name = name;
    e.rect = rect;
    e.picture = picture;
    return e;
}

} // namespace common
