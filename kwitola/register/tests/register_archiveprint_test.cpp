#include "common/core/pagejson.h"
#include "common/testsupport/recordingmessageservice.h"
#include "common/testsupport/recordingprintservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/tests/archivepostings.h"
#include "kwitola/testsupport/recordingpreview.h"
#include "kwitola/ui/printcontroller.h"
#include "kwitola/ui/tfdruk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace kwitola;
using common::MessageAnswer;

namespace {

InvoicePrintInput invoiceOf(const QString& quantity)
{
    InvoicePrintInput in;
    in.title = QStringLiteral("Faktura VAT nr 4/2026 FV");
    in.issueDate = {QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2026")};
    in.deliveryDate = in.issueDate;
    in.buyer.name = QStringLiteral("Sklep Żagiel");
    in.lines = {{QStringLiteral("Śruba M8"), QString(), QStringLiteral("szt."), quantity,
                 QStringLiteral("10,00"), QString(), QStringLiteral("22"), QString(), QString()}};
    return in;
}

// The print commands over a working folder, answering yes to the
// confirmation and to "Czy zaksięgować dokument ?".
class ArchivePrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry::test::prepareArchiveTables(dir.path()));
        store.setPassword(QString(kTablePassword));
        ASSERT_TRUE(store.open(dir.path()));
        controller = std::make_unique<ui::PrintController>(
            ui::PrintCollaborators{messages, printer, preview, store, form}, window,
            [this] { return job; });
    }

    void printAndPost(const QString& quantity, bool bill)
    {
        job = PrintJob{};
        job.totalToPay = QStringLiteral("12,20");
        job.issuerEntry = QStringLiteral("Hurtownia Bałtyk");
        job.recipientEntry = QStringLiteral("Sklep Żagiel");
        job.page = invoiceOf(quantity);
        job.postingStep = Posting::AfterQuestion;
        job.posting =
            postingRequest(job.page,
                           {QStringLiteral("4/2026"),
                            QStringLiteral("4/2026") + (bill ? kBillSuffix : kInvoiceSuffix),
                            bill ? QString(kBillKindName) : QString(kInvoiceKindName), true},
                           recipient, QString());
        messages.queueAnswer(MessageAnswer::Yes);
        messages.queueAnswer(MessageAnswer::Yes);
        controller->Button2Click();
    }

    std::vector<StoredDocument> posted() const
    {
        const auto documents = store.all<StoredDocument>();
        EXPECT_TRUE(documents.ok());
        return documents ? *documents : std::vector<StoredDocument>{};
    }

    QTemporaryDir dir;
    TableStore store;
    RecordId recipient = 1; // the one the tables were prepared with
    common::testing::RecordingMessageService messages;
    common::testing::RecordingPrintService printer;
    kwitola::testing::RecordingPreview preview;
    ui::TfDruk form;
    QWidget window;
    PrintJob job;
    std::unique_ptr<ui::PrintController> controller;
};

} // namespace

// Printing and posting keeps the original copy as printed, page and PDF;
// printing the number again as a bill replaces the invoice and its entry.
TEST_F(ArchivePrint, postingKeepsTheOriginalCopyAndARepostingReplacesIt)
{
    printAndPost(QStringLiteral("3"), false);
    ASSERT_EQ(posted().size(), 1U);
    const StoredDocument invoice = posted().front();
    const auto page = registry::readArchivedPage(dir.path(), invoice);
    ASSERT_TRUE(page.ok()) << page.error().toStdString();
    ASSERT_TRUE(page->has_value());
    ASSERT_EQ(printer.jobs().size(), 1U);
    ASSERT_EQ(printer.last().pages.size(), 2U);
    EXPECT_EQ(**page, printer.last().pages.front());
    EXPECT_NE(**page, printer.last().pages.back()) << "the copy was kept, not the original";
    QFile pdf(registry::archiveEntry(dir.path(), invoice).pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    printAndPost(QStringLiteral("5"), true);
    ASSERT_EQ(posted().size(), 1U);
    const StoredDocument bill = posted().front();
    EXPECT_EQ(bill.Numer_faktury, QStringLiteral("4/2026 RU"));
    registry::ArchiveIndex index(dir.path());
    EXPECT_TRUE(index.contains(bill));
    EXPECT_FALSE(index.contains(invoice));
    EXPECT_FALSE(QFile::exists(registry::archiveEntry(dir.path(), invoice).pdfPath));
    const auto billPage = registry::readArchivedPage(dir.path(), bill);
    ASSERT_TRUE(billPage.ok() && billPage->has_value());
    EXPECT_EQ(**billPage, printer.last().pages.front());
    // Nothing but the posting's own questions was shown.
    for (const common::Message& message : messages.messages()) {
        EXPECT_EQ(message.text.indexOf(QStringLiteral("archiwum")), -1)
            << message.text.toStdString();
    }
}
