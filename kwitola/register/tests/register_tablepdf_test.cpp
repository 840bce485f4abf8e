#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/register/export/tablepdf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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

private:
    QString m_pdftoppm;
    QTemporaryDir m_dir;
};

TEST_F(TablePdfImages, drawsEveryPageExactlyAsTheRendererDoes)
{
    expectSamePages(repeatingPages(), 3);
}

TEST_F(TablePdfImages, drawsColouredClippedAndUnusualTextsAsTheRendererDoes)
{
    expectSamePages(mixedPages(), 1);
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
