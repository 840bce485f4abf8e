#include "common/core/pagemodel.h"
#include "common/seams/printservice.h"
#include "kwitola/core/invoiceprintout.h"

#include <QFile>
#include <QPageSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;

TEST(InvoicePaper, PrintsOnThePrintersDefaultPaperAndAsAnA4PdfWithoutAPrinter)
{
    InvoicePrintInput in;
    in.title = QStringLiteral("Faktura VAT nr 7 FV");
    in.lines.push_back({QStringLiteral("Śruba"),
                        {},
                        QStringLiteral("szt."),
                        QStringLiteral("1"),
                        QStringLiteral("1,00"),
                        QStringLiteral("1,00"),
                        QStringLiteral("22"),
                        QStringLiteral("0,22"),
                        QStringLiteral("1,22")});
    const common::Page page = invoicePrintout(in);
    EXPECT_EQ(common::jobPaper({page}, QPageSize(QPageSize::Letter)).id(), QPageSize::Letter);

    // What the page shows fits Letter too: it prints at its design size.
    const QSizeF letter =
        QPageSize(QPageSize::Letter).size(QPageSize::Inch) * common::kUnitsPerInch;
    EXPECT_EQ(common::sheetTarget(page, letter, 1.0), QRectF(0, 0, page.width, page.height));

    QTemporaryDir dir;
    common::SystemPrintService noPrinter(dir.filePath(QStringLiteral("wydruki")),
                                         common::SystemPrintService::Printers::None);
    const common::PrintOutcome outcome = noPrinter.printPages({page}, in.title);
    ASSERT_EQ(outcome.status, common::PrintOutcome::Status::SavedAsPdf)
        << outcome.detail.toStdString();
    QFile pdf(outcome.detail);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/MediaBox [0 0 595.000000 842.000000]"));
}
