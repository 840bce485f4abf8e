#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/register/export/pdffile.h"
#include "kwitola/register/export/pdfpages.h"
#include "kwitola/register/export/tablepdf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace kwitola::registry;

namespace {

// Pages whose texts repeat at other places: amounts that fit, a long name
// drawn smaller, one wrapped into two lines and cut, one too wide even at
// the smallest size; each page puts them at other heights.
std::vector<common::Page> repeatingPages()
{
    const QStringList texts = {
        QStringLiteral("75,00"), QStringLiteral("16,50"),
        QStringLiteral("Przedsiębiorstwo Handlowe „Żuraw” sp. z o.o."),
        QStringLiteral("Zakład Ślusarski Jan Kowalski, ul. Długa 5, 62-200 Gniezno, tel. 61 "
                       "426 00 00, czynne od poniedziałku do piątku")};
    std::vector<common::Page> pages;
    for (int p = 0; p < 3; ++p) {
        common::Page page;
        page.width = common::kA4Height;
        page.height = common::kA4Width;
        for (int row = 0; row < 12; ++row) {
            for (int c = 0; c < texts.size(); ++c) {
                common::PageFont font;
                font.pointSize = 7 + c % 2;
                font.bold = row % 3 == 0;
                common::PageElement cell = common::textElement(
                    QStringLiteral("cell"), QRect(40 + c * 140, 60 + p * 7 + row * 30, 130, 20),
                    texts.at(c), font, c < 2 ? common::HAlign::Right : common::HAlign::Left);
                cell.wordWrap = c == 3 && row % 2 == 0;
                cell.maxLines = cell.wordWrap ? 2 : 0;
                page.elements.push_back(cell);
            }
            page.elements.push_back(common::lineElement(
                QStringLiteral("rule"), QPoint(40, 80 + row * 30), QPoint(600, 80 + row * 30)));
        }
        common::PageElement shade =
            common::boxElement(QStringLiteral("shade"), QRect(40, 430, 560, 24), 0);
        shade.filled = true;
        shade.fillRgb = 0xE6E6E6;
        page.elements.push_back(shade);
        common::PageElement frame =
            common::boxElement(QStringLiteral("frame"), QRect(30, 40 + p * 5, 580, 420), 2);
        frame.rgb = 0x3050A0;
        page.elements.push_back(frame);
        page.elements.push_back(
            common::textElement(QStringLiteral("sum"), QRect(40, 432, 560, 20),
                                QStringLiteral("Razem strona %1: 1 234 567,89 zł").arg(p + 1),
                                common::PageFont(), common::HAlign::Right));
        pages.push_back(page);
    }
    return pages;
}

// A text of each kind the table's cells are drawn as, between boxes and
// lines that change the pen: coloured, centred in a box too low for its two
// lines, cut by a box lower than its letters, written with a tab and a carriage return, empty,
// underlined, left for the painter to wrap, and italic; every one appears twice so that the second
// is drawn as made for the first.
std::vector<common::Page> mixedPages()
{
    struct Cell
    {
        QString text;
        unsigned rgb;
        common::HAlign align;
        int height;
        bool wordWrap;
        int maxLines;
        bool underline;
        bool italic;
    };
    const std::vector<Cell> cells = {
        {QStringLiteral("Razem: 1 234,56"), 0xC00000, common::HAlign::Right, 14, false, 0, false,
         false},
        {QStringLiteral("Numer dokumentu"), 0x000000, common::HAlign::Center, 12, true, 2, false,
         false},
        {QStringLiteral("ul. Długa\t5\r62-200"), 0x204080, common::HAlign::Left, 14, false, 0,
         false, false},
        {QString(), 0x000000, common::HAlign::Left, 14, false, 0, false, false},
        {QStringLiteral("Ągóry"), 0x000000, common::HAlign::Right, 4, false, 0, false, false},
        {QStringLiteral("Żółć ęą"), 0x000000, common::HAlign::Left, 14, false, 0, true, false},
        {QStringLiteral("Agro-Łan spółdzielnia mleczarska"), 0x000000, common::HAlign::Left, 30,
         true, 0, false, false},
        {QStringLiteral("Wiersz pierwszy\nwiersz drugi"), 0x008000, common::HAlign::Center, 30,
         false, 0, false, true},
    };
    common::Page page;
    page.width = common::kA4Height;
    page.height = common::kA4Width;
    for (int copy = 0; copy < 2; ++copy) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const Cell& c = cells.at(i);
            const int top = 40 + copy * 320 + static_cast<int>(i) * 42;
            common::PageElement shade =
                common::boxElement(QStringLiteral("shade"), QRect(40, top, 90, c.height), 0);
            shade.filled = true;
            shade.fillRgb = 0xE6E6E6;
            page.elements.push_back(shade);
            common::PageFont font;
            font.pointSize = 7;
            font.underline = c.underline;
            font.italic = c.italic;
            common::PageElement text = common::textElement(
                QStringLiteral("cell"), QRect(40, top, 90, c.height), c.text, font, c.align);
            text.rgb = c.rgb;
            text.wordWrap = c.wordWrap;
            text.maxLines = c.maxLines;
            page.elements.push_back(text);
            page.elements.push_back(common::lineElement(QStringLiteral("rule"),
                                                        QPoint(40, top + c.height),
                                                        QPoint(300, top + c.height), 2));
        }
    }
    return {page};
}

// The pages of a PDF as PNG files in the folder, named stem-N.png.
QStringList rasterised(const QString& pdftoppm, const QString& pdf, const QString& stem)
{
    QProcess process;
    process.start(pdftoppm,
                  {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), pdf, stem});
    if (!process.waitForFinished(60'000) || process.exitCode() != 0) {
        return {};
    }
    const QFileInfo info(stem);
    QStringList files;
    for (const QString& name :
         QDir(info.absolutePath())
             .entryList({info.fileName() + QStringLiteral("-*.png")}, QDir::Files, QDir::Name)) {
        QFile file(info.absoluteDir().filePath(name));
        files << (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toBase64())
                                                 : QString());
    }
    return files;
}

// The pages of a PDF rendered in grey at the resolution, or none when
// the renderer fails or reports a fault in the file.
std::vector<QImage> rendered(const QString& pdftoppm, const QString& pdf, const QString& stem,
                             int dpi)
{
    QProcess process;
    process.start(pdftoppm,
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), pdf, stem});
    if (!process.waitForFinished(60'000) || process.exitCode() != 0 ||
        !process.readAllStandardError().isEmpty()) {
        return {};
    }
    const QFileInfo info(stem);
    std::vector<QImage> pages;
    for (const QString& name :
         QDir(info.absolutePath())
             .entryList({info.fileName() + QStringLiteral("-*.pgm")}, QDir::Files, QDir::Name)) {
        pages.emplace_back(info.absoluteDir().filePath(name));
    }
    return pages;
}

// The page in grey, each pixel the mean of the 3 x 3 around it: a thin
// line filled with soft edges and the same line stroked sharp come out
// alike, a letter moved by a pixel does not.
QImage blurred(const QImage& page)
{
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            int sum = 0;
            int count = 0;
            for (int dy = std::max(0, y - 1); dy <= std::min(grey.height() - 1, y + 1); ++dy) {
                const uchar* source = grey.constScanLine(dy);
                for (int dx = std::max(0, x - 1); dx <= std::min(grey.width() - 1, x + 1); ++dx) {
                    sum += source[dx];
                    ++count;
                }
            }
            line[x] = static_cast<uchar>(sum / count);
        }
    }
    return out;
}

// The pixels whose blurred grey differs by more than a third of the scale:
// where one page has ink the other lacks, not where the edges of the same
// letters and lines are shaded differently.
int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    const QImage ga = blurred(a);
    const QImage gb = blurred(b);
    int differing = 0;
    for (int y = 0; y < ga.height(); ++y) {
        const uchar* pa = ga.constScanLine(y);
        const uchar* pb = gb.constScanLine(y);
        for (int x = 0; x < ga.width(); ++x) {
            differing += std::abs(pa[x] - pb[x]) > 85 ? 1 : 0;
        }
    }
    return differing;
}

// Pages written both ways and compared as images, page by page; skipped
// without pdftoppm.
class TablePdfImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (m_pdftoppm.isEmpty()) {
            GTEST_SKIP() << "pdftoppm is not installed";
        }
    }

    // Pages the common renderer draws and pages this writer draws exactly
    // alike: the same PNG files.
    void expectSamePages(const std::vector<common::Page>& pages, qsizetype count)
    {
        const QString own = m_dir.filePath(QStringLiteral("own.pdf"));
        const QString common = m_dir.filePath(QStringLiteral("common.pdf"));
        ASSERT_TRUE(writeTablePdf(pages, own));
        ASSERT_TRUE(common::writePdf(pages, common));
        const QStringList ownPages =
            rasterised(m_pdftoppm, own, m_dir.filePath(QStringLiteral("own")));
        ASSERT_EQ(ownPages.size(), count);
        EXPECT_EQ(ownPages,
                  rasterised(m_pdftoppm, common, m_dir.filePath(QStringLiteral("common"))));
    }

    // Pages drawn alike but for the shading of letters' edges, rendered
    // larger than a screen shows them; the answer is the most pixels that
    // differed on a page.
    int mostDifferingPixels(const std::vector<common::Page>& pages, const QString& own)
    {
        const QString common = m_dir.filePath(QStringLiteral("common.pdf"));
        EXPECT_TRUE(common::writePdf(pages, common));
        const auto ownPages = rendered(m_pdftoppm, own, m_dir.filePath(QStringLiteral("o")), 150);
        const auto commonPages =
            rendered(m_pdftoppm, common, m_dir.filePath(QStringLiteral("c")), 150);
        EXPECT_EQ(ownPages.size(), pages.size());
        EXPECT_EQ(commonPages.size(), pages.size());
        int most = ownPages.empty() ? -1 : 0;
        for (std::size_t i = 0; i < ownPages.size() && i < commonPages.size(); ++i) {
            most = std::max(most, differingPixels(ownPages.at(i), commonPages.at(i)));
        }
        return most;
    }

    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_pdftoppm;
    QTemporaryDir m_dir;
};

TEST_F(TablePdfImages, writesTablePagesItselfAndDrawsThemAsTheRendererDoes)
{
    const auto pages = repeatingPages();
    const QString own = path(QStringLiteral("own.pdf"));
    const auto written = writePagesDirectly(pages, own);
    ASSERT_TRUE(written) << written.error().toStdString();
    ASSERT_TRUE(*written);
    // A page of 1754 x 1240 pixels; a text one design unit off would
    // differ in thousands of them.
    const int most = mostDifferingPixels(pages, own);
    EXPECT_GE(most, 0);
    EXPECT_LT(most, 60);
}

TEST_F(TablePdfImages, aTextOutOfPlaceIsSeenByTheComparison)
{
    auto pages = repeatingPages();
    const QString own = path(QStringLiteral("moved.pdf"));
    auto moved = pages;
    for (common::PageElement& e : moved.at(1).elements) {
        if (e.kind == common::PageElement::Kind::Text) {
            e.rect.translate(1, 0);
        }
    }
    ASSERT_TRUE(writePagesDirectly(moved, own));
    EXPECT_GT(mostDifferingPixels(pages, own), 600);
}

TEST_F(TablePdfImages, writesTheSameTextsAsTheRenderer)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    const auto pages = repeatingPages();
    const QString own = path(QStringLiteral("own.pdf"));
    const QString common = path(QStringLiteral("common.pdf"));
    ASSERT_TRUE(writeTablePdf(pages, own));
    ASSERT_TRUE(common::writePdf(pages, common));
    const auto text = [&pdftotext](const QString& pdf) {
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished(60'000);
        return std::make_pair(QString::fromUtf8(process.readAllStandardOutput()),
                              process.readAllStandardError());
    };
    const auto [ownText, ownErrors] = text(own);
    EXPECT_TRUE(ownErrors.isEmpty()) << ownErrors.toStdString();
    EXPECT_TRUE(ownText.contains(QStringLiteral("Przedsiębiorstwo Handlowe „Żura…")));
    EXPECT_TRUE(ownText.contains(QStringLiteral("Długa 5, 62-200 Gniezno")));
    EXPECT_TRUE(ownText.contains(QStringLiteral("Razem strona 3: 1 234 567,89 zł")));
    EXPECT_EQ(ownText, text(common).first);
}

// Underlined texts and texts the painter wraps are left to the renderer:
// the whole file is then drawn by it.
TEST_F(TablePdfImages, leavesPagesWithUnusualTextsToTheRendererWhoDrawsThemAlike)
{
    const auto direct = writePagesDirectly(mixedPages(), path(QStringLiteral("mixed.pdf")));
    ASSERT_TRUE(direct);
    EXPECT_FALSE(*direct);
    expectSamePages(mixedPages(), 1);
}

// Coloured, centred, cut-off texts with tabs and carriage returns, empty
// and italic ones, between boxes and lines of other pens: only what the
// renderer would wrap or underline is left out.
TEST_F(TablePdfImages, writesColouredClippedAndOddTextsAsTheRendererDoes)
{
    auto pages = mixedPages();
    auto& elements = pages.front().elements;
    elements.erase(std::remove_if(elements.begin(), elements.end(),
                                  [](const common::PageElement& e) {
                                      return e.font.underline || (e.wordWrap && e.maxLines == 0);
                                  }),
                   elements.end());
    const QString own = path(QStringLiteral("odd.pdf"));
    const auto direct = writePagesDirectly(pages, own);
    ASSERT_TRUE(direct);
    ASSERT_TRUE(*direct);
    const int most = mostDifferingPixels(pages, own);
    EXPECT_GE(most, 0);
    EXPECT_LT(most, 60);
}

TEST(TablePdf, aFailedWriteIsAPolishFailureNotAFile)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        GTEST_SKIP() << "no /dev/full";
    }
    const auto written = writePagesDirectly(repeatingPages(), QStringLiteral("/dev/full"));
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().startsWith(QStringLiteral("Nie można zapisać pliku")))
        << written.error().toStdString();
}

TEST(TablePdf, numbersAreWrittenWithAtMostThreeDecimals)
{
    const std::vector<std::pair<double, const char*>> cases = {
        {0, "0"},
        {-0.0004, "0"},
        {0.0005, "0.001"},
        {-0.5, "-0.5"},
        {12.3456, "12.346"},
        {841.89, "841.89"},
        {-1234.5, "-1234.5"},
        {1e9, "1000000000"},
        {0.1, "0.1"},
        {0.999, "0.999"},
        {0.9996, "1"},
        {-7.05, "-7.05"},
    };
    for (const auto& [value, text] : cases) {
        QByteArray out("x");
        appendNumber(out, value);
        EXPECT_EQ(out, QByteArray("x") + text) << value;
    }
    QByteArray integers;
    appendInteger(integers, -9223372036854775807LL - 1);
    appendInteger(integers, 0);
    EXPECT_EQ(integers, QByteArray("-92233720368547758080"));
}

TEST(TablePdf, aFolderThatCannotBeMadeIsAPolishFailure)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto written =
        writeTablePdf(repeatingPages(), dir.filePath(QStringLiteral("plik/podfolder/r.pdf")));
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().startsWith(QStringLiteral("Nie można utworzyć folderu")));
}

} // namespace
