#include "common/testsupport/recordingprintservice.h"
#include "kwitola/core/salesdocument.h"
#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/ui/printcontroller.h"
#include "kwitola/ui/printpreview.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace kwitola;

namespace {

class NoPreview final : public ui::PreviewService
{
public:
    void preview(const common::Page& /*page*/, QWidget* /*parent*/) override { ++shown; }
    int shown = 0;
};

class PrintWiring : public kwitola::testing::WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        fillTables();
        writeFile(QStringLiteral("faktura.kfx"),
                  "open\r\n\r\n\r\n12\r\n/2001\r\nopen\r\nMiasto\r\nclose\r\n\r\n\r\n");
        start();
        Goods goods;
        goods.Nazwa_towaru = QStringLiteral("Łopata");
        goods.Cena_jednostkowa_netto = QStringLiteral("35,00");
        goods.Stawka_vat = QStringLiteral("22");
        ASSERT_TRUE(document.loadGoods(goods));
        ASSERT_FALSE(document.add(QStringLiteral("2")));
        ASSERT_TRUE(document.refreshAmountInWords());
        m_windows->connectPrinting(printer, preview,
                                   [this]() -> const SalesDocument& { return document; });
    }

    SalesDocument document;
    common::testing::RecordingPrintService printer;
    NoPreview preview;
};

// The main window's values, the settings and the tables meet in one print:
// two copies after the preview, the document posted and the number stepped.
TEST_F(PrintWiring, DrukujDwaPrintsPostsAndAdvancesTheNumber)
{
    ASSERT_TRUE(faktura().isStarted());
    control<QComboBox>("Druk")->setCurrentIndex(0);
    m_messages.clear();
    control<QPushButton>("Button2")->click();

    EXPECT_EQ(preview.shown, 1);
    ASSERT_EQ(printer.jobs().size(), 1U);
    const auto& pages = printer.last().pages;
    ASSERT_EQ(pages.size(), 2U);
    const QString title = QStringLiteral("Faktura VAT nr 12/2001 FV");
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kTitle))->text, title);
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kIssueDate))->text,
              QStringLiteral("05-03-2001"));
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kPlaceOfIssue))->text,
              QStringLiteral("Miasto"));
    EXPECT_EQ(pages[1].find(cellName("name", 1))->text, QStringLiteral("Łopata"));
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_TRUE(m_messages.messages()[0].text.contains(QStringLiteral("Dokument : ") + title));

    const auto stored = m_store.all<StoredDocument>();
    ASSERT_TRUE(stored.ok());
    ASSERT_EQ(stored->size(), 1U);
    EXPECT_EQ(stored->front().Numer_faktury, QStringLiteral("12/2001 FV"));
    EXPECT_EQ(*m_store.count(Table::Sprzedaz), 1);
    EXPECT_TRUE(readFile(QStringLiteral("faktura.kfx")).contains("\r\n13\r\n"));
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("13/2001"));
}

} // namespace
