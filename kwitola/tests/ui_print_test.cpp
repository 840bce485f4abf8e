#include "common/seams/printservice.h"
#include "common/testsupport/recordingmessageservice.h"
#include "common/testsupport/recordingprintservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/testsupport/printsample.h"
#include "kwitola/testsupport/recordingpreview.h"
#include "kwitola/ui/printcontroller.h"
#include "kwitola/ui/tfdruk.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace kwitola;
using common::MessageAnswer;
using common::MessageIcon;

namespace {

QString markOf(const common::Page& page)
{
    return page.find(QString::fromLatin1(invoiceprint::kCopyMark))->text;
}

InvoicePrintInput threeLines()
{
    InvoicePrintInput in =
        kwitola::testing::gdanskInvoice(QStringLiteral("Faktura VAT nr 12/2001 FV"));
    in.lines = {
        kwitola::testing::threePiecesLine(QStringLiteral("Śruba M8")),
        {QStringLiteral("Nakrętka M8"), QStringLiteral("25.11"), QStringLiteral("szt."),
         QStringLiteral("10"), QStringLiteral("1,50"), QStringLiteral("15,00"), QStringLiteral("7"),
         QStringLiteral("1,05"), QStringLiteral("16,05")},
        {QStringLiteral("Montaż regału magazynowego wysokiego składowania z kotwieniem do "
                        "posadzki i protokołem odbioru"),
         QString(), QStringLiteral("usł."), QStringLiteral("1"), QStringLiteral("200,00"),
         QStringLiteral("200,00"), QStringLiteral("zw."), QStringLiteral("0,00"),
         QStringLiteral("200,00")},
    };
    in.document = {QStringLiteral("245,00"), QStringLiteral("7,65"), QStringLiteral("252,65")};
    in.exempt = {QStringLiteral("200,00"), QStringLiteral("0,00"), QStringLiteral("200,00")};
    in.rate7 = {QStringLiteral("15,00"), QStringLiteral("1,05"), QStringLiteral("16,05")};
    in.rate22 = {QStringLiteral("30,00"), QStringLiteral("6,60"), QStringLiteral("36,60")};
    in.amountInWords = QStringLiteral("dwieście pięćdziesiąt dwa");
    in.grosze = QStringLiteral("65/100");
    return in;
}

class PrintFlow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store.setPassword(QString(kTablePassword));
        ASSERT_TRUE(store.open(dir.path()));
        Recipient r;
        r.Nazwa_firmy = QStringLiteral("Sklep Żagiel");
        recipient = *store.insertRecord(r);
        Goods g;
        g.Nazwa_towaru = QStringLiteral("Śruba M8");
        g.Stan_poczatkowy = QStringLiteral("100,00");
        bolts = *store.insertRecord(g);

        job.totalToPay = QStringLiteral("252,65");
        job.issuerEntry = QStringLiteral("Hurtownia Bałtyk Sp. z o.o.  Gdańsk  ul. Długa 12  583");
        job.recipientEntry = QStringLiteral("Sklep Żagiel  Gdynia  ul. Portowa 3  586-111-22-33");
        job.page = threeLines();
        job.postingStep = Posting::AfterQuestion;
        job.posting = postingRequest(job.page,
                                     {QStringLiteral("12/2001"), QStringLiteral("12/2001 FV"),
                                      QStringLiteral("Faktura VAT"), true},
                                     recipient, QStringLiteral("58 000 00 00"));
        job.advancesCounter = true;
        job.automaticNumbering = true;
        controller = std::make_unique<ui::PrintController>(
            ui::PrintCollaborators{messages, printer, preview, store, form}, window,
            [this] { return job; });
    }

    QStringList texts() const
    {
        QStringList all;
        for (const common::Message& m : messages.messages()) {
            all << m.text;
        }
        return all;
    }

    qint64 count(Table table) { return *store.count(table); }
    // What posting leaves in the tables: documents, ledger rows and the
    // stock of the bolts on the document.
    void expectPosted(qint64 documents, qint64 ledgerRows, const QString& boltsInStock)
    {
        EXPECT_EQ(count(Table::Faktury), documents);
        EXPECT_EQ(count(Table::Sprzedaz), ledgerRows);
        EXPECT_EQ(store.get<Goods>(bolts)->value().Stan_poczatkowy, boltsInStock);
    }

    QTemporaryDir dir;
    TableStore store;
    RecordId recipient = 0;
    RecordId bolts = 0;
    common::testing::RecordingMessageService messages;
    common::testing::RecordingPrintService printer;
    kwitola::testing::RecordingPreview preview;
    ui::TfDruk form;
    QWidget window;
    PrintJob job;
    std::unique_ptr<ui::PrintController> controller;
};

TEST_F(PrintFlow, RefusesInOrderAndStopsAtTheFirstRefusal)
{
    struct Case
    {
        const char* total;
        const char* issuer;
        const char* recipient;
        const char* message;
    };
    const Case cases[] = {
        {"0,00", "W", "O", "Nie ma nic do drukowania."},
        {"", "W", "O", "Nie ma nic do drukowania."},
        {"1,00", "", "", "Nie wybrano wystawcy dokumentu."},
        {"1,00", "W", "", "Nie wybrano odbiorcy dokumentu."},
    };
    for (const Case& c : cases) {
        messages.clear();
        job.totalToPay = QString::fromLatin1(c.total);
        job.issuerEntry = QString::fromLatin1(c.issuer);
        job.recipientEntry = QString::fromLatin1(c.recipient);
        controller->Button2Click();
        EXPECT_EQ(texts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages.last().title, QStringLiteral("Kwitola®"));
    }
    EXPECT_TRUE(printer.empty());
    EXPECT_EQ(count(Table::Faktury), 0);
}

TEST_F(PrintFlow, ThreeCopiesAfterAPreviewThenPostingAndNumbering)
{
    job.preview = true;
    job.printerName = QStringLiteral("Biuro");
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);
    controller->Button3Click();

    ASSERT_EQ(preview.pages.size(), 1U);
    EXPECT_EQ(markOf(preview.pages[0]), QStringLiteral("ORYGINAŁ"));
    ASSERT_EQ(messages.messages().size(), 2U);
    EXPECT_EQ(messages.messages()[0].text,
              QStringLiteral("Data wystawienia : 05-03-2001\rDokument : Faktura VAT nr 12/2001 FV\r"
                             "Dla : Sklep Żagiel  Gdynia  ul. Portowa 3  586-111-22-33\r"
                             "Forma płatności : przelew 14 dni."));
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.messages()[1].text, QStringLiteral("Czy zaksięgować dokument ?"));

    ASSERT_EQ(printer.jobs().size(), 1U);
    const auto& pages = printer.last().pages;
    ASSERT_EQ(pages.size(), 3U);
    EXPECT_EQ(markOf(pages[0]), QStringLiteral("ORYGINAŁ"));
    EXPECT_EQ(markOf(pages[1]), QStringLiteral("KOPIA"));
    EXPECT_EQ(markOf(pages[2]), QStringLiteral("KOPIA"));
    EXPECT_EQ(printer.last().printerName, QStringLiteral("Biuro"));
    EXPECT_EQ(printer.last().documentName, QStringLiteral("Faktura VAT nr 12/2001 FV"));

    expectPosted(1, 1, QStringLiteral("97,00"));
    EXPECT_EQ(numbered.count(), 1);
}

TEST_F(PrintFlow, OneCopyIsMarkedOriginalAndCopyAndNoPreviewWhenNotAsked)
{
    controller->Button1Click();
    EXPECT_TRUE(preview.pages.empty());
    ASSERT_EQ(printer.last().pages.size(), 1U);
    EXPECT_EQ(markOf(printer.last().pages[0]), QStringLiteral("ORYGINAŁ / KOPIA"));
    // The form keeps the mark last set.
    EXPECT_EQ(markOf(form.page()), QStringLiteral("ORYGINAŁ / KOPIA"));
}

TEST_F(PrintFlow, ANoStopsWhereItIsGiven)
{
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);
    job.preview = true;
    messages.queueAnswer(MessageAnswer::No); // the confirmation
    controller->Button2Click();
    EXPECT_EQ(preview.pages.size(), 1U);
    EXPECT_TRUE(printer.empty());

    messages.queueAnswer(MessageAnswer::Yes);
    messages.queueAnswer(MessageAnswer::No); // "Czy zaksięgować dokument ?"
    controller->Button2Click();
    EXPECT_EQ(printer.jobs().size(), 1U);
    EXPECT_EQ(count(Table::Faktury), 0);
    EXPECT_EQ(count(Table::Sprzedaz), 0);
    EXPECT_EQ(numbered.count(), 0);
}

TEST_F(PrintFlow, KindsThatAreNotAskedAboutNeverAdvanceTheNumber)
{
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);
    job.advancesCounter = false;
    job.postingStep = Posting::Never; // pro-forma invoice, receipt
    controller->Button1Click();
    EXPECT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(count(Table::Faktury), 0);

    job.postingStep = Posting::Always; // goods-issue note
    job.posting = postingRequest(
        job.page, {QStringLiteral("12/2001"), QStringLiteral("12/2001"), QString(), false},
        recipient, QString());
    controller->Button1Click();
    EXPECT_EQ(messages.messages().size(), 2U); // the two confirmations only
    EXPECT_EQ(count(Table::Faktury), 1);
    EXPECT_EQ(count(Table::Sprzedaz), 0);
    EXPECT_EQ(numbered.count(), 0);
}

TEST_F(PrintFlow, AFailedPrintIsReportedAndNothingIsPostedOrNumbered)
{
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);
    printer.queueOutcome({common::PrintOutcome::Status::Failed,
                          QStringLiteral("Nie można zapisać pliku wydruki/x.pdf")});
    controller->Button2Click();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Nie można zapisać pliku")));
    EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
    EXPECT_FALSE(texts().contains(QStringLiteral("Czy zaksięgować dokument ?")));
    EXPECT_EQ(count(Table::Faktury), 0);
    EXPECT_EQ(numbered.count(), 0);
}

TEST_F(PrintFlow, AFailedPostingChangesNoTableButTheNumberStillAdvances)
{
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);
    job.posting->recipientId = 999; // the recipient is gone
    controller->Button2Click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Błąd w zapisie do rejestru transakcji."));
    expectPosted(0, 0, QStringLiteral("100,00"));
    EXPECT_EQ(numbered.count(), 1);
}

TEST_F(PrintFlow, RepostingAfterAReprintLeavesOneRecordOneLedgerRowAndOneReduction)
{
    controller->Button2Click();
    controller->Button2Click();
    expectPosted(1, 1, QStringLiteral("97,00"));
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Without a printer the copies go as pages of one PDF, which holds the
// document's values.
TEST_F(PrintFlow, WithoutAPrinterTheCopiesGoIntoOnePdf)
{
    common::SystemPrintService noPrinter(dir.filePath(QStringLiteral("wydruki")),
                                         common::SystemPrintService::Printers::None);
    ui::PrintController pdfController({messages, noPrinter, preview, store, form}, window,
                                      [this] { return job; });
    messages.queueAnswer(MessageAnswer::Yes);
    messages.queueAnswer(MessageAnswer::No);
    pdfController.Button2Click();

    const QString pdf = dir.filePath(QStringLiteral("wydruki/Faktura_VAT_nr_12_2001_FV.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(messages.messages()[1].icon, MessageIcon::Information);
    EXPECT_TRUE(messages.messages()[1].text.contains(QDir::toNativeSeparators(pdf)));

    QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2) << "two pages";
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    const QStringList expected = {
        QStringLiteral("FakturaVATnr12/2001FV"),
        QStringLiteral("ORYGINAŁ"),
        QStringLiteral("KOPIA"),
        QStringLiteral("HurtowniaBałtykSp.zo.o."),
        QStringLiteral("NIP583-000-11-22/Regon190000001"),
        QStringLiteral("SklepŻagiel"),
        QStringLiteral("ŚrubaM8"),
        QStringLiteral("252,65"),
        QStringLiteral("dwieściepięćdziesiątdwa65/100"),
        QStringLiteral("Sposóbzapłaty:przelew14dni."),
        QStringLiteral("BankBankGdańskiS.A.nrrachunku12102018110000000000001234."),
        QStringLiteral("RAZEM:"),
        QStringLiteral("05-03-2001"),
    };
    for (const QString& value : expected) {
        EXPECT_TRUE(text.contains(value)) << value.toStdString();
    }
    // The long name is drawn smaller to keep to its two lines, and whole.
    EXPECT_TRUE(text.contains(QStringLiteral("protokołemodbioru")));
    // A second print does not overwrite the first file.
    messages.queueAnswer(MessageAnswer::Yes);
    messages.queueAnswer(MessageAnswer::No);
    pdfController.Button1Click();
    EXPECT_TRUE(
        QFile::exists(dir.filePath(QStringLiteral("wydruki/Faktura_VAT_nr_12_2001_FV-2.pdf"))));
}

TEST(PrintForm, KeepsTheLogoUntilAnotherPathIsGiven)
{
    QTemporaryDir dir;
    QImage logo(720, 100, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(logo.save(path));
    QFile::copy(path, dir.filePath(QStringLiteral("nie-obraz.bmp")));
    QFile(dir.filePath(QStringLiteral("nie-obraz.bmp"))).resize(10);

    ui::TfDruk form;
    const QString name = QString::fromLatin1(invoiceprint::kLogo);
    form.WypelnijWydruk(threeLines(), QString());
    EXPECT_EQ(form.page().find(name), nullptr);
    form.WypelnijWydruk(threeLines(), path);
    ASSERT_NE(form.page().find(name), nullptr);
    form.WypelnijWydruk(threeLines(), QString());
    EXPECT_NE(form.page().find(name), nullptr);
    form.WypelnijWydruk(threeLines(), dir.filePath(QStringLiteral("nie-obraz.bmp")));
    EXPECT_EQ(form.page().find(name), nullptr);
    // Clearing empties the rows and the words.
    form.CzyscWydruk();
    EXPECT_EQ(form.page().find(cellName("name", 1)), nullptr);
    EXPECT_EQ(form.page().find(QString::fromLatin1(invoiceprint::kWords))->text,
              QStringLiteral("  "));
}

} // namespace

namespace {

TEST_F(PrintFlow, AnEarlierPostingOfAnotherDateIsReplacedOnlyWhenTheUserAgrees)
{
    // Last year's "12/2001 FV", and this year's document under the same number.
    PostingRequest earlier = *job.posting;
    earlier.document.issueDate = QStringLiteral("02-01-2000");
    ASSERT_TRUE(postDocument(store, earlier));
    QSignalSpy numbered(controller.get(), &ui::PrintController::DodajNumer);

    const QString question = QStringLiteral("Dokument nr 12/2001 FV z dnia 02-01-2000 jest już "
                                            "zaksięgowany. Czy zastąpić go tym dokumentem ?");
    // print, post, replace? No
    for (const auto answer : {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No}) {
        messages.queueAnswer(answer);
    }
    controller->print(1);
    ASSERT_GE(messages.messages().size(), 4u);
    const common::Message& asked = messages.messages().at(2);
    EXPECT_EQ(asked.text, question);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, common::MessageButtons::YesNo);
    EXPECT_EQ(asked.defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(messages.last().text, QStringLiteral("Dokument nie został zaksięgowany."));
    EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
    EXPECT_EQ(numbered.count(), 0);
    const auto kept = *store.all<StoredDocument>();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].issueDate, QStringLiteral("02-01-2000"));

    messages.clear();
    for (const auto answer : {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes}) {
        messages.queueAnswer(answer);
    }
    controller->print(1);
    EXPECT_EQ(texts().size(), 3) << texts().join(u'|').toStdString();
    EXPECT_EQ(numbered.count(), 1);
    const auto replaced = *store.all<StoredDocument>();
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].issueDate, QStringLiteral("05-03-2001"));
    EXPECT_EQ(count(Table::Sprzedaz), 1);

    // The reprint of the same day replaces without asking.
    messages.clear();
    controller->print(1);
    EXPECT_FALSE(texts().contains(question));
    EXPECT_EQ(numbered.count(), 2);
    EXPECT_EQ(count(Table::Faktury), 1);
}

} // namespace
