#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/printservice.h"
#include "common/testsupport/pixels.h"
#include "common/testsupport/recordingmessageservice.h"
#include "common/testsupport/recordingprintservice.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/printout.h"
#include "karoskop/core/vehicledescription.h"
#include "karoskop/tests/vinfixture.h"
#include "karoskop/ui/karoskopwindows.h"
#include "karoskop/ui/tfdruk.h"
#include "karoskop/ui/tfvinfind.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using common::MessageIcon;
using common::PrintOutcome;
using common::SystemPrintService;
using common::testing::darkPixels;
using common::testing::RecordingMessageService;
using common::testing::RecordingPrintService;
using karoskop::TfDruk;
using karoskop::VehicleDescription;
using karoskop::testing::vinOf;

namespace {

// Runs a test in a fresh working directory and goes back afterwards.
class InTemporaryFolder
{
public:
    InTemporaryFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(m_previous); }
    InTemporaryFolder(const InTemporaryFolder&) = delete;
    InTemporaryFolder& operator=(const InTemporaryFolder&) = delete;

    QString path(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QString pdfText(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << pdfPath.toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every element with everything the renderer draws of it.
QStringList describe(const common::Page& page)
{
    QStringList lines;
    for (const common::PageElement& e : page.elements) {
        lines << QStringLiteral("%1|%2|%3,%4,%5,%6|%7|%8/%9/%10/%11|%12|%13|%14")
                     .arg(e.name)
                     .arg(static_cast<int>(e.kind))
                     .arg(e.rect.x())
                     .arg(e.rect.y())
                     .arg(e.rect.width())
                     .arg(e.rect.height())
                     .arg(e.text, e.font.family)
                     .arg(e.font.pointSize)
                     .arg(e.font.bold)
                     .arg(e.font.italic)
                     .arg(static_cast<int>(e.align))
                     .arg(e.rgb)
                     .arg(e.wordWrap);
    }
    return lines;
}

VehicleDescription decodedFord()
{
    karoskop::Decoder decoder;
    // Fiesta (position 9 F, 10 A), 1980 (A), plant Koln (7 G).
    decoder.decode(vinOf(QStringLiteral("WF0AXXGAFAAB12345")));
    return decoder.description();
}

} // namespace

TEST(PrintForm, TheResultWindowsPrintButtonPrintsWhatItShows)
{
    QTemporaryDir dir;
    RecordingPrintService printer;
    RecordingMessageService messages;
    karoskop::KaroskopWindows windows(messages, dir.path(), &printer);
    VehicleDescription shown = decodedFord();
    shown.type = QStringLiteral("Fiesta (wybrany)"); // as after a model choice
    windows.vinFind().showDescription(shown);

    auto* button = windows.vinFind().findChild<QWidget*>(QStringLiteral("b_druk"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(printer.jobs().size(), 1u);
    ASSERT_EQ(printer.last().pages.size(), 1u);
    EXPECT_TRUE(messages.empty()); // printed: nothing to say
    const common::Page& page = printer.last().pages.front();
    EXPECT_EQ(page.find(QStringLiteral("makeAndType"))->text,
              QStringLiteral("Ford  Fiesta (wybrany)"));
    EXPECT_EQ(describe(page),
              describe(karoskop::decodingPrintout(windows.vinFind().description())));
}

TEST(PrintForm, NothingOfAnEarlierPrintCarriesOver)
{
    RecordingPrintService printer;
    RecordingMessageService messages;
    TfDruk druk(printer, messages);
    VehicleDescription full = decodedFord();
    full.comments = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    const VehicleDescription sparse; // the start values of a run

    druk.drukuj(full);
    druk.drukuj(sparse);
    druk.drukuj(sparse);
    ASSERT_EQ(printer.jobs().size(), 3u);
    EXPECT_EQ(describe(printer.jobs()[1].pages.front()), describe(printer.jobs()[2].pages.front()));
    EXPECT_EQ(describe(printer.jobs()[1].pages.front()),
              describe(karoskop::decodingPrintout(sparse)));
    EXPECT_NE(describe(printer.jobs()[0].pages.front()), describe(printer.jobs()[1].pages.front()));
}

TEST(PrintForm, SaysWhereThePageWentWhenThereIsNoPrinter)
{
    RecordingPrintService printer;
    RecordingMessageService messages;
    TfDruk druk(printer, messages);
    printer.queueOutcome(
        {PrintOutcome::Status::SavedAsPdf, QStringLiteral("/praca/wydruki/a.pdf")});
    printer.queueOutcome(
        {PrintOutcome::Status::Failed, QStringLiteral("Nie można zapisać pliku x")});

    druk.drukuj(VehicleDescription{});
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);
    EXPECT_EQ(messages.last().title, QStringLiteral("Karoskop"));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("/praca/wydruki/a.pdf")));

    druk.drukuj(VehicleDescription{});
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Nie można zapisać pliku x")));
}

TEST(PrintForm, ThePdfOfADecodedFordHoldsItsValues)
{
    InTemporaryFolder folder;
    SystemPrintService printer(QStringLiteral("wydruki"), SystemPrintService::Printers::None);
    RecordingMessageService messages;
    TfDruk druk(printer, messages);
    const VehicleDescription d = decodedFord();
    ASSERT_EQ(d.make, QStringLiteral("Ford"));
    ASSERT_EQ(d.type, QStringLiteral("Fiesta"));

    druk.drukuj(d);
    ASSERT_EQ(messages.messages().size(), 1u);
    const QString pdf = folder.path(QStringLiteral("wydruki/rozkodowanie-WF0AXXGAFAAB12345.pdf"));
    EXPECT_TRUE(messages.last().text.contains(QDir::toNativeSeparators(pdf)))
        << messages.last().text.toStdString();

    // pdftotext may run words of one line together differently; compare
    // without blanks and line breaks.
    QString text = pdfText(pdf);
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    const QStringList expected = {
        QStringLiteral("Karoskop®"),
        QStringLiteral("Wynik rozkodowania pojazdu o numerze nadwozia"),
        QStringLiteral("WF0AXXGAFAAB12345"),
        QStringLiteral("Ford  Fiesta"),
        QStringLiteral("Region geograficzny"),
        d.region,
        d.country,
        d.productionYear,
        d.modelYear,
        d.productionMonth,
        d.plant,
        d.body,
        d.engine,
        d.gearbox,
        d.modelYears,
        QStringLiteral("12345"),
        QStringLiteral("Inne informacje"),
        d.comments[0],
        QStringLiteral("wystawił"),
    };
    for (QString value : expected) {
        ASSERT_FALSE(value.trimmed().isEmpty());
        value.remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_TRUE(text.contains(value)) << value.toStdString();
    }
}

TEST(PrintService, WithoutAPrinterEachPrintBecomesANewPdfInWydruki)
{
    InTemporaryFolder folder;
    SystemPrintService service(QStringLiteral("wydruki"), SystemPrintService::Printers::None);
    const common::Page page = karoskop::decodingPrintout(karoskop::VehicleDescription{});

    const PrintOutcome first = service.printPages({page}, QStringLiteral("rozkodowanie"));
    ASSERT_EQ(first.status, PrintOutcome::Status::SavedAsPdf);
    EXPECT_EQ(QDir(first.detail), QDir(folder.path(QStringLiteral("wydruki/rozkodowanie.pdf"))));
    const PrintOutcome second = service.printPages({page}, QStringLiteral("rozkodowanie"));
    ASSERT_EQ(second.status, PrintOutcome::Status::SavedAsPdf);
    EXPECT_EQ(QDir(second.detail), QDir(folder.path(QStringLiteral("wydruki/rozkodowanie-2.pdf"))));
    EXPECT_TRUE(QFile::exists(first.detail));
    EXPECT_TRUE(QFile::exists(second.detail));
}

TEST(PrintService, DocumentNamesCannotLeaveTheFolder)
{
    InTemporaryFolder folder;
    EXPECT_EQ(QDir(common::freePdfPath(QStringLiteral("wydruki"), QStringLiteral("../a/b ć"))),
              QDir(folder.path(QStringLiteral("wydruki/___a_b__.pdf"))));
    EXPECT_EQ(QDir(common::freePdfPath(QStringLiteral("wydruki"), QString())),
              QDir(folder.path(QStringLiteral("wydruki/wydruk.pdf"))));
}

TEST(PrintService, AFolderThatCannotBeMadeIsReportedNotSaved)
{
    InTemporaryFolder folder;
    QFile blocker(folder.path(QStringLiteral("wydruki")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    SystemPrintService service(QStringLiteral("wydruki"), SystemPrintService::Printers::None);
    const PrintOutcome outcome = service.printPages(
        {karoskop::decodingPrintout(karoskop::VehicleDescription{})}, QStringLiteral("x"));
    EXPECT_EQ(outcome.status, PrintOutcome::Status::Failed);
    EXPECT_TRUE(outcome.detail.startsWith(QStringLiteral("Nie można")))
        << outcome.detail.toStdString();
    QFile after(folder.path(QStringLiteral("wydruki")));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("not a folder"));
}

TEST(DecodingPrintoutRendering, ALongCommentWrapsInsideItsBlock)
{
    karoskop::VehicleDescription d;
    d.comments = {QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez "
                                 "producenta."),
                  QStringLiteral("Numer identyfikacyjny musi być ograniczony gwiazdkami."),
                  QStringLiteral("Bieżący numer seryjny w każdym roku modelowym zaczyna się od "
                                 "00001. ")};
    // One design unit per pixel.
    const QImage image = common::renderPageToImage(karoskop::decodingPrintout(d), 794);
    EXPECT_GT(darkPixels(image, QRect(248, 524, 433, 16)), 0);  // first line
    EXPECT_GT(darkPixels(image, QRect(248, 542, 433, 16)), 0);  // carried on below
    EXPECT_EQ(darkPixels(image, QRect(682, 520, 112, 210)), 0); // nothing right of the block
    EXPECT_EQ(darkPixels(image, QRect(248, 726, 433, 70)), 0);  // nothing below it
}
