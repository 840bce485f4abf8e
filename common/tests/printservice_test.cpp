#include "common/core/pagemodel.h"
#include "common/seams/printservice.h"

#include <QDir>
#include <QPageSize>
#include <gtest/gtest.h>

using namespace common;

namespace {

Page pageOn(Paper paper, QRect lastElement = QRect(24, 1035, 225, 13))
{
    Page page;
    page.paper = paper;
    page.elements.push_back(boxElement(QStringLiteral("first"), QRect(20, 14, 725, 100)));
    page.elements.push_back(boxElement(QStringLiteral("last"), lastElement));
    return page;
}

} // namespace

TEST(PrintService, APageAsksForThePrintersPaperOrStaysOnA4)
{
    struct Case
    {
        Paper paper;
        QPageSize::PageSizeId printerDefault; // Custom: the printer names none
        QPageSize::PageSizeId printed;
    };
    const Case cases[] = {
        {Paper::PrinterDefault, QPageSize::Letter, QPageSize::Letter},
        {Paper::PrinterDefault, QPageSize::A4, QPageSize::A4},
        {Paper::PrinterDefault, QPageSize::Legal, QPageSize::Legal},
        {Paper::PrinterDefault, QPageSize::Custom, QPageSize::A4},
        {Paper::A4, QPageSize::Letter, QPageSize::A4},
    };
    for (const Case& c : cases) {
        const QPageSize printerDefault =
            c.printerDefault == QPageSize::Custom ? QPageSize() : QPageSize(c.printerDefault);
        EXPECT_EQ(jobPaper({pageOn(c.paper)}, printerDefault).id(), c.printed)
            << static_cast<int>(c.printerDefault);
    }
    EXPECT_EQ(jobPaper({}, QPageSize(QPageSize::Letter)).id(), QPageSize::A4);
}

TEST(PrintService, APageIsDrawnAtItsDesignSizeUnlessItWouldRunOffTheSheet)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch) * kUnitsPerInch;
    const QSizeF letter = QPageSize(QPageSize::Letter).size(QPageSize::Inch) * kUnitsPerInch;
    const Page page = pageOn(Paper::PrinterDefault);

    // 300 dpi: 3.125 pixels a unit, on A4 and on Letter alike.
    EXPECT_EQ(sheetTarget(page, a4, 3.125), QRectF(0, 0, 794 * 3.125, 1123 * 3.125));
    EXPECT_EQ(sheetTarget(page, letter, 3.125), QRectF(0, 0, 794 * 3.125, 1123 * 3.125));

    // What reaches below Letter's 1056 units is drawn smaller, in proportion.
    const Page tall = pageOn(Paper::PrinterDefault, QRect(24, 1080, 225, 20));
    const QRectF target = sheetTarget(tall, letter, 1.0);
    EXPECT_DOUBLE_EQ(target.height() / 1123, 1056.0 / 1100);
    EXPECT_DOUBLE_EQ(target.width() / target.height(), 794.0 / 1123);
    EXPECT_EQ(sheetTarget(tall, a4, 1.0), QRectF(0, 0, 794, 1123));
}

TEST(PrintService, TheNoticeTellsWhereTheFileWentOrWhyThePrintFailed)
{
    const QString saved = QStringLiteral("Zapisano w pliku: %1");
    const QString failed = QStringLiteral("Błąd: %1");
    using Status = PrintOutcome::Status;
    EXPECT_FALSE(printNotice({Status::Printed, QStringLiteral("Drukarka")}, saved, failed));

    const auto file =
        printNotice({Status::SavedAsPdf, QStringLiteral("/tmp/wydruki/a.pdf")}, saved, failed);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->text, QStringLiteral("Zapisano w pliku: ") +
                              QDir::toNativeSeparators(QStringLiteral("/tmp/wydruki/a.pdf")));
    EXPECT_EQ(file->icon, MessageIcon::Information);

    const auto error = printNotice({Status::Failed, QStringLiteral("brak papieru")}, saved, failed);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, QStringLiteral("Błąd: brak papieru"));
    EXPECT_EQ(error->icon, MessageIcon::Exclamation);
}
