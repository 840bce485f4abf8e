#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "common/testsupport/pixels.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace common;
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
    ASSERT_FALSE(writePdf({page, page}, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
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
