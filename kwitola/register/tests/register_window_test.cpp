#include "common/core/clock.h"
#include "common/core/pagejson.h"
#include "common/testsupport/recordingmessageservice.h"
#include "common/testsupport/recordingprintservice.h"
#include "common/testsupport/scripteddialogs.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/documentpage.h"
#include "kwitola/register/tests/registertestfolder.h"
#include "kwitola/register/ui/registerwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

test::Posted posted(int n, const char* recipient)
{
    return {QStringLiteral("%1/2026 FV").arg(n),
            QStringLiteral("Faktura VAT"),
            QStringLiteral("05"),
            QStringLiteral("03"),
            QStringLiteral("2026"),
            QString::fromUtf8(recipient),
            {{QStringLiteral("Śruba"), QStringLiteral("2"), QStringLiteral("10,00"),
              QStringLiteral("22")}},
            QStringLiteral("24,40")};
}

// A window over a folder of three posted invoices, the second with an
// archived page, through recording seams.
class RegisterWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            test::writeTables(m_dir.path(), {posted(1, "Hurtownia Żuraw"), posted(2, "Agro Łan"),
                                             posted(3, "Hurtownia Łoś")}));
        StoredDocument second = test::storedDocument(posted(2, "Agro Łan"));
        const ArchiveEntry entry = archiveEntry(m_dir.path(), second);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(entry.pagePath).path()));
        QFile file(entry.pagePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(common::pageToJson(archivedPage()));
    }

    static common::Page archivedPage()
    {
        common::Page page;
        page.elements.push_back(common::textElement(QString::fromLatin1(invoiceprint::kCopyMark),
                                                    QRect(566, 290, 176, 16),
                                                    QStringLiteral("ORYGINAŁ"), {}));
        page.elements.push_back(common::textElement(QStringLiteral("numer"),
                                                    QRect(25, 100, 300, 16),
                                                    QStringLiteral("Faktura VAT 2/2026 FV"), {}));
        return page;
    }

    RegisterWindow& window()
    {
        if (!m_window) {
            m_window = std::make_unique<RegisterWindow>(
                m_dir.path(), RegisterServices{m_messages, m_printer, m_files, m_clock});
        }
        return *m_window;
    }

    template <typename T> T* child(const char* name)
    {
        return window().findChild<T*>(QLatin1String(name));
    }

    // Chooses the listed document of that number.
    void choose(const QString& number)
    {
        auto* table = child<QTableView>("lista_dokumentow");
        const auto* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == number) {
                table->selectRow(row);
                return;
            }
        }
        FAIL() << "no row " << number.toStdString();
    }

    QTemporaryDir m_dir;
    common::testing::RecordingMessageService m_messages;
    common::testing::RecordingPrintService m_printer;
    common::testing::ScriptedFileDialogService m_files;
    common::FixedClock m_clock{QDate(2026, 12, 8)};
    std::unique_ptr<RegisterWindow> m_window;
};

TEST_F(RegisterWindowTest, listsTheDocumentsAndTheRecipientFilterNarrowsThem)
{
    ASSERT_TRUE(window().reload());
    auto* table = child<QTableView>("lista_dokumentow");
    EXPECT_EQ(table->model()->rowCount(), 3);
    child<QLineEdit>("odbiorca")->setText(QStringLiteral("hurtownia"));
    EXPECT_EQ(table->model()->rowCount(), 2);
    // A recipient cut off in its column reads whole in the tool tip.
    const QModelIndex recipient = table->model()->index(0, 3);
    EXPECT_TRUE(recipient.data(Qt::ToolTipRole).toString().contains(QStringLiteral("Hurtownia")));
    EXPECT_EQ(recipient.data(Qt::ToolTipRole), recipient.data(Qt::DisplayRole));
    EXPECT_TRUE(child<QLabel>("podsumowanie")->text().contains(QStringLiteral("48,80")));
    child<QLineEdit>("numer")->setText(QStringLiteral("3/"));
    EXPECT_EQ(table->model()->rowCount(), 1);
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(RegisterWindowTest, theDuplicateGoesToThePrinterWithTheMarkAndTodaysDateLine)
{
    ASSERT_TRUE(window().reload());
    choose(QStringLiteral("2/2026 FV"));
    child<QPushButton>("b_drukuj_duplikat")->click();
    ASSERT_EQ(m_printer.jobs().size(), 1U);
    const common::Page& printed = m_printer.last().pages.at(0);
    EXPECT_EQ(printed.find(QString::fromLatin1(invoiceprint::kCopyMark))->text,
              QStringLiteral("DUPLIKAT"));
    const auto* line = printed.find(QString::fromLatin1(documentpage::kDuplicateDate));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, QStringLiteral("Data wystawienia duplikatu: 08-12-2026"));
    EXPECT_EQ(printed.find(QStringLiteral("numer"))->text, QStringLiteral("Faktura VAT 2/2026 FV"));
    EXPECT_TRUE(m_messages.messages().empty());

    // With no printer the service writes a PDF, and the window says where.
    m_printer.queueOutcome({common::PrintOutcome::Status::SavedAsPdf, QStringLiteral("/x/d.pdf")});
    child<QPushButton>("b_drukuj_duplikat")->click();
    ASSERT_EQ(m_messages.messages().size(), 1U);
    EXPECT_TRUE(m_messages.messages().back().text.contains(QStringLiteral("/x/d.pdf")));
}

TEST_F(RegisterWindowTest, saveWritesTheDuplicateToTheChosenFileAndACancelWritesNothing)
{
    ASSERT_TRUE(window().reload());
    choose(QStringLiteral("1/2026 FV"));
    const QString path = m_dir.filePath(QStringLiteral("wybrany.pdf"));
    m_files.queueAnswer(std::nullopt);
    child<QPushButton>("b_zapisz_pdf")->click();
    EXPECT_FALSE(QFile::exists(path));
    m_files.queueAnswer(path);
    child<QPushButton>("b_zapisz_pdf")->click();
    ASSERT_EQ(m_files.requests().size(), 2U);
    EXPECT_TRUE(m_files.requests().back().suggestedPath.endsWith(u"1_2026_FV_duplikat.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(m_printer.empty());
}

TEST_F(RegisterWindowTest, theMonthsLedgerIsExportedToTheChosenFile)
{
    ASSERT_TRUE(window().reload());
    const QString path = m_dir.filePath(QStringLiteral("marzec.csv"));
    m_files.queueAnswer(path);
    child<QPushButton>("b_eksport_csv")->click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(csv.contains(QStringLiteral("3/2026 FV")));
    EXPECT_TRUE(csv.contains(QStringLiteral("73,20"))) << csv.toStdString();
    ASSERT_EQ(m_messages.messages().size(), 1U);
    EXPECT_TRUE(m_messages.messages().back().text.startsWith(
        QStringLiteral("Rejestr sprzedaży za marzec 2026 zapisano")));
}

TEST_F(RegisterWindowTest, aFolderWithoutTablesIsReportedAndTheListStaysEmpty)
{
    QTemporaryDir empty;
    RegisterWindow other(empty.path(), {m_messages, m_printer, m_files, m_clock});
    EXPECT_FALSE(other.reload());
    ASSERT_EQ(m_messages.messages().size(), 1U);
    EXPECT_TRUE(m_messages.messages().back().text.contains(QStringLiteral("nie ma tabel")));
    EXPECT_EQ(other.findChild<QTableView*>(QStringLiteral("lista_dokumentow"))->model()->rowCount(),
              0);
    EXPECT_FALSE(other.findChild<QPushButton*>(QStringLiteral("b_eksport_csv"))->isEnabled());
}

} // namespace
