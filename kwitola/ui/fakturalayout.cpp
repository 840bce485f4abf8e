#include "kwitola/ui/fakturalayout.h"

namespace kwitola::ui {

namespace {

// A span that starts one pixel left of the previous one's right edge, so
// that neighbouring buttons share their border.
Span after(const Span& previous, int width)
{
    return {previous.right() - 1, width};
}

} // namespace

MainLayout computeMainLayout(const ResizeInput& in)
{
    MainLayout out;
    const int listLeft = in.druk.right() + 16;
    const int listWidth = in.width - listLeft - in.addWidth - in.correctWidth - in.removeWidth - 24;
    out.lists = {listLeft, listWidth};
    out.add = {out.lists.right() + 8, in.addWidth};
    out.correct = after(out.add, in.correctWidth);
    out.remove = after(out.correct, in.removeWidth);
    out.rightEdge = out.remove.right();
    const int r = out.rightEdge;

    out.search = {listLeft, listWidth / 2};
    out.searchButton = {out.search.right(), listWidth / 4};
    const int fullListLeft = out.searchButton.right() - 1;
    out.fullList = {fullListLeft, r - fullListLeft};

    out.lineButtons = {out.add.left, r - out.add.left};

    out.year = {r - in.yearWidth, in.yearWidth};
    out.month = {out.year.left - in.monthWidth, in.monthWidth};
    out.day = {out.month.left - in.dayWidth, in.dayWidth};
    out.dateCaptionRight = r;

    const int sixth = listWidth / 6;
    out.columns[0] = {listLeft, sixth * 3};
    for (std::size_t i = 1; i < out.columns.size(); ++i) {
        out.columns[i] = {out.columns[i - 1].right(), sixth};
    }
    out.columnHeight = in.height - in.linesTop - in.drukHeight - in.printButtonHeight - 21;
    const int columnBottom = in.linesTop + out.columnHeight;
    out.totalTop = columnBottom - in.totalHeight;
    out.totalLabelTop = out.totalTop - 20;

    out.bottomRowTop = columnBottom + 12;
    const int fifth = in.width / 5;
    out.bottomRow[0] = {in.numberLeft, fifth};
    for (std::size_t i = 1; i < 4; ++i) {
        out.bottomRow[i] = after(out.bottomRow[i - 1], fifth);
    }
    out.bottomRow[4] = after(out.bottomRow[3], in.width - out.bottomRow[3].right() - 16);
    return out;
}

} // namespace kwitola::ui
