#include "common/widgets/buttongeometry.h"
#include "common/widgets/glyphimages.h"

#include <gtest/gtest.h>

using namespace common;

TEST(ButtonGeometry, GlyphCellCountFromPictureSize)
{
    struct Row
    {
        QSize size;
        int cells;
    };
    const Row rows[] = {{{64, 16}, 4}, {{80, 16}, 1}, {{48, 16}, 3}, {{32, 16}, 2},
                        {{16, 16}, 1}, {{20, 16}, 1}, {{0, 0}, 1},   {{16, 0}, 1}};
    for (const Row& r : rows) {
        EXPECT_EQ(glyphCellCount(r.size), r.cells) << r.size.width() << "x" << r.size.height();
    }
}

TEST(ButtonGeometry, GlyphAndCaptionPlacementForEveryAlignment)
{
    // Button 100 x 60, glyph cell 16 x 16, caption 30 x 12, spacing 2.
    struct Row
    {
        TTextAlign align;
        QPoint glyph;
        QPoint caption;
    };
    using A = TTextAlign;
    const Row rows[] = {
        {A::ttaTopLeft, {42, 42}, {2, 28}},     {A::ttaTop, {42, 42}, {35, 28}},
        {A::ttaTopRight, {42, 42}, {68, 28}},   {A::ttaRight, {2, 22}, {68, 24}},
        {A::ttaBottomRight, {42, 2}, {68, 20}}, {A::ttaBottom, {42, 2}, {35, 20}},
        {A::ttaBottomLeft, {42, 2}, {2, 20}},   {A::ttaLeft, {82, 22}, {2, 24}},
        {A::ttaCenter, {42, 22}, {35, 24}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.align));
        const QPoint g = glyphPosition(r.align, {100, 60}, {16, 16}, 2);
        EXPECT_EQ(g, r.glyph);
        const QRect c = captionRect(r.align, {100, 60}, QRect(g, QSize(16, 16)), {30, 12}, 2);
        EXPECT_EQ(c, QRect(r.caption, QSize(30, 12)));
    }
}

TEST(ButtonGeometry, EmptyGlyphCountsAsZeroHigh)
{
    const QPoint g = glyphPosition(TTextAlign::ttaBottom, {80, 29}, {0, 0}, 2);
    const QRect c =
        captionRect(TTextAlign::ttaBottom, {80, 29}, QRect(g, QSize(0, 0)), {40, 14}, 2);
    EXPECT_EQ(c, QRect(20, 4, 40, 14));
    const QRect centre = captionRect(TTextAlign::ttaCenter, {80, 29}, QRect(), {40, 14}, 2);
    EXPECT_EQ(centre, QRect(20, 7, 40, 14));
}

TEST(ButtonGeometry, FramesForEachStyleAndState)
{
    using S = TFrameStyle;
    using C = FrameColor;
    struct Row
    {
        S style;
        bool pressed, showPressed, over, down;
        std::vector<FrameStep> frames;
    };
    const Row rows[] = {
        // explorer: nothing until pointed at, raised under the mouse, sunken when pressed
        {S::fsExplorer, false, true, false, false, {}},
        {S::fsExplorer, false, true, true, false, {{C::Highlight, 2, C::Shadow}}},
        {S::fsExplorer, true, true, true, false, {{C::Shadow, 2, C::Highlight}}},
        {S::fsExplorer, true, false, true, false, {{C::Highlight, 2, C::Shadow}}},
        {S::fsExplorer, true, true, false, true, {{C::Shadow, 2, C::Highlight}}},
        {S::fsExplorer, true, true, false, false, {}},
        {S::fsRegular,
         false,
         true,
         false,
         false,
         {{C::Highlight, 2, C::Black}, {C::Face, 2, C::Shadow}}},
        {S::fsRegular,
         true,
         true,
         false,
         false,
         {{C::Black, 2, C::Highlight}, {C::Shadow, 2, C::Face}}},
        {S::fsRegular, true, false, false, false, {}},
        {S::fsIndent, false, true, false, false, {{C::Shadow, 2, C::Highlight}}},
        {S::fsIndent, true, false, false, false, {}},
        {S::fsLight, true, false, false, false, {}},
        {S::fsDark, true, false, false, false, {{C::DarkShadow, 1, C::Face}}},
        {S::fsLight, false, true, false, false, {{C::Highlight, 1, C::Shadow}}},
        {S::fsLight, true, true, false, false, {{C::Shadow, 1, C::Highlight}}},
        {S::fsDark, false, true, false, false, {{C::Face, 1, C::DarkShadow}}},
        {S::fsDark, true, true, false, false, {{C::DarkShadow, 1, C::Face}}},
        {S::fsMono, false, true, false, false, {{C::Highlight, 1, C::DarkShadow}}},
        {S::fsMono, true, true, false, false, {{C::DarkShadow, 1, C::Highlight}}},
        {S::fsNone, true, true, true, true, {}},
        {S::fsNone, false, true, true, false, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(&r - rows));
        ButtonLookState s;
        s.shownPressed = r.pressed;
        s.showPressed = r.showPressed;
        s.mouseOver = r.over;
        s.down = r.down;
        s.borderWidth = 2;
        EXPECT_EQ(buttonFrames(r.style, s), r.frames);
    }
}

TEST(ButtonGeometry, BackgroundOutlinesAndFill)
{
    ButtonLookState s;
    const auto regular = buttonBackground(TFrameStyle::fsRegular, {40, 30}, s);
    EXPECT_FALSE(regular.fillFace);
    ASSERT_EQ(regular.outlines.size(), 1U);
    EXPECT_EQ(regular.outlines[0].first, FrameColor::Black);
    EXPECT_EQ(regular.outlines[0].second, QRect(1, 1, 39, 29));

    const auto indent = buttonBackground(TFrameStyle::fsIndent, {40, 30}, s);
    ASSERT_EQ(indent.outlines.size(), 2U);
    EXPECT_EQ(indent.outlines[0].second, QRect(0, 0, 39, 29));
    EXPECT_EQ(indent.outlines[1].first, FrameColor::Highlight);

    EXPECT_TRUE(buttonBackground(TFrameStyle::fsExplorer, {40, 30}, s).outlines.empty());
    s.transparent = false;
    const auto opaque = buttonBackground(TFrameStyle::fsExplorer, {40, 30}, s);
    EXPECT_TRUE(opaque.fillFace);
    EXPECT_EQ(opaque.fillRect, QRect(0, 0, 40, 30));
}

TEST(ButtonGeometry, GlyphImageChoice)
{
    using G = GlyphImage;
    struct Row
    {
        int cells;
        bool enabled, pressed, grayOut;
        G image;
    };
    const Row rows[] = {
        {1, true, false, false, G::Cell1},     {1, true, true, false, G::Cell1},
        {1, false, false, false, G::Disabled}, {1, false, false, true, G::Disabled},
        {2, false, false, false, G::Cell2},    {2, true, true, false, G::Cell1},
        {3, true, true, false, G::Cell3},      {4, false, true, false, G::Cell2},
        {4, true, false, false, G::Cell1},     {3, true, false, true, G::Gray},
        {1, true, false, true, G::Gray},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(&r - rows));
        EXPECT_EQ(chooseGlyphImage({r.cells, r.enabled, r.pressed, r.grayOut}), r.image);
    }
}

TEST(GlyphImages, GrayUsesElevenFiftyNineThirtyWeights)
{
    struct Row
    {
        QColor color;
        int gray;
    };
    const Row rows[] = {{QColor(255, 0, 0), 28},  {QColor(0, 0, 255), 76},
                        {QColor(0, 255, 0), 150}, {QColor(255, 255, 255), 255},
                        {QColor(10, 20, 30), 21}, {QColor(0, 0, 0), 0}};
    QImage cell(static_cast<int>(std::size(rows)), 1, QImage::Format_RGB32);
    for (int i = 0; i < cell.width(); ++i) {
        EXPECT_EQ(glyphGrayLevel(rows[i].color), rows[i].gray);
        cell.setPixelColor(i, 0, rows[i].color);
    }
    const QImage gray = grayGlyph(cell);
    for (int i = 0; i < cell.width(); ++i) {
        EXPECT_EQ(gray.pixelColor(i, 0), QColor(rows[i].gray, rows[i].gray, rows[i].gray));
    }
}

TEST(GlyphImages, MaskAndEmbossedDisabledImage)
{
    const QColor key(255, 0, 255);
    QImage cell(4, 4, QImage::Format_RGB32);
    cell.fill(key);
    cell.setPixelColor(1, 1, QColor(200, 10, 10)); // ink
    cell.setPixelColor(2, 1, Qt::white);           // white counts as background

    const QImage mask = glyphMask(cell);
    EXPECT_EQ(mask.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(mask.pixelColor(2, 1), key);
    EXPECT_EQ(mask.pixelColor(0, 0), key);

    const QColor face(192, 192, 192);
    const QColor highlight(255, 255, 255);
    const QColor shadow(128, 128, 128);
    const QImage disabled = disabledGlyph(cell, face, highlight, shadow);
    EXPECT_EQ(disabled.pixelColor(1, 1), shadow);
    EXPECT_EQ(disabled.pixelColor(2, 2), highlight);
    EXPECT_EQ(disabled.pixelColor(2, 1), face);
    EXPECT_EQ(disabled.pixelColor(0, 0), face);
}

TEST(GlyphImages, TransparentColourIsTheTopLeftPixel)
{
    QImage cell(2, 1, QImage::Format_RGB32);
    cell.setPixelColor(0, 0, QColor(0, 128, 128));
    cell.setPixelColor(1, 0, QColor(1, 2, 3));
    const QImage t = transparentGlyph(cell);
    EXPECT_EQ(qAlpha(t.pixel(0, 0)), 0);
    EXPECT_EQ(t.pixelColor(1, 0), QColor(1, 2, 3));
}
