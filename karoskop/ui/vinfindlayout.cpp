#include "karoskop/ui/vinfindlayout.h"

#include <algorithm>

namespace karoskop {

QSize clampedVinFindSize(QSize outer)
{
    return outer.expandedTo(kVinFindMinimumOuterSize);
}

VinFindGeometry vinFindLayout(QSize outer, QSize client, const VinFindMetrics& m)
{
    VinFindGeometry g;
    const int ow = outer.width();
    const int p = outer.height() / 28;
    const int captionLeft = ow / 15 - 20;
    const int valueLeft = ow / 3;
    const int firstTop = outer.height() / 5;

    for (int i = 0; i < kDescriptionRowCount; ++i) {
        const int top = firstTop + i * p;
        g.captions[static_cast<std::size_t>(i)] = QPoint(captionLeft, top);
        g.values[static_cast<std::size_t>(i)] = QPoint(valueLeft, top);
    }
    const int commentsTop = g.captions.back().y() + 2 * p;
    g.commentsCaption = QPoint(captionLeft, commentsTop);
    for (int i = 0; i < kCommentLineCount; ++i) {
        g.comments[static_cast<std::size_t>(i)] =
            QPoint(captionLeft + m.commentsCaptionWidth + 10, commentsTop + i * p);
    }

    g.fullVinCaption = QPoint(captionLeft, firstTop - (9 * p) / 2);
    g.fullVin = QPoint(captionLeft + m.fullVinCaptionWidth + 115, g.fullVinCaption.y() - 7);
    g.listCaption = QPoint(captionLeft, firstTop - 2 * p);
    const int listRight = ow - 20; // exclusive
    // The list starts under the full number, or after its caption where that
    // is longer, so the caption stays readable.
    const int listLeft = std::max(g.fullVin.x(), captionLeft + m.listCaptionWidth + 10);
    g.list = QRect(listLeft, g.listCaption.y() - 8, std::max(listRight - listLeft, 0),
                   m.listSize.height());

    const int yearTop = g.values[kProductionYearRow].y();
    g.errorMarker = QRect(QPoint(listRight - m.errorMarker.width(), yearTop), m.errorMarker);

    const int buttonWidth = (ow - 100) / 3;
    const int buttonTop = client.height() - m.footerHeight - m.buttonHeight - 22;
    for (int i = 0; i < 3; ++i) {
        g.buttons[static_cast<std::size_t>(i)] =
            QRect(50 + i * buttonWidth, buttonTop, buttonWidth, m.buttonHeight);
    }
    g.footer = QRect(0, client.height() - 10 - m.footerHeight, client.width(), m.footerHeight);
    return g;
}

} // namespace karoskop
