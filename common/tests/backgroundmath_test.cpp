#include "common/widgets/backgroundmath.h"
#include "common/widgets/backgrounds.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace common;

namespace {

// A picture in which every pixel differs from its neighbours.
QImage patternPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixelColor(x, y, QColor(x * 2 % 256, y * 5 % 256, (x + y) % 256));
        }
    }
    return image;
}

QImage render(QSize size, const std::vector<QRect>& areas, const BackgroundLook& look)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    QPainter painter(&image);
    for (const QRect& area : areas) {
        paintBackground(painter, area, look);
    }
    return image;
}

} // namespace

TEST(BackgroundMath, TilesOfAHundredByFiftyOnTwoHundredFiftyByHundredTwenty)
{
    const auto origins = tileOrigins({250, 120}, {100, 50});
    const std::vector<QPoint> expected = {{0, 0},    {100, 0}, {200, 0},   {0, 50},   {100, 50},
                                          {200, 50}, {0, 100}, {100, 100}, {200, 100}};
    EXPECT_EQ(origins, expected);
    EXPECT_TRUE(tileOrigins({250, 120}, {0, 50}).empty());
}

TEST(BackgroundMath, TiledBitmapRepeatsThePictureCutAtTheEdges)
{
    const QImage picture = patternPicture(100, 50);
    TTiledBitmap tiled;
    tiled.resize(250, 120);
    tiled.setBitMap(picture);
    const QImage shot = tiled.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(250, 120));
    int mismatches = 0;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 250; ++x) {
            mismatches += shot.pixel(x, y) != picture.pixel(x % 100, y % 50) ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(BackgroundMath, SmoothRowColours)
{
    struct Row
    {
        int y, height;
        QColor c1, c2, expected;
    };
    const Row rows[] = {
        {128, 256, Qt::black, Qt::white, QColor(128, 128, 128)},
        {0, 256, Qt::black, Qt::white, QColor(0, 0, 0)},
        {255, 256, Qt::black, Qt::white, QColor(254, 254, 254)},
        {1, 3, QColor(0, 0, 0), QColor(100, 200, 2), QColor(33, 67, 1)},
        {50, 100, QColor(200, 0, 10), QColor(0, 100, 20), QColor(100, 50, 15)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(smoothRowColor(r.y, r.height, r.c1, r.c2), r.expected) << r.y;
    }
}

TEST(BackgroundMath, SmoothBackgroundRowOneHundredTwentyEightIsGrey)
{
    const BackgroundLook look{{TBackStyle::bgSmooth, Qt::black, Qt::white, {}}, {10, 256}};
    const QImage image = render({10, 256}, {QRect(0, 0, 10, 256)}, look);
    EXPECT_EQ(image.pixelColor(5, 128), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
}

TEST(BackgroundMath, TilePiecesCoverTheAreaExactly)
{
    const auto pieces = tilePieces(QRect(90, 40, 30, 20), {100, 50});
    const std::vector<TilePiece> expected = {
        {QRect(90, 40, 10, 10), QPoint(90, 40)},
        {QRect(0, 40, 20, 10), QPoint(100, 40)},
        {QRect(90, 0, 10, 10), QPoint(90, 50)},
        {QRect(0, 0, 20, 10), QPoint(100, 50)},
    };
    EXPECT_EQ(pieces, expected);
    EXPECT_TRUE(tilePieces(QRect(0, 0, 10, 10), {0, 5}).empty());
}

TEST(BackgroundMath, RepaintingStripsGivesTheSamePixelsAsTheWhole)
{
    const QImage picture = patternPicture(37, 23);
    const QSize size(200, 130);
    for (const TBackStyle style :
         {TBackStyle::bgTileBitmap, TBackStyle::bgSmooth, TBackStyle::bgSingleBitmap}) {
        SCOPED_TRACE(static_cast<int>(style));
        const BackgroundLook look{{style, QColor(10, 20, 30), QColor(200, 100, 0), picture}, size};
        const QImage whole = render(size, {QRect(QPoint(0, 0), size)}, look);
        // Horizontal strips of odd heights, then one column overpainted.
        const QImage strips = render(size,
                                     {QRect(0, 0, 200, 17), QRect(0, 17, 200, 50),
                                      QRect(0, 67, 200, 63), QRect(41, 5, 13, 111)},
                                     look);
        EXPECT_EQ(strips, whole);
    }
}

TEST(BackgroundMath, SingleBitmapOutsideThePictureShowsColourOne)
{
    const QImage picture = patternPicture(20, 10);
    const BackgroundLook look{{TBackStyle::bgSingleBitmap, QColor(9, 9, 9), Qt::black, picture},
                              {50, 50}};
    const QImage image = render({50, 50}, {QRect(0, 0, 50, 50)}, look);
    EXPECT_EQ(image.pixel(19, 9), picture.pixel(19, 9));
    EXPECT_EQ(image.pixelColor(20, 9), QColor(9, 9, 9));
    EXPECT_EQ(image.pixelColor(5, 30), QColor(9, 9, 9));
}

TEST(BackgroundMath, ColourPanelShades)
{
    struct Row
    {
        QColor color, light, dark;
    };
    const Row rows[] = {
        {QColor(250, 100, 30), QColor(255, 140, 70), QColor(186, 36, 0)},
        {QColor(0, 0, 0), QColor(40, 40, 40), QColor(0, 0, 0)},
        {QColor(255, 255, 255), QColor(255, 255, 255), QColor(191, 191, 191)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(lightShade(r.color), r.light);
        EXPECT_EQ(darkShade(r.color), r.dark);
    }
}

TEST(BackgroundMath, ColourPanelPaintsBevelsInShades)
{
    const QColor base(250, 100, 30);
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    ColorPanelLook look{base, BevelKind::Raised, BevelKind::None, 1, 0, PanelBorderStyle::None};
    paintColorPanel(painter, image.rect(), look);
    // The outer bevel lies one bevel width in from the edge.
    EXPECT_EQ(image.pixelColor(0, 10), base);
    EXPECT_EQ(image.pixelColor(1, 10), lightShade(base));
    EXPECT_EQ(image.pixelColor(10, 1), lightShade(base));
    EXPECT_EQ(image.pixelColor(18, 10), darkShade(base));
    EXPECT_EQ(image.pixelColor(10, 18), darkShade(base));
    EXPECT_EQ(image.pixelColor(10, 10), base);

    look.bevelOuter = BevelKind::None;
    look.bevelInner = BevelKind::Lowered;
    paintColorPanel(painter, image.rect(), look);
    EXPECT_EQ(image.pixelColor(0, 10), darkShade(base));
    EXPECT_EQ(image.pixelColor(19, 10), lightShade(base));
}

TEST(BackgroundMath, RedMarkerPanelIsPlainRedAndTakesItsOwnersColour)
{
    QWidget form;
    TColorPanel parentPanel(&form);
    parentPanel.setColor(QColor(0, 128, 0));
    TColorPanel child(&parentPanel);
    EXPECT_EQ(child.color(), QColor(0, 128, 0));

    TColorPanel marker(&form);
    marker.setLook({Qt::red, BevelKind::None});
    marker.resize(7, 7);
    const QImage shot = marker.grab().toImage();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            ASSERT_EQ(shot.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;
        }
    }
}

TEST(BackgroundMath, StoredColoursAreBlueGreenRed)
{
    EXPECT_EQ(colorFromStored(0x800000), QColor(0, 0, 128));
    EXPECT_EQ(colorFromStored(0x00FFFF), QColor(255, 255, 0));
    EXPECT_EQ(colorFromStored(0xFF00FF), QColor(255, 0, 255));
    EXPECT_EQ(colorFromStored(3611932), QColor(28, 29, 55));
}
