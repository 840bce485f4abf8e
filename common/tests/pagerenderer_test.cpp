#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "common/testsupport/pixels.h"
#include "common/testsupport/textink.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace common;
using common::testing::cutTexts;
using common::testing::darkPixels;

TEST(PageRenderer, DrawsElementsWhereTheModelPutsThem)
{
    Page page;
    page.width = 200;
    page.height = 100;
    page.elements.push_back(boxElement(QStringLiteral("box"), QRect(10, 10, 30, 20), 2));
    page.elements.push_back(lineElement(QStringLiteral("line"), QPoint(100, 50), QPoint(190, 50)));
    page.elements.push_back(textElement(QStringLiteral("text"), QRect(100, 60, 90, 30),
                                        QStringLiteral("ŻÓŁW"), PageFont{}));

    // Twice the design size: every position doubles.
    const QImage image = renderPageToImage(page, 400);
    ASSERT_EQ(image.size(), QSize(400, 200));
    EXPECT_GT(darkPixels(image, QRect(18, 18, 6, 6)), 0);      // box frame corner
    EXPECT_EQ(darkPixels(image, QRect(30, 30, 40, 10)), 0);    // inside of the box
    EXPECT_GT(darkPixels(image, QRect(200, 98, 180, 5)), 0);   // the line
    EXPECT_GT(darkPixels(image, QRect(200, 120, 180, 60)), 0); // the text
    EXPECT_EQ(darkPixels(image, QRect(0, 120, 180, 80)), 0);   // nothing elsewhere
}

TEST(PageRenderer, FindsElementsByName)
{
    Page page;
    page.elements.push_back(textElement(QStringLiteral("a"), QRect(), QStringLiteral("1"), {}));
    page.elements.push_back(textElement(QStringLiteral("b"), QRect(), QStringLiteral("2"), {}));
    ASSERT_NE(page.find(QStringLiteral("b")), nullptr);
    EXPECT_EQ(page.find(QStringLiteral("b"))->text, QStringLiteral("2"));
    EXPECT_EQ(page.find(QStringLiteral("c")), nullptr);
}

TEST(PageRenderer, WritesAPdfWithOnePagePerModel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wydruki/a.pdf"));
    Page page;
    page.elements.push_back(textElement(QStringLiteral("t"), QRect(50, 50, 300, 40),
                                        QStringLiteral("Zażółć"), PageFont{}));
    ASSERT_TRUE(writePdf({page, page}, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
}

TEST(PageRenderer, WritesAPageLaidOutWiderThanHighAsLandscapeA4)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mieszane.pdf"));
    Page portrait;
    Page landscape;
    landscape.width = kA4Height;
    landscape.height = kA4Width;
    ASSERT_TRUE(writePdf({portrait, landscape, portrait}, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    // A4 is 595 x 842 points; each page carries its own media box.
    EXPECT_EQ(bytes.count("/MediaBox [0 0 595.000000 842.000000]"), 2);
    EXPECT_EQ(bytes.count("/MediaBox [0 0 842.000000 595.000000]"), 1);
}

TEST(PageRenderer, FitsALongTextIntoItsLinesAndCutsTheRestWithAnEllipsis)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    const QFontMetricsF metrics(font);
    const QString longName = QStringLiteral(
        "Wkręt samogwintujący do blachy ocynkowany z łbem stożkowym i podkładką EPDM, "
        "opakowanie zbiorcze dla hurtowni budowlanych w całym kraju");

    const QStringList lines = fitLines(longName, font, 247, 2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(longName.startsWith(lines[0]));
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), 247.0) << line.toStdString();
    }
    EXPECT_EQ(fitLines(QStringLiteral("Śruba M8"), font, 247, 2),
              QStringList{QStringLiteral("Śruba M8")});
}

TEST(PageRenderer, TheLargestFittingHeightStopsAtTheReadableMinimum)
{
    struct Case
    {
        int preferred;
        int widest; // the largest height that fits; 0: none does
        int expected;
    };
    const Case cases[] = {
        {13, 13, 13},                         // fits as it is
        {13, 11, 11}, {13, 9, 9}, {13, 8, 8}, // exactly the minimum
        {13, 0, 8},                           // fits at no height: the minimum, never below
        {6, 0, 6},                            // meant to be smaller than the minimum: kept
        {8, 0, 8},
    };
    for (const Case& c : cases) {
        int smallestTried = c.preferred;
        const int height = largestFittingHeight(c.preferred, kMinimumTextHeight, [&](int h) {
            smallestTried = std::min(smallestTried, h);
            return h <= c.widest;
        });
        EXPECT_EQ(height, c.expected) << c.preferred << " " << c.widest;
        EXPECT_GE(smallestTried, std::min(c.preferred, kMinimumTextHeight));
    }
}

namespace {

Page oneText(const QRect& box, const QString& text, int pointSize, HAlign align, bool bold = false)
{
    Page page;
    PageFont font;
    font.pointSize = pointSize;
    font.bold = bold;
    page.elements.push_back(textElement(QStringLiteral("t"), box, text, font, align));
    return page;
}

// What the check finds cut, one text a line; empty when nothing is.
std::string cuts(const Page& page, int pixelWidth)
{
    return cutTexts(page, pixelWidth).join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(PageRenderer, ATextWiderThanItsBoxIsDrawnSmallerAndWhole)
{
    // A bold red mark right-aligned in a box narrower than the text.
    Page page = oneText(QRect(666, 290, 76, 16), QStringLiteral("ORYGINAŁ / KOPIA"), 10,
                        HAlign::Right, true);
    page.elements.front().rgb = 0xFF0000;
    const TextPlan plan = planText(page.elements.front());
    EXPECT_LT(plan.font.pixelSize(), 13);
    EXPECT_GE(plan.font.pixelSize(), kMinimumTextHeight);
    EXPECT_TRUE(plan.fits);
    EXPECT_EQ(plan.text, QStringLiteral("ORYGINAŁ / KOPIA"));
    for (const int pixelWidth : {794, 1240, 2480}) {
        EXPECT_EQ(cuts(page, pixelWidth), "") << pixelWidth;
    }

    // Stacked heading lines are measured one by one.
    page = oneText(QRect(572, 319, 28, 58), QStringLiteral("stawka\n%"), 7, HAlign::Center);
    EXPECT_EQ(cuts(page, 794), "");
}

TEST(PageRenderer, ATextThatFitsKeepsItsSizeAndOnlyAnImpossibleOneIsCut)
{
    const Page fits =
        oneText(QRect(100, 100, 200, 16), QStringLiteral("Śruba M8"), 8, HAlign::Left);
    const TextPlan plan = planText(fits.elements.front());
    EXPECT_EQ(plan.font.pixelSize(), 11);
    EXPECT_EQ(plan.text, QStringLiteral("Śruba M8"));

    // Too long for its box even at the smallest height: cut with an
    // ellipsis, and the check says so.
    const Page impossible =
        oneText(QRect(100, 100, 19, 16), QStringLiteral("godziny robocze"), 8, HAlign::Center);
    const TextPlan cut = planText(impossible.elements.front());
    EXPECT_FALSE(cut.fits);
    EXPECT_EQ(cut.font.pixelSize(), kMinimumTextHeight);
    EXPECT_TRUE(cut.text.endsWith(QChar(0x2026)));
    EXPECT_EQ(cutTexts(impossible, 794).size(), 1);
}

TEST(PageRenderer, AWrappedTextShrinksIntoItsLinesBeforeItIsCut)
{
    Page page = oneText(QRect(48, 381, 247, 22),
                        QStringLiteral("Wkręt samogwintujący do blachy ocynkowany z łbem "
                                       "stożkowym i podkładką EPDM, opakowanie 100 szt."),
                        8, HAlign::Left);
    page.elements.front().wordWrap = true;
    page.elements.front().maxLines = 2;
    const TextPlan plan = planText(page.elements.front());
    EXPECT_LT(plan.font.pixelSize(), 11);
    EXPECT_EQ(plan.text.count(QLatin1Char('\n')), 1);
    EXPECT_FALSE(plan.text.contains(QChar(0x2026)));
    EXPECT_EQ(cuts(page, 1240), "");
}
